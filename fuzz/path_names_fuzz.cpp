// Fuzz target of the path and name helpers and of the composition of log lines into fixed
// buffers. The first byte picks the helper; the rest is its text (cut at the first NUL where the
// helper takes a C string). Every buffer handed over is allocated at its exact size, so that the
// address sanitizer sees any read or write past it.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "design/path_names.h"
#include "fuzz/fuzz_support.h"
#include "plugin/text_format.h"

namespace {

// text as a C string in storage of exactly its size.
std::unique_ptr<char[]> exactCopy(std::string_view text) {
  auto copy = std::make_unique<char[]>(text.size() + 1);
  std::memcpy(copy.get(), text.data(), text.size());
  copy[text.size()] = '\0';
  return copy;
}

void checkExtractFileName(const std::string& path, bool withoutExtension, bool appendDash) {
  auto text = exactCopy(path);
  const auto result = extractFileName(text.get(), withoutExtension, appendDash);
  fuzzCheck(result.has_value() == !path.empty(), "null exactly for the empty path");
  if (!result) return;
  const char separator = path.find('/') != std::string::npos ? '/' : '\\';
  const std::size_t last = path.rfind(separator);
  const std::string name = last == std::string::npos ? path : path.substr(last + 1);
  std::string got = *result;
  if (appendDash) {
    fuzzCheck(!got.empty() && got.back() == '-', "dash missing");
    got.pop_back();
  }
  if (!withoutExtension) {
    fuzzCheck(got == name, "file name");
    return;
  }
  const std::size_t mark = name.rfind('.');
  fuzzCheck(got == (mark != std::string::npos && mark > 0 ? name.substr(0, mark) : name),
            "file name without extension");
}

void checkRemoveExtension(const std::string& path) {
  auto text = exactCopy(path);
  const std::string got = removeExtension(text.get());
  if (path.empty()) {
    fuzzCheck(got == "''", "empty path");
    return;
  }
  const std::size_t mark = path.rfind('.');
  fuzzCheck(got == (mark == std::string::npos ? path : path.substr(0, mark)),
            "path without extension");
}

void checkComposeTargetName(const std::string& text) {
  const std::size_t split = text.find('|');
  const std::string base = text.substr(0, split);
  const std::string name = split == std::string::npos ? "" : text.substr(split + 1);
  const std::string got = composeTargetName(base, name, '_');
  const std::string tail = base.size() < 3 ? base : base.substr(base.size() - 3);
  fuzzCheck(got == removeExtension(base.c_str()) + "_" + name + "." + tail, "composed name");
}

void checkInsertSuffix(const std::string& text) {
  const std::size_t split = text.find('|');
  const std::string path = text.substr(0, split);
  const std::string suffix = split == std::string::npos ? "" : text.substr(split + 1);
  try {
    const std::string got = insertSuffixBeforeExtension(path, suffix);
    fuzzCheck(path.size() >= 4, "a short path took a suffix");
    const std::size_t front = path.size() - 4;
    fuzzCheck(got == path.substr(0, front) + suffix + path.substr(front), "suffixed name");
  } catch (const std::out_of_range&) {
    fuzzCheck(path.size() < 4, "a path of four characters or more refused");
  }
}

void checkColors(std::string_view bytes) {
  auto text = exactCopy(bytes);
  for (int component = -1; component <= 4; ++component) {
    const int value = hexColorComponent(text.get(), component);
    fuzzCheck(value >= 0 && value <= 255, "colour component out of range");
    if (component < 1 || component > 3) fuzzCheck(value == 0, "component number out of range");
  }
  if (bytes.size() < 5) return;
  // A colour from four bytes and a report buffer whose size the fifth byte gives.
  std::int32_t color = 0;
  std::memcpy(&color, bytes.data(), sizeof color);
  const std::size_t size = 1 + static_cast<unsigned char>(bytes[4]) % 80;
  const std::size_t filled = static_cast<unsigned char>(bytes[4]) / 80 % size;
  auto report = std::make_unique<char[]>(size);
  std::memset(report.get(), 'r', filled);
  report[filled] = '\0';
  const std::string format(bytes.substr(5));
  appendColorComponents(report.get(), size, color, format.c_str());
  fuzzCheck(strnlen(report.get(), size) < size, "report not terminated in its buffer");
  fuzzCheck(std::string(report.get()).compare(0, filled, std::string(filled, 'r')) == 0,
            "report text before the colour line changed");
}

// A format made of literal runs and the conversions the log lines use, with an argument of the
// matching kind for each; the result must be what the C library prints, cut to the buffer.
void checkFormat(std::string_view bytes) {
  if (bytes.empty()) return;
  constexpr std::size_t kMaxArgs = 4;
  const std::size_t size = 1 + static_cast<unsigned char>(bytes[0]) % 300;
  std::string format;
  std::string reference;
  std::array<std::string, kMaxArgs> texts;  // never reassigned once an argument points into one
  std::vector<FormatArg> args;
  char piece[512];
  for (std::size_t i = 1; i < bytes.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c != '%' && c != 0) {
      format += static_cast<char>(c);
      reference += static_cast<char>(c);
      continue;
    }
    if (i + 1 >= bytes.size()) break;
    const unsigned char pick = static_cast<unsigned char>(bytes[++i]);
    if (pick % 6 == 0) {
      format += "%%";
      reference += '%';
      continue;
    }
    if (args.size() == kMaxArgs) continue;
    const auto integer = static_cast<std::int32_t>(pick * 2654435761u);
    switch (pick % 6) {
      case 1: {
        std::string& text = texts[args.size()];
        text = std::string(bytes.substr(i + 1, pick % 16));
        text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
        format += "%s";
        reference += text;
        args.emplace_back(text.c_str());
        break;
      }
      case 2:
      case 3:
        format += pick % 6 == 2 ? "%d" : "%i";
        std::snprintf(piece, sizeof piece, "%d", integer);
        reference += piece;
        args.emplace_back(integer);
        break;
      case 4:
        format += pick % 4 == 0 ? "%06X" : "%X";
        std::snprintf(piece, sizeof piece, pick % 4 == 0 ? "%06X" : "%X",
                      static_cast<unsigned>(integer));
        reference += piece;
        args.emplace_back(integer);
        break;
      default: {
        double real = (static_cast<double>(integer) + 0.375) / (1 + pick % 7);
        if (pick % 3 == 0) real *= 1e280;
        format += "%f";
        std::snprintf(piece, sizeof piece, "%f", real);
        reference += piece;
        args.emplace_back(real);
        break;
      }
    }
  }
  auto out = std::make_unique<char[]>(size);
  std::size_t length = 0;
  const char* f = format.c_str();
  switch (args.size()) {
    case 0:
      length = formatText(out.get(), size, f, {});
      break;
    case 1:
      length = formatText(out.get(), size, f, {args[0]});
      break;
    case 2:
      length = formatText(out.get(), size, f, {args[0], args[1]});
      break;
    case 3:
      length = formatText(out.get(), size, f, {args[0], args[1], args[2]});
      break;
    default:
      length = formatText(out.get(), size, f, {args[0], args[1], args[2], args[3]});
      break;
  }
  fuzzCheck(length < size && out[length] == '\0', "text not terminated in its buffer");
  fuzzCheck(std::string(out.get()) == reference.substr(0, size - 1), "formatted text");
}

void checkCopyWhole(std::string_view bytes) {
  if (bytes.empty()) return;
  const std::size_t size = 1 + static_cast<unsigned char>(bytes[0]);
  auto text = exactCopy(bytes.substr(1));
  auto out = std::make_unique<char[]>(size);
  const bool whole = copyWhole(out.get(), size, text.get());
  const std::size_t length = std::strlen(text.get());
  fuzzCheck(whole == (length < size), "whole copy");
  fuzzCheck(std::string(out.get()) == (whole ? std::string(text.get()) : std::string()),
            "copied text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string text(bytes.substr(0, bytes.find('\0')));
  switch (data[0] % 8) {
    case 0:
    case 1:
      checkExtractFileName(text, (data[0] & 8) != 0, (data[0] & 16) != 0);
      break;
    case 2:
      checkRemoveExtension(text);
      break;
    case 3:
      checkComposeTargetName(text);
      break;
    case 4:
      checkInsertSuffix(std::string(bytes));
      break;
    case 5:
      checkColors(bytes);
      break;
    case 6:
      checkFormat(bytes);
      break;
    default:
      checkCopyWhole(bytes);
      break;
  }
  return 0;
}
