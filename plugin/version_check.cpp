#include "plugin/version_check.h"

bool isVersionAtLeast(int major, int minor, int sub, int requiredMajor, int requiredMinor,
                      int requiredSub) {
  if (major != requiredMajor) return major > requiredMajor;
  if (minor != requiredMinor) return minor > requiredMinor;
  return sub >= requiredSub;
}
