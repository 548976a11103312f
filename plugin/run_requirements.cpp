#include "plugin/run_requirements.h"

#include "plugin/host_api.h"

const char* firstMissingRunFunction() {
  // Every entry the plug-in calls is a CALLED entry of the list. The version function is among
  // them: it is bound whenever initPlugin succeeded, so it only stops a run without initPlugin.
#define FOLWYN_CHECK_ENTRY(name, ...) \
  if (hostApi.name == nullptr) return #name;
#define FOLWYN_SKIP_ENTRY(name)
  FOLWYN_HOST_FUNCTIONS(FOLWYN_CHECK_ENTRY, FOLWYN_SKIP_ENTRY)
#undef FOLWYN_CHECK_ENTRY
#undef FOLWYN_SKIP_ENTRY
  return nullptr;
}
