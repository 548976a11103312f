// What a preview draws: a design matrix or a confound file exactly as the plug-in's own readers
// read it, with the design matrix's constant predictor, which those readers drop, kept and marked.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

// The text form of a file.
enum class PreviewForm { Sdm, Rtc };

// Which of the plug-in's readers reads the file.
enum class PreviewReader {
  Predictors,  // the heart-rate and respiration reader: every predictor, its colour and its name
  Motion,      // the motion reader: six estimates a row, names passed over
};

// The header values as the reader reported them in its header report, before it dropped a
// constant: the number of predictors counts the constant.
struct PreviewHeader {
  std::int32_t fileVersion = 0;
  std::int32_t nrOfPredictors = 0;
  std::int32_t nrOfDataPoints = 0;
  std::int32_t includesConstant = 0;  // RTC form: always 0
  std::int32_t firstConfound = 0;     // RTC form: always 1
};

struct PreviewPredictor {
  std::string name;                     // as read, quotes included; motion: a column label
  std::array<std::int32_t, 3> color{};  // red, green, blue as read (or the reader's own)
  std::vector<double> values;           // one per data point
  bool constant = false;                // the last predictor of a file that includes a constant
};

struct PreviewMatrix {
  std::string path;
  PreviewForm form = PreviewForm::Sdm;
  PreviewReader reader = PreviewReader::Predictors;
  PreviewHeader header;
  std::vector<PreviewPredictor> predictors;  // in file order; the constant, if any, last
};

// The form of path as the plug-in's confound stage takes it: RTC when ".rtc" occurs anywhere in
// it (case sensitive), SDM otherwise.
PreviewForm previewFormOfPath(const std::string& path);

// Reads the file at path in form with the plug-in's reader of that kind, logging into nothing
// but the preview. True with matrix filled when the reader read the file whole; then every
// predictor holds header.nrOfDataPoints values. A design matrix in the SDM form that includes a
// constant has the constant as its last predictor, marked, with its colour, name and values.
// False with error set to one sentence when the file does not open or the reader found it
// damaged (the reader's problem line and, when it got that far, its header report quoted).
bool readPreviewMatrix(const std::string& path, PreviewForm form, PreviewReader reader,
                       PreviewMatrix& matrix, std::string& error);

}  // namespace standin
