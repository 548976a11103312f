// The loader services the plug-in needs to reach its host: find a module that is already loaded
// in this process by its file name, and resolve one of its exported symbols.
#pragma once

// An opaque handle of a loaded module; null means none.
using ModuleHandle = const void*;

struct ModuleLookup {
  // The loaded module whose file name (without folder) is fileName, or null. Never loads a
  // module and keeps no reference to it.
  ModuleHandle (*findLoadedModule)(const char* fileName);
  // The address of the symbol exported under exactly this name by that module itself (not by
  // another module), or null.
  void* (*resolveSymbol)(ModuleHandle module, const char* name);
};

// The lookup of this platform's loader (dynamic linker on POSIX, GetModuleHandle on Windows).
const ModuleLookup& platformModuleLookup();
