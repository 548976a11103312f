#include "confounds/confound_merge.h"

#include <cstring>
#include <optional>

#include "confounds/confound_readers.h"
#include "confounds/confound_set.h"
#include "confounds/merged_writer.h"
#include "confounds/z_transform.h"
#include "plugin/host_services.h"

namespace {

// The form of a confound file by its path: RTC when ".rtc" occurs anywhere in it (case
// sensitive), SDM otherwise.
bool isRtcPath(const char* path) {
  return path != nullptr && std::strstr(path, ".rtc") != nullptr;
}

ConfoundSet readMotion(const char* path) {
  return isRtcPath(path) ? readMotionRtc(path) : readMotionSdm(path);
}

ConfoundSet readConfound(const char* path, ConfoundKind kind) {
  return isRtcPath(path) ? readConfoundRtc(path, kind) : readConfoundSdm(path, kind);
}

// The sets of one merge; a kind not selected has none.
struct MergeSets {
  std::optional<ConfoundSet> motion;
  std::optional<ConfoundSet> heartRate;
  std::optional<ConfoundSet> respiration;

  MergeSets(const char* motionPath, const char* heartRatePath, const char* respirationPath,
            bool useMotion, bool useHeartRate, bool useRespiration) {
    if (useMotion) motion = readMotion(motionPath);
    if (useHeartRate) heartRate = readConfound(heartRatePath, ConfoundKind::HeartRate);
    if (useRespiration) respiration = readConfound(respirationPath, ConfoundKind::Respiration);
  }
  ~MergeSets() {
    for (std::optional<ConfoundSet>* set : {&motion, &heartRate, &respiration}) {
      if (set->has_value()) releaseConfoundSet(**set);
    }
  }
  MergeSets(const MergeSets&) = delete;
  MergeSets& operator=(const MergeSets&) = delete;

  // True when every selected file opened and was read whole; logs the stop line otherwise: a
  // merge of a set that was not read would write a design matrix that silently lacks data.
  bool allSound() const {
    for (const std::optional<ConfoundSet>* set : {&motion, &heartRate, &respiration}) {
      if (set->has_value() && (!(*set)->fileOpened || !(*set)->readOk)) {
        logText("Confound file(s) could not be read: no merged design matrix written.");
        return false;
      }
    }
    return true;
  }

  void zTransform() {
    logText("z-transform predictor...");
    if (motion) zTransformMotion(*motion);
    if (heartRate) zTransformConfounds(*heartRate);
    if (respiration) zTransformConfounds(*respiration);
  }
};

const ConfoundSet* setOf(const std::optional<ConfoundSet>& set) {
  return set.has_value() ? &*set : nullptr;
}

}  // namespace

std::string mergeConfounds(const std::string& sdmPath, const char* motionPath,
                           const char* heartRatePath, const char* respirationPath, bool zTransform,
                           bool useMotion, bool useHeartRate, bool useRespiration) {
  try {
    MergeSets sets(motionPath, heartRatePath, respirationPath, useMotion, useHeartRate,
                   useRespiration);
    if (!sets.allSound()) return std::string();
    if (zTransform) sets.zTransform();
    return writeMergedDesignMatrix(sdmPath, setOf(sets.motion), setOf(sets.heartRate),
                                   setOf(sets.respiration), useMotion, useHeartRate,
                                   useRespiration);
  } catch (...) {
    logText(
        "Error while converting PRT to SDM with any of 3DMC, heart rate and respiration files.");
  }
  return std::string();
}

std::string mergeAllConfounds(const std::string& sdmPath, const char* motionPath,
                              const char* heartRatePath, const char* respirationPath,
                              bool zTransform) {
  try {
    MergeSets sets(motionPath, heartRatePath, respirationPath, true, true, true);
    if (!sets.allSound()) return std::string();
    if (zTransform) sets.zTransform();
    return writeMergedDesignMatrixAll(sdmPath, *sets.motion, *sets.heartRate, *sets.respiration);
  } catch (...) {
    logText("Error while converting PRT to SDM with 3DMC, heart rate and respiration files.");
  }
  return std::string();
}
