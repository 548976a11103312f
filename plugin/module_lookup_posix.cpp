// Module lookup through the dynamic linker. The main executable counts as a loaded module under
// the file name of the running program; shared objects go by the file names of their paths.
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstring>

#include "plugin/module_lookup.h"

namespace {

const char* fileNameOf(const char* path) {
  const char* slash = std::strrchr(path, '/');
  return slash != nullptr ? slash + 1 : path;
}

bool isRunningProgram(const char* fileName) {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return false;
  path[length] = '\0';
  return std::strcmp(fileNameOf(path), fileName) == 0;
}

// The first link map of the process: that of the main program.
const link_map* firstLinkMap() {
  void* self = dlopen(nullptr, RTLD_NOW | RTLD_NOLOAD);
  if (self == nullptr) return nullptr;
  link_map* map = nullptr;
  const bool haveMap = dlinfo(self, RTLD_DI_LINKMAP, &map) == 0;
  dlclose(self);
  if (!haveMap) return nullptr;
  while (map != nullptr && map->l_prev != nullptr) map = map->l_prev;
  return map;
}

// The link map of the shared object whose path ends in fileName, or null. Walks the link maps
// of the objects already loaded; loads nothing.
const link_map* findSharedObject(const char* fileName) {
  for (const link_map* map = firstLinkMap(); map != nullptr; map = map->l_next) {
    if (map->l_name != nullptr && map->l_name[0] != '\0' &&
        std::strcmp(fileNameOf(map->l_name), fileName) == 0) {
      return map;
    }
  }
  return nullptr;
}

ModuleHandle findLoadedModule(const char* fileName) {
  if (fileName == nullptr || fileName[0] == '\0') return nullptr;
  if (isRunningProgram(fileName)) return firstLinkMap();
  return findSharedObject(fileName);
}

void* resolveSymbol(ModuleHandle module, const char* name) {
  if (module == nullptr || name == nullptr) return nullptr;
  const link_map* target = static_cast<const link_map*>(module);
  // Open the module by its own path to search it first; a handle opened with RTLD_NOLOAD adds
  // a reference that is given back at once. The main program has no path of its own.
  const bool isMain = target->l_name == nullptr || target->l_name[0] == '\0';
  void* handle = dlopen(isMain ? nullptr : target->l_name, RTLD_NOW | RTLD_NOLOAD);
  if (handle == nullptr) return nullptr;
  void* address = dlsym(handle, name);
  dlclose(handle);
  if (address == nullptr) return nullptr;
  // dlsym also searches the module's dependencies: accept only a symbol the module defines.
  Dl_info info;
  link_map* owner = nullptr;
  if (dladdr1(address, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP) == 0 ||
      owner != target) {
    return nullptr;
  }
  return address;
}

}  // namespace

const ModuleLookup& platformModuleLookup() {
  static const ModuleLookup lookup{findLoadedModule, resolveSymbol};
  return lookup;
}
