// The stand-in host's documents: the current anatomical document, the VTC linked to it, the
// current protocol and the design matrix, and the host functions that reach them. Every call is
// recorded in the call journal with its arguments and its result.
#include "host/documents.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/call_timing.h"
#include "host/design_matrix.h"
#include "host/document_functions.h"
#include "host/hrf.h"
#include "host/native_path.h"
#include "host/protocol_file.h"
#include "host/protocol_records.h"
#include "host/sdm_writer.h"
#include "host/standin_host.h"
#include "host/vtc_file.h"

namespace standin {
namespace {

namespace fs = std::filesystem;

struct AnatomicalDocument {
  std::string path;
};

struct LinkedVtc {
  std::string path;
  VtcFile file;
};

struct CurrentProtocol {
  std::string fileName;  // as named in the VTC header
  Protocol protocol;
};

struct Documents {
  std::optional<AnatomicalDocument> anatomical;
  std::optional<LinkedVtc> vtc;
  // Held by pointer so that the interval arrays handed out never move while it is current.
  std::unique_ptr<CurrentProtocol> protocol;
  DesignMatrix matrix;
};

Documents& documents() {
  static Documents state;
  return state;
}

std::string textOf(const char* text) {
  return text != nullptr ? text : "(null)";
}

int journal(const char* function, std::vector<std::string> arguments, int result) {
  arguments.push_back(std::to_string(result));
  recordCall(function, arguments);
  return result;
}

// The protocol named name: in the VTC's folder, else in the anatomical document's folder. The
// first file found is the one; when it is damaged no protocol becomes current.
std::unique_ptr<CurrentProtocol> findProtocol(const std::string& name) {
  if (name.empty()) {
    say("[host] the VTC header names no protocol");
    return nullptr;
  }
  std::vector<fs::path> folders;
  if (documents().vtc) folders.push_back(nativePath(documents().vtc->path).parent_path());
  if (documents().anatomical) {
    folders.push_back(nativePath(documents().anatomical->path).parent_path());
  }
  for (const fs::path& folder : folders) {
    fs::path candidate = folder / nativePath(name);
    std::error_code ignored;
    if (!fs::is_regular_file(candidate, ignored)) continue;
    auto current = std::make_unique<CurrentProtocol>();
    std::string error;
    if (!readProtocolFile(narrowPath(candidate), current->protocol, error)) {
      say("[host] protocol refused: " + error);
      return nullptr;
    }
    current->fileName = name;
    say("[host] protocol " + name + " taken from " + narrowPath(candidate) + " (" +
        std::to_string(current->protocol.conditions.size()) + " conditions)");
    return current;
  }
  say("[host] protocol " + name + " not found beside the VTC or the anatomical document");
  return nullptr;
}

const Condition* findCondition(const std::string& name) {
  if (!documents().protocol) return nullptr;
  for (const Condition& condition : documents().protocol->protocol.conditions) {
    if (condition.name == name) return &condition;
  }
  return nullptr;
}

int applyHrf(const char* function, const char* name, HrfShape shape) {
  Predictor* predictor = name != nullptr ? documents().matrix.findLast(name) : nullptr;
  if (predictor == nullptr || !predictor->boxcar) return journal(function, {textOf(name)}, 0);
  convolveBoxcar(*predictor->boxcar, shape, predictor->values);
  return journal(function, {textOf(name)}, 1);
}

}  // namespace

bool openAnatomicalDocument(const std::string& vmrPath, std::string& error) {
  if (vmrPath.empty()) {
    documents().anatomical.reset();
    return true;
  }
  std::error_code ignored;
  if (!fs::is_regular_file(nativePath(vmrPath), ignored) ||
      !std::ifstream(vmrPath, std::ios::binary)) {
    error = "no readable anatomical document at " + vmrPath;
    return false;
  }
  documents().anatomical = AnatomicalDocument{vmrPath};
  say("[host] anatomical document " + vmrPath + " is current");
  return true;
}

void closeAllDocuments() {
  documents().anatomical.reset();
  documents().vtc.reset();
  documents().protocol.reset();
  documents().matrix.clear();
}

}  // namespace standin

using standin::documents;
using standin::journal;
using standin::textOf;

STANDIN_EXPORT void* nzGetCurrentVMR(int* dimX, int* dimY, int* dimZ) {
  const standin::HostCallTimer timer;
  for (int* dimension : {dimX, dimY, dimZ}) {
    if (dimension != nullptr) *dimension = 0;
  }
  auto& anatomical = documents().anatomical;
  standin::recordCall("nzGetCurrentVMR", {anatomical ? anatomical->path : "null"});
  return anatomical ? &*anatomical : nullptr;
}

STANDIN_EXPORT int nzLinkVTCToCurrentVMR(const char* path, int mode) {
  const standin::HostCallTimer timer;
  std::vector<std::string> arguments = {textOf(path), std::to_string(mode)};
  if (!documents().anatomical) {
    standin::say("[host] cannot link a VTC: no anatomical document is current");
    return journal("nzLinkVTCToCurrentVMR", arguments, 0);
  }
  documents().vtc.reset();
  standin::LinkedVtc linked;
  std::string error = "no path given";
  if (path == nullptr || !standin::readVtcFile(path, linked.file, error)) {
    standin::say("[host] cannot link VTC: " + error);
    return journal("nzLinkVTCToCurrentVMR", arguments, 0);
  }
  linked.path = path;
  standin::say("[host] linked VTC " + linked.path + " (" +
               std::to_string(standin::vtcVolumes(linked.file.header)) + " volumes, TR " +
               standin::numberText(standin::vtcRepetitionTime(linked.file.header)) + " ms)");
  documents().vtc = std::move(linked);
  return journal("nzLinkVTCToCurrentVMR", arguments, 1);
}

STANDIN_EXPORT int nzGetHeaderOfVTCOfCurrentVMR(void* header) {
  const standin::HostCallTimer timer;
  if (header == nullptr || !documents().vtc) return journal("nzGetHeaderOfVTCOfCurrentVMR", {}, 0);
  std::memcpy(header, documents().vtc->file.header.data(), standin::kVtcHeaderSize);
  return journal("nzGetHeaderOfVTCOfCurrentVMR", {}, 1);
}

STANDIN_EXPORT int nzSetHeaderOfVTCOfCurrentVMR(void* header) {
  const standin::HostCallTimer timer;
  if (header == nullptr || !documents().vtc) return journal("nzSetHeaderOfVTCOfCurrentVMR", {}, 0);
  standin::VtcHeaderBytes bytes;
  std::memcpy(bytes.data(), header, standin::kVtcHeaderSize);
  std::string error;
  if (!standin::checkVtcHeader(bytes, error)) {
    standin::say("[host] VTC header refused: " + error);
    return journal("nzSetHeaderOfVTCOfCurrentVMR", {}, 0);
  }
  documents().vtc->file.header = bytes;
  std::string name = standin::vtcProtocolName(bytes);
  documents().protocol = standin::findProtocol(name);
  return journal("nzSetHeaderOfVTCOfCurrentVMR", {std::to_string(standin::vtcVolumes(bytes)), name},
                 1);
}

STANDIN_EXPORT int nzSaveVTCOfCurrentVMR(const char* path) {
  const standin::HostCallTimer timer;
  if (path == nullptr || !documents().vtc) {
    return journal("nzSaveVTCOfCurrentVMR", {textOf(path)}, 0);
  }
  std::string error;
  if (!standin::writeVtcFile(path, documents().vtc->file, error)) {
    standin::say("[host] cannot save VTC: " + error);
    return journal("nzSaveVTCOfCurrentVMR", {path}, 0);
  }
  standin::say(std::string("[host] saved VTC ") + path);
  return journal("nzSaveVTCOfCurrentVMR", {path}, 1);
}

STANDIN_EXPORT int nzClearProtocol() {
  const standin::HostCallTimer timer;
  documents().protocol.reset();
  return journal("nzClearProtocol", {}, 1);
}

STANDIN_EXPORT int nzGetProtocol(void* info) {
  const standin::HostCallTimer timer;
  const auto& current = documents().protocol;
  if (info == nullptr || !current) return journal("nzGetProtocol", {}, 0);
  standin::fillProtocolInfo(current->protocol, current->fileName,
                            *static_cast<standin::ProtocolInfo*>(info));
  return journal("nzGetProtocol", {current->fileName}, 1);
}

STANDIN_EXPORT int nzGetProtocolCondition(int index, void* condition) {
  const standin::HostCallTimer timer;
  const auto& current = documents().protocol;
  std::vector<std::string> arguments = {std::to_string(index)};
  if (condition == nullptr || !current || index < 0 ||
      static_cast<std::size_t>(index) >= current->protocol.conditions.size()) {
    return journal("nzGetProtocolCondition", arguments, 0);
  }
  standin::fillProtocolCondition(current->protocol.conditions[static_cast<std::size_t>(index)],
                                 *static_cast<standin::ProtocolCondition*>(condition));
  return journal("nzGetProtocolCondition", arguments, 1);
}

STANDIN_EXPORT int nzClearDesignMatrix() {
  const standin::HostCallTimer timer;
  documents().matrix.clear();
  return journal("nzClearDesignMatrix", {}, 1);
}

STANDIN_EXPORT int nzAddPredictor(const char* name) {
  const standin::HostCallTimer timer;
  if (name == nullptr || !documents().vtc) return journal("nzAddPredictor", {textOf(name)}, 0);
  std::int32_t volumes = standin::vtcVolumes(documents().vtc->file.header);
  documents().matrix.add(name, static_cast<std::size_t>(volumes));
  return journal("nzAddPredictor", {name}, 1);
}

STANDIN_EXPORT int nzSetPredictorValuesFromConditionName(const char* predictorName,
                                                         const char* conditionName, float value) {
  const standin::HostCallTimer timer;
  std::vector<std::string> arguments = {textOf(predictorName), textOf(conditionName),
                                        standin::numberText(value)};
  if (predictorName == nullptr || conditionName == nullptr || !documents().vtc) {
    return journal("nzSetPredictorValuesFromConditionName", arguments, 0);
  }
  standin::Predictor* predictor = documents().matrix.findLast(predictorName);
  const standin::Condition* condition = standin::findCondition(conditionName);
  if (predictor == nullptr || condition == nullptr) {
    return journal("nzSetPredictorValuesFromConditionName", arguments, 0);
  }
  predictor->boxcar =
      standin::makeBoxcar(*condition, documents().protocol->protocol.timeUnit,
                          standin::vtcRepetitionTime(documents().vtc->file.header), value);
  standin::sampleBoxcar(*predictor->boxcar, predictor->values);
  predictor->color = condition->color;
  return journal("nzSetPredictorValuesFromConditionName", arguments, 1);
}

STANDIN_EXPORT int nzApplyTwoGammaHRFToPredictorWithName(const char* name) {
  const standin::HostCallTimer timer;
  return standin::applyHrf("nzApplyTwoGammaHRFToPredictorWithName", name,
                           standin::HrfShape::TwoGamma);
}

STANDIN_EXPORT int nzApplyBoyntonHRFToPredictorWithName(const char* name) {
  const standin::HostCallTimer timer;
  return standin::applyHrf("nzApplyBoyntonHRFToPredictorWithName", name,
                           standin::HrfShape::Boynton);
}

STANDIN_EXPORT float* nzGetPredictor(int index) {
  const standin::HostCallTimer timer;
  standin::Predictor* predictor = documents().matrix.at(index);
  standin::recordCall("nzGetPredictor", {std::to_string(index), predictor ? "values" : "null"});
  return predictor != nullptr ? predictor->values.data() : nullptr;
}

STANDIN_EXPORT int nzSaveSingleStudyGLMDesignMatrix(const char* path) {
  const standin::HostCallTimer timer;
  std::string error = "no file name given";
  if (path == nullptr || !standin::writeSdmFile(path, documents().matrix, error)) {
    standin::say("[host] cannot save the design matrix " + textOf(path) + ": " + error);
    return journal("nzSaveSingleStudyGLMDesignMatrix", {textOf(path)}, 0);
  }
  const auto& predictors = documents().matrix.predictors();
  standin::say(std::string("[host] saved design matrix ") + path + " (" +
               std::to_string(predictors.size()) + " predictors, " +
               std::to_string(predictors.front().values.size()) + " data points)");
  return journal("nzSaveSingleStudyGLMDesignMatrix", {path}, 1);
}
