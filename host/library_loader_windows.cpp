#include <windows.h>

#include "host/library_loader.h"

namespace standin {

void* openLibrary(const std::string& path, std::string& error) {
  HMODULE library = LoadLibraryA(path.c_str());
  if (library == nullptr) error = "LoadLibrary failed with error " + std::to_string(GetLastError());
  return reinterpret_cast<void*>(library);
}

void* librarySymbol(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void closeLibrary(void* library) {
  FreeLibrary(static_cast<HMODULE>(library));
}

}  // namespace standin
