#include "host/preview_matrix.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "confounds/confound_readers.h"
#include "host/preview_constant.h"
#include "host/preview_reader_log.h"

namespace standin {
namespace {

constexpr std::size_t kMotionColumns = 6;

// The motion reader passes over the names; the preview labels the six columns as the plug-in
// writes them into a merged design matrix.
constexpr std::array<std::string_view, kMotionColumns> kMotionLabels = {
    "translation X [mm]", "translation Y [mm]", "translation Z [mm]",
    "rotation X [deg]",   "rotation Y [deg]",   "rotation Z [deg]",
};

ConfoundSet readWithPluginReader(const std::string& path, PreviewForm form, PreviewReader reader) {
  const char* file = path.c_str();
  if (reader == PreviewReader::Motion) {
    return form == PreviewForm::Rtc ? readMotionRtc(file) : readMotionSdm(file);
  }
  // The kind only names the set; heart rate and respiration are read alike.
  return form == PreviewForm::Rtc ? readConfoundRtc(file, ConfoundKind::HeartRate)
                                  : readConfoundSdm(file, ConfoundKind::HeartRate);
}

// The reader's account of a damaged file: its problem line, and the header it read.
std::string damageReport(const ReaderLog& log) {
  std::string report = "the plug-in's reader found it damaged";
  if (!log.lines().empty()) report += " (\"" + log.lines().back() + "\")";
  PreviewHeader header;
  if (log.headerReport(header)) {
    report += "; its header reads " + std::to_string(header.nrOfPredictors) + " predictors, " +
              std::to_string(header.nrOfDataPoints) + " data points, includes constant " +
              std::to_string(header.includesConstant);
  }
  return report;
}

// True when the set holds all its counts promise, as a whole read leaves it.
bool holdsItsCounts(const ConfoundSet& set, PreviewReader reader) {
  if (set.nrOfPredictors < 0 || set.nrOfDataPoints < 0) return false;
  const auto rows = static_cast<std::size_t>(set.nrOfDataPoints);
  if (reader == PreviewReader::Motion) {
    for (const std::vector<double>& column : set.motionColumns) {
      if (column.size() != rows) return false;
    }
    return true;
  }
  const auto count = static_cast<std::size_t>(set.nrOfPredictors);
  if (set.colorTable.size() != count || set.predictorNames.size() != count ||
      set.columns.size() != count) {
    return false;
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (set.colorTable[i].size() != 3 || set.columns[i].size() != rows) return false;
  }
  return true;
}

void takeMotion(ConfoundSet& set, PreviewMatrix& matrix) {
  for (std::size_t i = 0; i < kMotionColumns; ++i) {
    PreviewPredictor predictor;
    predictor.name = kMotionLabels[i];
    predictor.color = set.motionColors[i];
    predictor.values = std::move(set.motionColumns[i]);
    matrix.predictors.push_back(std::move(predictor));
  }
}

void takePredictors(ConfoundSet& set, PreviewMatrix& matrix) {
  for (std::size_t i = 0; i < set.columns.size(); ++i) {
    PreviewPredictor predictor;
    predictor.name = set.predictorNames[i];
    const std::vector<std::int32_t>& color = set.colorTable[i];
    predictor.color = {color[0], color[1], color[2]};
    predictor.values = std::move(set.columns[i]);
    matrix.predictors.push_back(std::move(predictor));
  }
}

}  // namespace

PreviewForm previewFormOfPath(const std::string& path) {
  return path.find(".rtc") != std::string::npos ? PreviewForm::Rtc : PreviewForm::Sdm;
}

bool readPreviewMatrix(const std::string& path, PreviewForm form, PreviewReader reader,
                       PreviewMatrix& matrix, std::string& error) {
  ConfoundSet set;
  PreviewHeader header;
  {
    ReaderLog log;
    set = readWithPluginReader(path, form, reader);
    if (!set.fileOpened) {
      error = "the file cannot be opened";
      return false;
    }
    if (!set.readOk) {
      error = damageReport(log);
      return false;
    }
    if (!log.headerReport(header) || !holdsItsCounts(set, reader)) {
      error = "the plug-in's reader gave an incomplete account of it";
      return false;
    }
  }

  PreviewMatrix read;
  read.path = path;
  read.form = form;
  read.reader = reader;
  read.header = header;
  // The motion reader reads six estimates a row whatever the header says; the other reader
  // drops a constant that the header announces, which is then read on its own.
  const bool readsConstant = reader == PreviewReader::Predictors && form == PreviewForm::Sdm &&
                             header.includesConstant != 0;
  PreviewPredictor constant;
  if (readsConstant && !readConstantPredictor(path, header, set, constant, error)) return false;
  if (reader == PreviewReader::Motion) {
    takeMotion(set, read);
  } else {
    takePredictors(set, read);
  }
  if (readsConstant) read.predictors.push_back(std::move(constant));
  matrix = std::move(read);
  return true;
}

}  // namespace standin
