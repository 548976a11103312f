#include "batch/batch_driver.h"

#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "batch/file_list.h"
#include "batch/run_options.h"
#include "batch/vtc_header.h"
#include "confounds/confound_stage.h"
#include "design/design_matrix.h"
#include "design/path_names.h"
#include "plugin/host_services.h"

namespace {

void logLine(const char* format, std::initializer_list<FormatArg> args) {
  logFormatted<kDriverLineSize>(format, args);
}

// Asks the run's questions and logs each answer. False when the predictor prompt was cancelled;
// the other questions are asked all the same.
bool askRunOptions(RunOptions& options) {
  options.hrfKind = hostApi.nzYesNoMessageBox(
      "Would you like to apply the 2-gamma HRF (click 'Yes') or the Boynton HRF (click 'No')?");
  logLine("HRF function: %s", {options.hrfKind == TwoGamma ? "2-gamma" : "Boynton"});

  options.predictorValue =
      hostApi.nzGetFloatInput("Please enter the value for the predictor:", 1.0f, -100.0f, 100.0f);
  const bool cancelled = options.predictorValue == kCancelledPredictorValue;
  logLine("Predictor value: %f", {static_cast<double>(options.predictorValue)});

  options.skipFirstCondition =
      hostApi.nzYesNoMessageBox(
          "Skip first condition of protocol for creation of design matrix (if this is the "
          "fixation condition)?") != 0;
  logLine("Set to skip first condition: %s", {options.skipFirstCondition ? "yes" : "no"});

  options.applyZTransform =
      hostApi.nzYesNoMessageBox("Would you like to z-transform the confound(s)?") != 0;
  logLine("z-transform the confound(s): %s", {options.applyZTransform ? "yes" : "no"});
  return !cancelled;
}

// One protocol group: the protocol entry at position p and the entries after it, up to end.
// True when its design matrix was saved.
bool convertGroup(const std::vector<ListEntry>& list, std::size_t p, std::size_t end,
                  const RunOptions& options) {
  if (p + 1 >= end || list[p + 1].kind != VtcEntry) {
    logText("No VTC file found for PRT");
    return false;
  }
  char vtcPath[kPathSize];
  copyWhole(vtcPath, sizeof vtcPath, list[p + 1].path.c_str());
  logLine("\nLoad %s to VMR...", {vtcPath});

  if (hostApi.nzLinkVTCToCurrentVMR(vtcPath, 1) != 1) {
    logText("Did not succeed in linking and generating.");
    return false;
  }
  VtcHeader header{};
  if (hostApi.nzGetHeaderOfVTCOfCurrentVMR(&header) == 0) {
    logText("Not able to retrieve VTC header information.");
    return false;
  }
  hostApi.nzClearProtocol();
  hostApi.nzClearDesignMatrix();

  const std::string protocolFileName =
      extractFileName(list[p].path.c_str(), false, false).value_or(std::string());
  if (!copyWhole(header.protocolFileName, sizeof header.protocolFileName,
                 protocolFileName.c_str())) {
    // A cut name would tie another protocol to the VTC.
    logLine("Protocol file name too long for the VTC header: %s", {protocolFileName.c_str()});
    return false;
  }
  hostApi.nzSetHeaderOfVTCOfCurrentVMR(&header);
  logLine("Linking %s to VTC...", {protocolFileName.c_str()});

  char designMatrixName[kDesignMatrixNameSize] = "";
  const bool saved = createDesignMatrixFromProtocol(
      options.hrfKind, true, options.predictorValue, options.skipFirstCondition, true,
      header.numberOfVolumes, designMatrixName, vtcPath);
  hostApi.nzSaveVTCOfCurrentVMR(vtcPath);
  logLine("New SDM name: %s", {designMatrixName});

  if (saved) {
    std::span<const ListEntry> confounds(list.data() + p + 2, end - (p + 2));
    runConfoundStage(confounds, designMatrixName, options.applyZTransform);
  } else {
    // Never merge into a design matrix left by an earlier run.
    logText("No design matrix saved for this protocol: confounds not merged.");
  }
  return saved;
}

// Converts every protocol group of the list and logs the closing line of the whole run.
void convertList(const char* listPath, const RunOptions& options) {
  int declaredCount = 0;
  std::vector<std::string> words;
  if (!readFileList(listPath, declaredCount, words)) return;
  logLine("Generating SDM(s) from: %s", {listPath});

  std::vector<ListEntry> list;
  std::vector<std::size_t> protocols;
  list.reserve(words.size());
  for (std::string& word : words) {
    ListEntryKind kind = classifyListEntry(word);
    if (kind == ProtocolEntry) protocols.push_back(list.size());
    list.push_back(ListEntry{std::move(word), kind});
  }
  if (protocols.size() != static_cast<std::size_t>(declaredCount)) {
    logText("Warning: not all files have been properly read or classified.");
  }

  int failed = 0;
  for (std::size_t g = 0; g < protocols.size(); ++g) {
    const std::size_t end = g + 1 < protocols.size() ? protocols[g + 1] : list.size();
    if (!convertGroup(list, protocols[g], end, options)) ++failed;
  }

  const int total = static_cast<int>(protocols.size());
  if (total == 0) {
    logText("No protocol files (*.prt) found in the file list.");
  } else if (failed == 0) {
    logText("*.sdm file(s) available in the *.vtc file directory.");
  } else {
    logLine("Warning: %d of %d protocol(s) could not be converted.", {failed, total});
  }
}

}  // namespace

bool runBatch() {
  hostApi.nzShowLogTab();
  logText("\nfolwyn (v0.8.4)> Started...");
  int vmrDims[3] = {0, 0, 0};
  if (hostApi.nzGetCurrentVMR(&vmrDims[0], &vmrDims[1], &vmrDims[2]) == nullptr) {
    hostApi.nzMessageBox(
        "This plugin requires that a VMR document is available and selected in Tarnwick NZ.");
    logText("No VMR present, action cancelled.");
    return false;
  }

  RunOptions options;
  bool cancelled = !askRunOptions(options);
  char listPath[kPathSize] = "";
  if (!cancelled) {
    cancelled = hostApi.nzGetOpenFileName("Please select the file list", "",
                                          "PRT-VTC(-SDM) file list (*.txt)", listPath) == 0;
    listPath[kPathSize - 1] = '\0';
  }
  if (cancelled) {
    logText("Cancelled further operations.");
  } else {
    convertList(listPath, options);
  }
  logText("Finished.\n");
  return true;
}
