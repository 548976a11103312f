#include "bench/silent_host.h"

#include "plugin/host_api.h"

namespace bench {
namespace {

int dropLogEntry(const char*) {
  return 1;
}

}  // namespace

void installSilentHost() {
  hostApi.nzLogText = dropLogEntry;
}

}  // namespace bench
