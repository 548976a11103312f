// The plug-in classes: binding and version check in initPlugin, one batch run in execute.
#include "batch/batch_driver.h"
#include "plugin/folwyn_plugin.h"
#include "plugin/host_api.h"
#include "plugin/host_services.h"
#include "plugin/run_requirements.h"
#include "plugin/version_check.h"

TWNZPluginInterface::TWNZPluginInterface() = default;
TWNZPluginInterface::TWNZPluginInterface(const TWNZPluginInterface&) = default;
TWNZPluginInterface& TWNZPluginInterface::operator=(const TWNZPluginInterface&) {
  return *this;
}
TWNZPluginInterface::~TWNZPluginInterface() = default;

Folwyn::Folwyn() = default;
Folwyn::~Folwyn() = default;

bool Folwyn::initPlugin() {
  if (!bindHostApi()) return false;
  int major = 0;
  int minor = 0;
  int sub = 0;
  hostApi.nzGetVersionOfTarnwickNZ(&major, &minor, &sub);
  if (isVersionAtLeast(major, minor, sub, 2, 8, 0)) return true;
  if (hostApi.nzMessageBox != nullptr) {
    hostApi.nzMessageBox(
        "Can not execute this plugin - Tarnwick NZ version 2.8 or higher required.");
  }
  return false;
}

bool Folwyn::execute() {
  // A host that lacks a function the run calls would crash the user's session mid-run: refuse
  // before calling anything.
  if (const char* missing = firstMissingRunFunction()) {
    if (hostApi.nzMessageBox != nullptr) {
      char message[kDriverLineSize];
      formatText(message, sizeof message,
                 "Can not execute this plugin - the host lacks the function %s.", {missing});
      hostApi.nzMessageBox(message);
    }
    return false;
  }
  // No exception may cross into the host: it would end the user's session.
  try {
    return runBatch();
  } catch (...) {
    logText("Unexpected error: the run was stopped.");
    logText("Finished.\n");
    return true;
  }
}
