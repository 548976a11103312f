#include <dlfcn.h>

#include "host/library_loader.h"

namespace standin {

void* openLibrary(const std::string& path, std::string& error) {
  // A path without a folder would make the loader search its own paths; the host always loads
  // a file of its plug-in folder.
  std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* reason = dlerror();
    error = reason != nullptr ? reason : "unknown error";
  }
  return library;
}

void* librarySymbol(void* library, const char* name) {
  return dlsym(library, name);
}

void closeLibrary(void* library) {
  dlclose(library);
}

}  // namespace standin
