#include "plugin/host_api.h"

HostApi hostApi{};

const char* const kHostFunctionNames[kHostFunctionCount] = {
#define FOLWYN_ENTRY_NAME(name, ...) #name,
    FOLWYN_HOST_FUNCTIONS(FOLWYN_ENTRY_NAME, FOLWYN_ENTRY_NAME)
#undef FOLWYN_ENTRY_NAME
};

namespace {

// Stores a resolved address in a typed entry. Function and object pointers have the same size
// and representation on every platform the host runs on.
template <typename F>
void storeEntry(HostFunction<F>& entry, void* address) {
  entry = reinterpret_cast<HostFunction<F>>(address);
}

}  // namespace

bool bindHostApi(const ModuleLookup& lookup) {
  ModuleHandle host = lookup.findLoadedModule(kHostModuleName);
  if (host == nullptr) return false;

  storeEntry(hostApi.nzGetVersionOfTarnwickNZ,
             lookup.resolveSymbol(host, "nzGetVersionOfTarnwickNZ"));
  if (hostApi.nzGetVersionOfTarnwickNZ == nullptr) return false;

    // Every other entry is stored as resolved, null included; the version entry is stored again
    // with the same address.
#define FOLWYN_BIND_ENTRY(name, ...) storeEntry(hostApi.name, lookup.resolveSymbol(host, #name));
  FOLWYN_HOST_FUNCTIONS(FOLWYN_BIND_ENTRY, FOLWYN_BIND_ENTRY)
#undef FOLWYN_BIND_ENTRY
  return true;
}

bool bindHostApi() {
  return bindHostApi(platformModuleLookup());
}
