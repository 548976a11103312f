#include "plugin/text_format.h"

#include <charconv>
#include <cstring>
#include <system_error>

namespace {

// The size of the largest buffer that text is composed in (the protocol report).
constexpr int kLargestWidth = 100000;

// Appends to a fixed buffer, cutting at its end; keeps the text NUL-terminated.
class FixedWriter {
 public:
  FixedWriter(char* out, std::size_t size, std::size_t start)
      : out_(out), capacity_(size - 1), length_(start < size ? start : size - 1) {
    out_[length_] = '\0';
  }

  void put(char c) {
    if (length_ < capacity_) out_[length_++] = c;
    out_[length_] = '\0';
  }

  void put(const char* text, std::size_t count) {
    std::size_t room = capacity_ - length_;
    std::size_t n = count < room ? count : room;
    std::memcpy(out_ + length_, text, n);
    length_ += n;
    out_[length_] = '\0';
  }

  std::size_t length() const { return length_; }

 private:
  char* out_;
  std::size_t capacity_;
  std::size_t length_;
};

void putPadded(FixedWriter& writer, const char* digits, std::size_t count, int width, char pad) {
  for (int i = static_cast<int>(count); i < width; ++i) writer.put(pad);
  writer.put(digits, count);
}

void putInteger(FixedWriter& writer, long long value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  writer.put(digits, static_cast<std::size_t>(result.ptr - digits));
}

void putHex(FixedWriter& writer, long long value, int width, char pad) {
  char digits[24];
  // As printf's %X of an unsigned int: the value's low 32 bits.
  auto bits = static_cast<unsigned long>(static_cast<unsigned int>(value));
  auto result = std::to_chars(digits, digits + sizeof digits, bits, 16);
  for (char* p = digits; p < result.ptr; ++p) {
    if (*p >= 'a' && *p <= 'f') *p = static_cast<char>(*p - 'a' + 'A');
  }
  putPadded(writer, digits, static_cast<std::size_t>(result.ptr - digits), width, pad);
}

void putFixed(FixedWriter& writer, double value) {
  // Large enough for every double in fixed notation with six decimals (about 317 characters).
  char digits[400];
  auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6);
  if (result.ec == std::errc()) writer.put(digits, static_cast<std::size_t>(result.ptr - digits));
}

std::size_t compose(char* out, std::size_t size, std::size_t start, const char* format,
                    std::initializer_list<FormatArg> args) {
  if (out == nullptr || size == 0) return 0;
  FixedWriter writer(out, size, start);
  if (format == nullptr) return writer.length();
  const FormatArg* next = args.begin();
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') {
      writer.put(*p);
      continue;
    }
    ++p;
    if (*p == '%') {
      writer.put('%');
      continue;
    }
    char pad = ' ';
    if (*p == '0') {
      pad = '0';
      ++p;
    }
    // A width beyond the largest buffer pads nothing more that fits: further digits are read
    // but not counted, so that no width overflows or pads for long.
    int width = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
      if (width < kLargestWidth) width = width * 10 + (*p - '0');
    }
    if (*p == '\0') break;
    const FormatArg* arg = next != args.end() ? next++ : nullptr;
    if (arg == nullptr) continue;
    switch (*p) {
      case 's':
        if (arg->kind == FormatArg::Kind::Text) {
          const char* text = arg->text != nullptr ? arg->text : "(null)";
          writer.put(text, std::strlen(text));
        }
        break;
      case 'd':
      case 'i':
        if (arg->kind == FormatArg::Kind::Integer) putInteger(writer, arg->integer);
        break;
      case 'X':
        if (arg->kind == FormatArg::Kind::Integer) putHex(writer, arg->integer, width, pad);
        break;
      case 'f':
        if (arg->kind == FormatArg::Kind::Real) putFixed(writer, arg->real);
        break;
      default:
        break;
    }
  }
  return writer.length();
}

}  // namespace

std::size_t formatText(char* out, std::size_t size, const char* format,
                       std::initializer_list<FormatArg> args) {
  return compose(out, size, 0, format, args);
}

std::size_t appendFormatted(char* out, std::size_t size, const char* format,
                            std::initializer_list<FormatArg> args) {
  if (out == nullptr || size == 0) return 0;
  return compose(out, size, strnlen(out, size - 1), format, args);
}

bool copyWhole(char* out, std::size_t size, const char* text) {
  if (out == nullptr || size == 0) return false;
  std::size_t length = text != nullptr ? std::strlen(text) : 0;
  if (length >= size) {
    out[0] = '\0';
    return false;
  }
  std::memcpy(out, text, length);
  out[length] = '\0';
  return true;
}
