// A process that is not the host, for the Windows tests.
//   windows_probe PLUGIN [MODULE]  loads MODULE first (a fake host module named TarnwickNZ.exe),
//                                  then the plug-in; reports what initPlugin and execute return,
//                                  and whether the host module goes away when this process
//                                  lets it go (the plug-in must keep no reference to it)
//   windows_probe --exports FILE   prints the names that FILE exports, one a line, C++ names
//                                  demangled
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(__GNUC__)
#include <cxxabi.h>
#endif

#include "plugin/folwyn_plugin.h"

namespace {

std::string demangled(const char* name) {
#if defined(__GNUC__)
  int status = 0;
  char* text = abi::__cxa_demangle(name, nullptr, nullptr, &status);
  if (status == 0 && text != nullptr) {
    std::string result = text;
    std::free(text);
    return result;
  }
#endif
  return name;
}

// Walks the export directory of a module mapped as an image.
int printExports(const char* path) {
  HMODULE module = LoadLibraryExA(path, nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (module == nullptr) {
    std::fprintf(stderr, "cannot map %s: error %lu\n", path, GetLastError());
    return 1;
  }
  const auto* base = reinterpret_cast<const unsigned char*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& entry =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (entry.VirtualAddress != 0 && entry.Size != 0) {
    const auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
      const char* name = reinterpret_cast<const char*>(base + names[i]);
      std::printf("%s\n", demangled(name).c_str());
    }
  }
  FreeLibrary(module);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--exports") == 0) return printExports(argv[2]);
  if (argc < 2) {
    std::fprintf(stderr, "usage: windows_probe PLUGIN [MODULE] | --exports FILE\n");
    return 1;
  }
  HMODULE hostModule = nullptr;
  if (argc > 2) {
    hostModule = LoadLibraryA(argv[2]);
    if (hostModule == nullptr) {
      std::fprintf(stderr, "cannot load %s: error %lu\n", argv[2], GetLastError());
      return 1;
    }
  }
  HMODULE library = LoadLibraryA(argv[1]);
  if (library == nullptr) {
    std::fprintf(stderr, "cannot load %s: error %lu\n", argv[1], GetLastError());
    return 1;
  }
  auto create = reinterpret_cast<CreatePluginFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, "createPlugin")));
  if (create == nullptr) {
    std::fprintf(stderr, "%s exports no createPlugin\n", argv[1]);
    return 1;
  }
  TWNZPluginInterface* plugin = create();
  const bool initialised = plugin->initPlugin();
  std::printf("initPlugin: %s\n", initialised ? "true" : "false");
  std::fflush(stdout);
  if (initialised) {
    const bool executed = plugin->execute();
    std::printf("execute: %s\n", executed ? "true" : "false");
  }
  delete plugin;
  if (hostModule != nullptr) {
    // This process took the one reference; a plug-in that took another would keep it loaded.
    FreeLibrary(hostModule);
    std::printf("host module unloaded: %s\n",
                GetModuleHandleA("TarnwickNZ.exe") == nullptr ? "yes" : "no");
  }
  FreeLibrary(library);
  return 0;
}
