// The host function table: the address of every function the host exports to plug-ins, bound
// by name. Every host call of the plug-in goes through this one table.
#pragma once

#include <cstddef>

#include "plugin/host_functions.h"
#include "plugin/module_lookup.h"

// A table entry: a pointer to a host function of type F, or null.
template <typename F>
using HostFunction = F*;

// An entry the plug-in never calls, stored as an untyped function address.
using UntypedHostFunction = HostFunction<void()>;

// 184 entries in table order; each is null until bound and may stay null when the host lacks it.
struct HostApi {
#define FOLWYN_CALLED_ENTRY(name, ...) HostFunction<__VA_ARGS__> name;
#define FOLWYN_UNUSED_ENTRY(name) UntypedHostFunction name;
  FOLWYN_HOST_FUNCTIONS(FOLWYN_CALLED_ENTRY, FOLWYN_UNUSED_ENTRY)
#undef FOLWYN_CALLED_ENTRY
#undef FOLWYN_UNUSED_ENTRY
};

// The position of every entry in the table, by name: HostEntry::nzLogText == 5.
enum class HostEntry : int {
#define FOLWYN_ENTRY_POSITION(name, ...) name,
  FOLWYN_HOST_FUNCTIONS(FOLWYN_ENTRY_POSITION, FOLWYN_ENTRY_POSITION)
#undef FOLWYN_ENTRY_POSITION
      count
};

constexpr int kHostFunctionCount = static_cast<int>(HostEntry::count);

// The host's exported name of every entry, in table order.
extern const char* const kHostFunctionNames[kHostFunctionCount];

// The library's one host function table: all null when the library is loaded, filled by
// bindHostApi. Tests may set entries directly to stand in for a host.
extern HostApi hostApi;

// The file name of the host's executable, the module the table is bound from.
inline constexpr const char* kHostModuleName = "TarnwickNZ.exe";

// Finds the host module through the operating system's loader and fills the table. True when the
// module was found and its version function resolved; then every other entry is stored, null
// included. Module missing: false, table unchanged. Version function missing: false, entry 0
// null and the other entries unchanged.
bool bindHostApi();

// The same binding through another lookup (a fake module in tests).
bool bindHostApi(const ModuleLookup& lookup);
