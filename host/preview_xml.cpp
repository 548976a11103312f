#include "host/preview_xml.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace standin {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// The length of the well-formed UTF-8 sequence at the start of text that encodes a character
// XML allows (no surrogates, no U+FFFE or U+FFFF, no C1 controls), or 0.
std::size_t wellFormedSequence(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  std::uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) return 0;
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[length] || code > 0x10FFFF) return 0;  // overlong or beyond Unicode
  if (code >= 0xD800 && code <= 0xDFFF) return 0;            // surrogate
  if (code == 0xFFFE || code == 0xFFFF) return 0;            // not XML characters
  if (code >= 0x80 && code <= 0x9F) return 0;                // C1 control characters
  return length;
}

void appendEscapedAscii(std::string& out, char c) {
  switch (c) {
    case '&':
      out += "&amp;";
      break;
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '"':
      out += "&quot;";
      break;
    case '\'':
      out += "&apos;";
      break;
    case '\t':
    case '\n':
    case '\r':
      out += ' ';
      break;
    default:
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
        out += kReplacement;
      } else {
        out += c;
      }
  }
}

void appendChars(std::string& out, std::to_chars_result result, const char* start) {
  if (result.ec == std::errc()) out.append(start, static_cast<std::size_t>(result.ptr - start));
}

}  // namespace

void appendXmlText(std::string& out, std::string_view text, std::size_t maxCharacters) {
  std::size_t characters = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (characters == maxCharacters) {
      out += "...";
      return;
    }
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      appendEscapedAscii(out, text[i]);
      ++i;
    } else if (std::size_t length = wellFormedSequence(text.substr(i)); length > 0) {
      out.append(text.substr(i, length));
      i += length;
    } else {
      out += kReplacement;
      ++i;
    }
    ++characters;
  }
}

void appendFixed(std::string& out, double value, int decimals) {
  char text[400];
  auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                              decimals < 0 ? 0 : (decimals > 6 ? 6 : decimals));
  if (result.ec != std::errc()) return;
  char* end = result.ptr;
  bool hasPoint = false;
  for (char* p = text; p != end; ++p) hasPoint = hasPoint || *p == '.';
  if (hasPoint) {
    while (end[-1] == '0') --end;
    if (end[-1] == '.') --end;
  }
  // "-0" of a small negative value reads as 0.
  if (end - text == 2 && text[0] == '-' && text[1] == '0') {
    out += '0';
    return;
  }
  out.append(text, end);
}

void appendShortNumber(std::string& out, double value) {
  char text[64];
  appendChars(out, std::to_chars(text, text + sizeof text, value, std::chars_format::general, 4),
              text);
}

}  // namespace standin
