#include "design/path_names.h"

#include <cstring>
#include <stdexcept>

#include "plugin/text_format.h"

std::optional<std::string> extractFileName(const char* path, bool withoutExtension,
                                           bool appendDash) {
  if (path == nullptr || path[0] == '\0') return std::nullopt;
  const std::string text(path);
  const char separator = text.find('/') != std::string::npos ? '/' : '\\';
  const std::size_t lastSeparator = text.rfind(separator);
  std::string name = lastSeparator == std::string::npos ? text : text.substr(lastSeparator + 1);
  if (withoutExtension) {
    const std::size_t mark = name.rfind('.');
    // A "." in the name's first position (".prt") is no extension mark: the name stays whole.
    if (mark != std::string::npos && mark > 0) name.erase(mark);
  }
  if (appendDash) name += '-';
  return name;
}

std::string removeExtension(const char* path) {
  if (path == nullptr || path[0] == '\0') return "''";
  const std::string text(path);
  const std::size_t mark = text.rfind('.');
  if (mark == std::string::npos) return text;
  return text.substr(0, mark);
}

std::string composeTargetName(const std::string& basePath, const std::string& name,
                              char separator) {
  const std::size_t tailLength = basePath.size() < 3 ? basePath.size() : 3;
  const std::string tail = basePath.substr(basePath.size() - tailLength);
  return removeExtension(basePath.c_str()) + separator + name + "." + tail;
}

std::string insertSuffixBeforeExtension(const std::string& path, const std::string& suffix) {
  if (path.size() < 4) {
    throw std::out_of_range("insertSuffixBeforeExtension: path shorter than four characters");
  }
  const std::size_t split = path.size() - 4;
  return path.substr(0, split) + suffix + path.substr(split);
}

namespace {

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

}  // namespace

int hexColorComponent(const char* colorText, int component) {
  if (component < 1 || component > 3 || colorText == nullptr) return 0;
  const std::size_t first = static_cast<std::size_t>(component - 1) * 2;
  // Never read past the text's end: a missing character counts 0.
  const std::size_t length = strnlen(colorText, first + 2);
  const int high = first < length ? hexDigitValue(colorText[first]) : 0;
  const int low = first + 1 < length ? hexDigitValue(colorText[first + 1]) : 0;
  return 16 * high + low;
}

void appendColorComponents(char* report, std::size_t reportSize, int color, const char* format) {
  // "%06X" of a value above 0xFFFFFF (or negative) has up to eight digits; the buffer fits them.
  char colorText[16];
  formatText(colorText, sizeof colorText, "%06X", {color});
  appendFormatted(report, reportSize, format,
                  {hexColorComponent(colorText, 1), hexColorComponent(colorText, 2),
                   hexColorComponent(colorText, 3)});
}
