#include "host/preview_reader_log.h"

#include <charconv>
#include <cstdint>
#include <string_view>
#include <system_error>

namespace standin {
namespace {

// The object that takes the lines now; the log entry is a plain function without context.
ReaderLog* current = nullptr;

// Reads "LABEL: INTEGER" followed by a line end or the end of text from the front of text.
bool takeEntry(std::string_view& text, std::string_view label, std::int32_t& value) {
  if (text.substr(0, label.size()) != label) return false;
  text.remove_prefix(label.size());
  const char* end = text.data() + text.size();
  auto result = std::from_chars(text.data(), end, value);
  if (result.ec != std::errc()) return false;
  text.remove_prefix(static_cast<std::size_t>(result.ptr - text.data()));
  if (text.empty()) return true;
  if (text.front() != '\n') return false;
  text.remove_prefix(1);
  return true;
}

bool parseHeaderReport(std::string_view text, PreviewHeader& header) {
  PreviewHeader read;
  if (!takeEntry(text, "Fileversion: ", read.fileVersion) ||
      !takeEntry(text, "Nr of Predictors: ", read.nrOfPredictors) ||
      !takeEntry(text, "Nr of datapoints: ", read.nrOfDataPoints) ||
      !takeEntry(text, "Includes constant: ", read.includesConstant) ||
      !takeEntry(text, "First confound: ", read.firstConfound) || !text.empty()) {
    return false;
  }
  header = read;
  return true;
}

}  // namespace

ReaderLog::ReaderLog() : savedEntry_(hostApi.nzLogText), outer_(current) {
  current = this;
  hostApi.nzLogText = &ReaderLog::take;
}

ReaderLog::~ReaderLog() {
  hostApi.nzLogText = savedEntry_;
  current = outer_;
}

int ReaderLog::take(const char* text) {
  if (current != nullptr) current->lines_.emplace_back(text != nullptr ? text : "");
  return 1;
}

bool ReaderLog::headerReport(PreviewHeader& header) const {
  for (auto line = lines_.rbegin(); line != lines_.rend(); ++line) {
    if (parseHeaderReport(*line, header)) return true;
  }
  return false;
}

}  // namespace standin
