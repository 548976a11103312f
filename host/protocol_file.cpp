#include "host/protocol_file.h"

#include <charconv>
#include <fstream>
#include <optional>

namespace standin {
namespace {

// Larger files are refused before they are read; real protocols are a few kilobytes.
constexpr std::streamoff kMaxProtocolFileSize = 16 * 1024 * 1024;

std::string_view trim(std::string_view text) {
  const char* blanks = " \t\f\v";
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> result;
  std::size_t pos = 0;
  while (true) {
    pos = line.find_first_not_of(" \t\f\v", pos);
    if (pos == std::string_view::npos) break;
    std::size_t end = line.find_first_of(" \t\f\v", pos);
    if (end == std::string_view::npos) end = line.size();
    result.push_back(line.substr(pos, end - pos));
    pos = end;
  }
  return result;
}

std::optional<std::int32_t> integerOf(std::string_view word) {
  std::int32_t value = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// "r g b", each 0..255, as 0xRRGGBB.
std::optional<std::int32_t> colorOf(std::string_view value) {
  std::vector<std::string_view> parts = words(value);
  if (parts.size() != 3) return std::nullopt;
  std::int32_t color = 0;
  for (std::string_view part : parts) {
    std::optional<std::int32_t> component = integerOf(part);
    if (!component || *component < 0 || *component > 255) return std::nullopt;
    color = color << 8 | *component;
  }
  return color;
}

// The non-blank lines of a text, trimmed, with their line numbers. Line ends may be "\n",
// "\r\n" or "\r".
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  // The next non-blank line; false at the end of the text.
  bool next(std::string_view& line) {
    while (pos_ < text_.size()) {
      std::size_t end = text_.find_first_of("\r\n", pos_);
      if (end == std::string_view::npos) end = text_.size();
      std::string_view raw = text_.substr(pos_, end - pos_);
      pos_ = end;
      if (pos_ < text_.size()) {
        bool crlf = text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n';
        pos_ += crlf ? 2 : 1;
      }
      ++lineNumber_;
      line = trim(raw);
      if (!line.empty()) return true;
    }
    return false;
  }

  int lineNumber() const { return lineNumber_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int lineNumber_ = 0;
};

class ProtocolParser {
 public:
  explicit ProtocolParser(std::string_view text) : lines_(text) {}

  bool parse(Protocol& protocol, std::string& error) {
    std::int32_t count = 0;
    if (!parseHeader(protocol, count)) {
      error = error_;
      return false;
    }
    for (std::int32_t i = 0; i < count; ++i) {
      Condition condition;
      if (!parseCondition(i + 1, condition)) {
        error = error_;
        return false;
      }
      protocol.conditions.push_back(std::move(condition));
    }
    std::string_view line;
    if (lines_.next(line)) {
      error = at("more content than the " + std::to_string(count) + " declared conditions");
      return false;
    }
    return true;
  }

 private:
  std::string at(const std::string& message) const {
    return "line " + std::to_string(lines_.lineNumber()) + ": " + message;
  }

  bool fail(const std::string& message) {
    error_ = at(message);
    return false;
  }

  // Header entries up to and including NrOfConditions; entries of other keys are passed over.
  bool parseHeader(Protocol& protocol, std::int32_t& count) {
    std::string_view line;
    while (lines_.next(line)) {
      std::size_t colon = line.find(':');
      if (colon == std::string_view::npos) return fail("expected a header entry \"Key: value\"");
      std::string_view key = trim(line.substr(0, colon));
      std::string_view value = trim(line.substr(colon + 1));
      if (key == "NrOfConditions") {
        std::optional<std::int32_t> number = integerOf(value);
        if (!number || *number < 0) return fail("bad number of conditions");
        count = *number;
        return true;
      }
      if (!parseHeaderEntry(key, value, protocol)) return false;
    }
    return fail("no NrOfConditions entry");
  }

  bool parseHeaderEntry(std::string_view key, std::string_view value, Protocol& protocol) {
    if (key == "FileVersion") return takeInteger(value, protocol.fileVersion, key);
    if (key == "ResolutionOfTime") {
      if (equalsIgnoringCase(value, "Volumes")) {
        protocol.timeUnit = TimeUnit::Volumes;
      } else if (equalsIgnoringCase(value, "msec")) {
        protocol.timeUnit = TimeUnit::Milliseconds;
      } else {
        return fail("ResolutionOfTime must be Volumes or msec");
      }
      return true;
    }
    if (key == "Experiment") {
      if (value.size() > kMaxExperimentNameLength) return fail("experiment name too long");
      protocol.experimentName = std::string(value);
      return true;
    }
    if (key == "BackgroundColor") return takeColor(value, protocol.backgroundColor, key);
    if (key == "TextColor") return takeColor(value, protocol.textColor, key);
    if (key == "TimeCourseColor") return takeColor(value, protocol.timeCourseColor, key);
    if (key == "ReferenceFuncColor") return takeColor(value, protocol.referenceColor, key);
    if (key == "TimeCourseThick") return takeInteger(value, protocol.timeCourseThickness, key);
    if (key == "ReferenceFuncThick") return takeInteger(value, protocol.referenceThickness, key);
    return true;
  }

  bool takeInteger(std::string_view value, std::int32_t& field, std::string_view key) {
    std::optional<std::int32_t> number = integerOf(value);
    if (!number) return fail(std::string(key) + " needs an integer");
    field = *number;
    return true;
  }

  bool takeColor(std::string_view value, std::int32_t& field, std::string_view key) {
    std::optional<std::int32_t> color = colorOf(value);
    if (!color) return fail(std::string(key) + " needs three components 0..255");
    field = *color;
    return true;
  }

  bool parseCondition(std::int32_t number, Condition& condition) {
    const std::string which = "condition " + std::to_string(number);
    std::string_view line;
    if (!lines_.next(line)) return fail("the text ends before " + which);
    if (line.size() > kMaxConditionNameLength) return fail("name of " + which + " too long");
    condition.name = std::string(line);

    if (!lines_.next(line)) return fail("the text ends in " + which);
    std::optional<std::int32_t> intervals = integerOf(line);
    if (!intervals || *intervals < 0) return fail("bad number of intervals of " + which);
    for (std::int32_t i = 0; i < *intervals; ++i) {
      if (!lines_.next(line)) return fail("the text ends in the intervals of " + which);
      std::vector<std::string_view> parts = words(line);
      std::optional<std::int32_t> start = parts.size() == 2 ? integerOf(parts[0]) : std::nullopt;
      std::optional<std::int32_t> end = parts.size() == 2 ? integerOf(parts[1]) : std::nullopt;
      if (!start || !end) return fail("expected an interval \"start end\" of " + which);
      if (*start < 0 || *end < *start) return fail("negative or reversed interval in " + which);
      condition.starts.push_back(*start);
      condition.ends.push_back(*end);
    }

    if (!lines_.next(line)) return fail("the text ends before the colour of " + which);
    constexpr std::string_view kColorKey = "Color:";
    std::optional<std::int32_t> color;
    if (line.substr(0, kColorKey.size()) == kColorKey) {
      color = colorOf(line.substr(kColorKey.size()));
    }
    if (!color) return fail("expected \"Color: r g b\" for " + which);
    condition.color = *color;
    return true;
  }

  LineReader lines_;
  std::string error_;
};

}  // namespace

bool parseProtocol(std::string_view text, Protocol& protocol, std::string& error) {
  if (text.find('\0') != std::string_view::npos) {
    error = "the text holds a NUL byte";
    return false;
  }
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text.remove_prefix(kByteOrderMark.size());
  }
  Protocol parsed;
  if (!ProtocolParser(text).parse(parsed, error)) return false;
  protocol = std::move(parsed);
  return true;
}

bool readProtocolFile(const std::string& path, Protocol& protocol, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size < 0 || size > kMaxProtocolFileSize) {
    error = path + " is not a protocol of a readable size";
    return false;
  }
  std::string text(static_cast<std::size_t>(size), '\0');
  in.read(text.data(), size);
  if (in.gcount() != size) {
    error = "cannot read " + path;
    return false;
  }
  if (!parseProtocol(text, protocol, error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

}  // namespace standin
