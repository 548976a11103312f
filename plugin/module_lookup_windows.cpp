// Module lookup through the Windows loader: GetModuleHandleA finds a loaded module by its file
// name without loading it or adding a reference; GetProcAddress resolves its exports.
#include <windows.h>

#include "plugin/module_lookup.h"

namespace {

ModuleHandle findLoadedModule(const char* fileName) {
  if (fileName == nullptr || fileName[0] == '\0') return nullptr;
  return GetModuleHandleA(fileName);
}

void* resolveSymbol(ModuleHandle module, const char* name) {
  if (module == nullptr || name == nullptr) return nullptr;
  HMODULE handle = static_cast<HMODULE>(const_cast<void*>(module));
  return reinterpret_cast<void*>(GetProcAddress(handle, name));
}

}  // namespace

const ModuleLookup& platformModuleLookup() {
  static const ModuleLookup lookup{findLoadedModule, resolveSymbol};
  return lookup;
}
