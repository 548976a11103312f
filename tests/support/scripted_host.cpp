#include "tests/support/scripted_host.h"

#include <cstring>

namespace {

ScriptedHost* active = nullptr;

ScriptedHost& host() {
  return *active;
}

void record(const std::string& call) {
  host().calls.push_back(call);
}

int showLogTab() {
  record("nzShowLogTab()");
  return 1;
}

int logText(const char* text) {
  host().log.push_back(text);
  return 1;
}

int messageBox(const char* text) {
  record(std::string("nzMessageBox(") + text + ")");
  host().messages.push_back(text);
  return 1;
}

int yesNo(const char* question) {
  record(std::string("nzYesNoMessageBox(") + question + ")");
  auto& answers = host().yesNoAnswers;
  if (answers.empty()) return 0;
  int answer = answers.front();
  answers.erase(answers.begin());
  return answer;
}

float floatInput(const char* prompt, float, float, float) {
  record(std::string("nzGetFloatInput(") + prompt + ")");
  return host().floatAnswer;
}

int openFileName(const char* caption, const char*, const char*, char* path) {
  record(std::string("nzGetOpenFileName(") + caption + ")");
  if (host().fileAnswer.empty()) return 0;
  std::strcpy(path, host().fileAnswer.c_str());
  return 1;
}

void* currentVmr(int*, int*, int*) {
  record("nzGetCurrentVMR()");
  static int document = 0;
  return host().haveVmr ? &document : nullptr;
}

int linkVtc(const char* path, int mode) {
  record(std::string("nzLinkVTCToCurrentVMR(") + path + "," + std::to_string(mode) + ")");
  auto found = host().linkResults.find(path);
  return found != host().linkResults.end() ? found->second : 1;
}

int getHeader(void* record_) {
  record("nzGetHeaderOfVTCOfCurrentVMR()");
  if (host().headerResult == 0) return 0;
  VtcHeader header{};
  std::memset(&header, 0xA5, sizeof header);
  header.numberOfVolumes = host().numberOfVolumes;
  std::memcpy(record_, &header, sizeof header);
  return host().headerResult;
}

int setHeader(void* record_) {
  const VtcHeader* header = static_cast<const VtcHeader*>(record_);
  host().headerProtocolNames.push_back(header->protocolFileName);
  record(std::string("nzSetHeaderOfVTCOfCurrentVMR(") + header->protocolFileName + ")");
  return 1;
}

int saveVtc(const char* path) {
  record(std::string("nzSaveVTCOfCurrentVMR(") + path + ")");
  return 1;
}

int clearProtocol() {
  record("nzClearProtocol()");
  return 1;
}

int getProtocol(void* info) {
  record("nzGetProtocol()");
  if (!host().haveProtocol) return 0;
  ProtocolInfo copy = host().protocol;
  copy.nrOfConditions = static_cast<int>(host().conditions.size());
  std::memcpy(info, &copy, sizeof copy);
  return 1;
}

int getCondition(int number, void* out) {
  record("nzGetProtocolCondition(" + std::to_string(number) + ")");
  if (number < 0 || number >= static_cast<int>(host().conditions.size())) return 0;
  ScriptedCondition& condition = host().conditions[static_cast<std::size_t>(number)];
  if (!condition.given) return 0;
  ProtocolCondition record_{};
  std::strncpy(record_.name, condition.name.c_str(), sizeof record_.name - 1);
  record_.nrOfIntervals = static_cast<int>(condition.starts.size());
  record_.intervalStarts = condition.starts.data();
  record_.intervalEnds = condition.ends.data();
  record_.color = condition.color;
  std::memcpy(out, &record_, sizeof record_);
  return 1;
}

int clearDesignMatrix() {
  record("nzClearDesignMatrix()");
  host().predictors.clear();
  host().predictorNames.clear();
  return 1;
}

int addPredictor(const char* name) {
  record(std::string("nzAddPredictor(") + name + ")");
  host().predictors.emplace_back(static_cast<std::size_t>(host().numberOfVolumes + 4), 0.0f);
  host().predictorNames.push_back(name);
  return 1;
}

int setFromCondition(const char* predictor, const char* condition, float value) {
  record(std::string("nzSetPredictorValuesFromConditionName(") + predictor + "," + condition + "," +
         std::to_string(value) + ")");
  return 1;
}

int twoGamma(const char* name) {
  record(std::string("nzApplyTwoGammaHRFToPredictorWithName(") + name + ")");
  return 1;
}

int boynton(const char* name) {
  record(std::string("nzApplyBoyntonHRFToPredictorWithName(") + name + ")");
  return 1;
}

float* getPredictor(int number) {
  record("nzGetPredictor(" + std::to_string(number) + ")");
  if (!host().predictorAvailable || number < 0 ||
      number >= static_cast<int>(host().predictors.size())) {
    return nullptr;
  }
  return host().predictors[static_cast<std::size_t>(number)].data();
}

int saveDesignMatrix(const char* name) {
  record(std::string("nzSaveSingleStudyGLMDesignMatrix(") + name + ")");
  host().savedNames.push_back(name);
  return host().saveResult;
}

int version(int* major, int* minor, int* sub) {
  *major = 2;
  *minor = 8;
  *sub = 0;
  return 1;
}

}  // namespace

ScriptedHost::ScriptedHost() : saved_(hostApi) {
  active = this;
  setProtocol("task.prt");
  hostApi = HostApi{};
  hostApi.nzGetVersionOfTarnwickNZ = version;
  hostApi.nzShowLogTab = showLogTab;
  hostApi.nzLogText = logText;
  hostApi.nzMessageBox = messageBox;
  hostApi.nzYesNoMessageBox = yesNo;
  hostApi.nzGetFloatInput = floatInput;
  hostApi.nzGetOpenFileName = openFileName;
  hostApi.nzGetCurrentVMR = currentVmr;
  hostApi.nzLinkVTCToCurrentVMR = linkVtc;
  hostApi.nzGetHeaderOfVTCOfCurrentVMR = getHeader;
  hostApi.nzSetHeaderOfVTCOfCurrentVMR = setHeader;
  hostApi.nzSaveVTCOfCurrentVMR = saveVtc;
  hostApi.nzClearProtocol = clearProtocol;
  hostApi.nzGetProtocol = getProtocol;
  hostApi.nzGetProtocolCondition = getCondition;
  hostApi.nzClearDesignMatrix = clearDesignMatrix;
  hostApi.nzAddPredictor = addPredictor;
  hostApi.nzSetPredictorValuesFromConditionName = setFromCondition;
  hostApi.nzApplyTwoGammaHRFToPredictorWithName = twoGamma;
  hostApi.nzApplyBoyntonHRFToPredictorWithName = boynton;
  hostApi.nzGetPredictor = getPredictor;
  hostApi.nzSaveSingleStudyGLMDesignMatrix = saveDesignMatrix;
}

ScriptedHost::~ScriptedHost() {
  hostApi = saved_;
  active = nullptr;
}

ScriptedHost& ScriptedHost::current() {
  return *active;
}

void ScriptedHost::setProtocol(const std::string& fileName, int timeResolution) {
  protocol = ProtocolInfo{};
  std::strncpy(protocol.fileName, fileName.c_str(), sizeof protocol.fileName - 1);
  std::strncpy(protocol.experimentName, "Localizer", sizeof protocol.experimentName - 1);
  protocol.timeResolution = timeResolution;
  protocol.backgroundColor = 0x000000;
  protocol.textColor = 0xFFFFFF;
  protocol.timeCourseColor = 0x00FF7F;
  protocol.timeCourseThickness = 3;
  protocol.referenceTimeCourseColor = 0xFF0000;
  protocol.referenceTimeCourseThickness = 2;
}

std::vector<std::string> ScriptedHost::callsOf(const std::string& name) const {
  std::vector<std::string> found;
  for (const std::string& call : calls) {
    if (call.compare(0, name.size() + 1, name + "(") == 0) found.push_back(call);
  }
  return found;
}
