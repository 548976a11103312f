#include "confounds/merged_name.h"

#include "design/path_names.h"

namespace {

std::string withSuffix(const std::string& path, const ConfoundSet* set, const char* plain,
                       const char* transformed) {
  if (set == nullptr) return path;
  return insertSuffixBeforeExtension(path, set->zTransformed ? transformed : plain);
}

}  // namespace

std::string mergedNameOfSelection(const std::string& sdmPath, const ConfoundSet* motion,
                                  const ConfoundSet* heartRate, const ConfoundSet* respiration) {
  // A path too short to take a suffix is refused even when no suffix is due.
  if (sdmPath.size() < 4) return insertSuffixBeforeExtension(sdmPath, "");
  std::string name = withSuffix(sdmPath, motion, "_3DMC", "_3DMC_z");
  name = withSuffix(name, heartRate, "_HR", "_HR_z");
  return withSuffix(name, respiration, "_RVT", "_RVT_z");
}

std::string mergedNameOfAll(const std::string& sdmPath, bool motionZTransformed) {
  return insertSuffixBeforeExtension(sdmPath,
                                     motionZTransformed ? "_3DMC_z_HR_z_RVT_z" : "_3DMC_HR_RVT");
}
