// Every host function the stand-in does not implement: it returns 0 (null) and says that it
// was called. Generated from the plug-in's list of host functions.
#include <string>

#include "host/call_timing.h"
#include "host/standin_export.h"
#include "host/standin_host.h"
#include "plugin/host_functions.h"

namespace {

long long notImplemented(const char* name) {
  const standin::HostCallTimer timer;
  standin::recordCall(name);
  standin::say(std::string("[host] ") + name + " called: not implemented in the stand-in host");
  return 0;
}

}  // namespace

#define STANDIN_SKIP_CALLED(name, ...)
#define STANDIN_STUB_UNUSED(name)   \
  STANDIN_EXPORT long long name() { \
    return notImplemented(#name);   \
  }
FOLWYN_HOST_FUNCTIONS(STANDIN_SKIP_CALLED, STANDIN_STUB_UNUSED)
#undef STANDIN_SKIP_CALLED
#undef STANDIN_STUB_UNUSED
