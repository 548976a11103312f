// The host's version, as configured on the command line.
#include "host/call_timing.h"
#include "host/standin_export.h"
#include "host/standin_host.h"

STANDIN_EXPORT int nzGetVersionOfTarnwickNZ(int* major, int* minor, int* sub) {
  const standin::HostCallTimer timer;
  const standin::HostConfig& config = standin::hostConfig();
  if (major != nullptr) *major = config.versionMajor;
  if (minor != nullptr) *minor = config.versionMinor;
  if (sub != nullptr) *sub = config.versionSub;
  standin::recordCall("nzGetVersionOfTarnwickNZ");
  return 1;
}
