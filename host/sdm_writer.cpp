#include "host/sdm_writer.h"

#include <charconv>

#include "host/atomic_file.h"

namespace standin {
namespace {

constexpr std::string_view kConstantName = "Constant";
constexpr std::int32_t kConstantColor = 0xFFFFFF;
constexpr std::int32_t kUnfilledColor = 0x808080;

void appendInteger(std::string& text, long long value) {
  char digits[24];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  if (ec == std::errc()) text.append(digits, end);
}

void appendNumber(std::string& text, float value) {
  char digits[48];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  if (ec == std::errc()) text.append(digits, end);
}

void appendEntry(std::string& text, std::string_view key, long long value) {
  text += key;
  text += ": ";
  appendInteger(text, value);
  text += '\n';
}

std::int32_t colorOf(const Predictor& predictor) {
  if (predictor.color) return *predictor.color;
  return predictor.name == kConstantName ? kConstantColor : kUnfilledColor;
}

}  // namespace

bool formatSdm(const DesignMatrix& matrix, std::string& text, std::string& error) {
  const auto& predictors = matrix.predictors();
  if (predictors.empty()) {
    error = "the design matrix has no predictors";
    return false;
  }
  const std::size_t rows = predictors.front().values.size();
  for (const Predictor& predictor : predictors) {
    if (predictor.values.size() != rows) {
      error = "the predictors of the design matrix differ in length";
      return false;
    }
  }
  const long long count = static_cast<long long>(predictors.size());
  const bool hasConstant = predictors.back().name == kConstantName;

  std::string out;
  appendEntry(out, "FileVersion", 1);
  out += '\n';
  appendEntry(out, "NrOfPredictors", count);
  appendEntry(out, "NrOfDataPoints", static_cast<long long>(rows));
  appendEntry(out, "IncludesConstant", hasConstant ? 1 : 0);
  appendEntry(out, "FirstConfoundPredictor", hasConstant ? count : count + 1);
  out += '\n';

  for (std::size_t p = 0; p < predictors.size(); ++p) {
    std::int32_t color = colorOf(predictors[p]);
    if (p > 0) out += "   ";
    appendInteger(out, color >> 16 & 0xFF);
    out += ' ';
    appendInteger(out, color >> 8 & 0xFF);
    out += ' ';
    appendInteger(out, color & 0xFF);
  }
  out += '\n';
  for (std::size_t p = 0; p < predictors.size(); ++p) {
    if (p > 0) out += ' ';
    out += '"';
    out += predictors[p].name;
    out += '"';
  }
  out += '\n';
  for (std::size_t row = 0; row < rows; ++row) {
    for (std::size_t p = 0; p < predictors.size(); ++p) {
      if (p > 0) out += ' ';
      appendNumber(out, predictors[p].values[row]);
    }
    out += '\n';
  }
  text = std::move(out);
  return true;
}

bool writeSdmFile(const std::string& path, const DesignMatrix& matrix, std::string& error) {
  std::string text;
  return formatSdm(matrix, text, error) && writeFileAtomically(path, text, error);
}

}  // namespace standin
