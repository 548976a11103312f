#include "confounds/confound_stage.h"

#include "confounds/confound_merge.h"
#include "plugin/host_services.h"

namespace {

// Room for "Adding %s for SDM..." with the longest entry, so that no path is cut in the log.
constexpr std::size_t kAddingLineSize = kPathSize + 32;

// The path of the last entry of one kind, if the group has one.
struct PickedFile {
  bool present = false;
  std::string path;

  void take(const ListEntry& entry) {
    present = true;
    path = entry.path;
    logFormatted<kAddingLineSize>("Adding %s for SDM...", {path.c_str()});
  }
};

}  // namespace

void runConfoundStage(std::span<const ListEntry> confoundEntries, const std::string& sdmName,
                      bool applyZTransform) {
  try {
    if (confoundEntries.empty() || sdmName.empty()) {
      logText("No confounds found for this protocol.");
      return;
    }
    PickedFile motion;
    PickedFile heartRate;
    PickedFile respiration;
    for (const ListEntry& entry : confoundEntries) {
      switch (entry.kind) {
        case MotionEntry:
          motion.take(entry);
          break;
        case HeartRateEntry:
          heartRate.take(entry);
          break;
        case RespirationEntry:
          respiration.take(entry);
          break;
        default:
          break;
      }
    }
    if (motion.present && heartRate.present && respiration.present) {
      mergeAllConfounds(sdmName, motion.path.c_str(), heartRate.path.c_str(),
                        respiration.path.c_str(), applyZTransform);
    } else if (motion.present || heartRate.present || respiration.present) {
      mergeConfounds(sdmName, motion.path.c_str(), heartRate.path.c_str(), respiration.path.c_str(),
                     applyZTransform, motion.present, heartRate.present, respiration.present);
    } else {
      logText("No confounds found for this protocol.");
    }
  } catch (...) {
    // Only storage for a path can fail here; the group goes on without a merge.
    logText(
        "Error while converting PRT to SDM with any of 3DMC, heart rate and respiration files.");
  }
}
