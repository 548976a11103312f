// A process that is not the host: loads an optional module first (a fake host module), then the
// plug-in library, and reports what initPlugin and execute return.
//   plugin_probe PLUGIN [MODULE]
#include <dlfcn.h>

#include <cstdio>

#include "plugin/folwyn_plugin.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: plugin_probe PLUGIN [MODULE]\n");
    return 1;
  }
  if (argc > 2 && dlopen(argv[2], RTLD_NOW | RTLD_LOCAL) == nullptr) {
    std::fprintf(stderr, "cannot load %s: %s\n", argv[2], dlerror());
    return 1;
  }
  void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "cannot load %s: %s\n", argv[1], dlerror());
    return 1;
  }
  auto create = reinterpret_cast<CreatePluginFunction>(dlsym(library, "createPlugin"));
  TWNZPluginInterface* plugin = create();
  const bool initialised = plugin->initPlugin();
  std::printf("initPlugin: %s\n", initialised ? "true" : "false");
  std::fflush(stdout);
  if (initialised) {
    const bool executed = plugin->execute();
    std::printf("execute: %s\n", executed ? "true" : "false");
  }
  delete plugin;
  dlclose(library);
  return 0;
}
