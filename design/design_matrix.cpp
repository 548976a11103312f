#include "design/design_matrix.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "design/path_names.h"
#include "design/protocol_records.h"
#include "plugin/host_services.h"

namespace {

// A host text field as a string, read no further than the field's size: the host may leave a
// field without its NUL.
template <std::size_t N>
std::string fieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

void composeProtocolReport(char* report, const ProtocolInfo& info) {
  formatText(report, kReportSize, "Protocol file name: %s\n", {fieldText(info.fileName).c_str()});
  appendFormatted(report, kReportSize, "Experiment name: %s\n",
                  {fieldText(info.experimentName).c_str()});
  appendFormatted(report, kReportSize, "Number of conditions: %d\n", {info.nrOfConditions});
  appendFormatted(report, kReportSize, "Time resolution: %s\n",
                  {info.timeResolution == 1 ? "volume" : "msec"});
  appendColorComponents(report, kReportSize, info.backgroundColor,
                        "Background color components: Red: %d Green: %d Blue: %d\n");
  appendColorComponents(report, kReportSize, info.referenceTimeCourseColor,
                        "Reference time course color components: Red: %d Green: %d Blue: %d\n");
  appendFormatted(report, kReportSize, "Reference time course pen thickness: %d\n",
                  {info.referenceTimeCourseThickness});
  appendColorComponents(report, kReportSize, info.textColor,
                        "Text color components: Red: %d Green: %d Blue: %d\n");
  appendColorComponents(report, kReportSize, info.timeCourseColor,
                        "Time course color components: Red: %d Green: %d Blue: %d\n");
  appendFormatted(report, kReportSize, "Time course pen thickness: %d\n",
                  {info.timeCourseThickness});
}

// Appends one condition's block to the report. False once the report is full: any further text
// would be cut away whole, so the intervals after that point are not even composed (a protocol
// may have millions of them).
bool appendConditionReport(char* report, int number, const ProtocolCondition& condition) {
  appendFormatted(report, kReportSize, "\nProtocol condition number: %d\n", {number + 1});
  appendFormatted(report, kReportSize, "Condition name: %s\n", {fieldText(condition.name).c_str()});
  appendFormatted(report, kReportSize, "Number of intervals: %d\n", {condition.nrOfIntervals});
  for (int j = 0; j < condition.nrOfIntervals; ++j) {
    if (appendFormatted(report, kReportSize, "Interval nr %d: From: %d to %d\n",
                        {j + 1, condition.intervalStarts[j], condition.intervalEnds[j]}) >=
        kReportSize - 1) {
      return false;
    }
  }
  appendColorComponents(report, kReportSize, condition.color, "Red: %d Green: %d Blue: %d\n");
  return strnlen(report, kReportSize) < kReportSize - 1;
}

// The name under which the design matrix is saved, composed from the VTC path and the
// protocol's file name.
std::string designMatrixNameFor(const char* vtcPath, const std::string& protocolFileName) {
  if (vtcPath != nullptr && vtcPath[0] != '\0') {
    // An empty protocol file name gives an empty protocol name.
    std::string protocolName =
        extractFileName(protocolFileName.c_str(), true, false).value_or(std::string());
    std::string target = composeTargetName(vtcPath, protocolName, '_');
    return removeExtension(target.c_str()) + ".sdm";
  }
  return removeExtension(protocolFileName.c_str()) + ".sdm";
}

}  // namespace

bool createDesignMatrixFromProtocol(int hrfKind, bool report, float predictorValue,
                                    bool skipFirstCondition, bool addConstant, int numberOfVolumes,
                                    char* designMatrixName, const char* vtcPath) {
  ProtocolInfo info{};
  if (hostApi.nzGetProtocol(&info) != 1) {
    logText("The stimulation protocol could not be retrieved.\nPlease load a protocol first.");
    return false;
  }
  const std::string protocolFileName = fieldText(info.fileName);
  const int conditionCount = info.nrOfConditions > 0 ? info.nrOfConditions : 0;

  auto reportText = std::make_unique<char[]>(kReportSize);
  composeProtocolReport(reportText.get(), info);
  if (report) logText(reportText.get());

  logText("Reading protocol conditions...");
  std::vector<ProtocolCondition> conditions(static_cast<std::size_t>(conditionCount));
  // A condition the host does not give gets no predictor.
  std::vector<bool> given(conditions.size(), false);
  formatText(reportText.get(), kReportSize, "Conditions:\n", {});
  bool reportFull = false;
  for (int k = 0; k < conditionCount; ++k) {
    ProtocolCondition& condition = conditions[static_cast<std::size_t>(k)];
    condition = ProtocolCondition{};
    if (hostApi.nzGetProtocolCondition(k, &condition) == 0) continue;
    given[static_cast<std::size_t>(k)] = true;
    if (!reportFull) reportFull = !appendConditionReport(reportText.get(), k, condition);
  }
  if (report) logText(reportText.get());

  hostApi.nzClearDesignMatrix();
  const bool twoGamma = hrfKind == 1;
  logFormatted<kDriverLineSize>(
      "Applying %s with predictor value: %f...",
      {twoGamma ? "2-gamma HRF" : "Boynton HRF", static_cast<double>(predictorValue)});

  int predictorsAdded = 0;
  for (int k = skipFirstCondition ? 1 : 0; k < conditionCount; ++k) {
    if (!given[static_cast<std::size_t>(k)]) continue;
    const std::string name = fieldText(conditions[static_cast<std::size_t>(k)].name);
    hostApi.nzAddPredictor(name.c_str());
    hostApi.nzSetPredictorValuesFromConditionName(name.c_str(), name.c_str(), predictorValue);
    if (twoGamma) {
      hostApi.nzApplyTwoGammaHRFToPredictorWithName(name.c_str());
    } else {
      hostApi.nzApplyBoyntonHRFToPredictorWithName(name.c_str());
    }
    ++predictorsAdded;
  }

  if (addConstant) {
    logText("Adding constant predictor...");
    hostApi.nzAddPredictor("Constant");
    const int constant = predictorsAdded;
    logFormatted<256>("Try to fill predictor number %d (constant).", {constant + 1});
    float* values = hostApi.nzGetPredictor(constant);
    if (values == nullptr) {
      logText("Constant predictor not available.");
    } else {
      for (int i = 0; i < numberOfVolumes; ++i) values[i] = 1.0f;
    }
  }

  const std::string name = designMatrixNameFor(vtcPath, protocolFileName);
  char saveName[kDesignMatrixNameSize];
  if (!copyWhole(saveName, sizeof saveName, name.c_str())) {
    // A cut name would save the design matrix under another file's name.
    logText("Design matrix name too long: not saved.");
    designMatrixName[0] = '\0';
    return false;
  }
  const bool saved = hostApi.nzSaveSingleStudyGLMDesignMatrix(saveName) != 0;
  logText(saved ? "Saving of design matrix succeeded."
                : "Saving of design matrix did not succeed.");
  std::memcpy(designMatrixName, saveName, std::strlen(saveName) + 1);
  return saved;
}
