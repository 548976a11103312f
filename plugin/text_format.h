// printf-style composition of log lines into fixed buffers, independent of the process locale:
// the host may run under a locale with a decimal comma, and the log must read the same anyway.
#pragma once

#include <cstddef>
#include <initializer_list>

// One argument of a format: an integer, a real number or a text (null prints as "(null)").
struct FormatArg {
  enum class Kind { Integer, Real, Text };
  Kind kind;
  long long integer = 0;
  double real = 0.0;
  const char* text = nullptr;

  FormatArg(int value) : kind(Kind::Integer), integer(value) {}
  FormatArg(long value) : kind(Kind::Integer), integer(value) {}
  FormatArg(long long value) : kind(Kind::Integer), integer(value) {}
  FormatArg(unsigned value) : kind(Kind::Integer), integer(value) {}
  FormatArg(double value) : kind(Kind::Real), real(value) {}
  FormatArg(const char* value) : kind(Kind::Text), text(value) {}
};

// Composes format with args into out, which holds size bytes, and always NUL-terminates it
// (size > 0). Text that does not fit is cut; nothing is written past out[size - 1].
// Conversions: %s, %d, %i, %f (six decimals, full stop), %X and %06X (upper-case hex, optional
// zero padding and width), %%. A conversion without an argument, or of the wrong kind, prints
// nothing. Returns the length of the text in out.
std::size_t formatText(char* out, std::size_t size, const char* format,
                       std::initializer_list<FormatArg> args);

// The same, appended to the NUL-terminated text already in out.
std::size_t appendFormatted(char* out, std::size_t size, const char* format,
                            std::initializer_list<FormatArg> args);

// Copies text into out (size bytes) and NUL-terminates it. True when it fitted whole; false when
// it did not, and then out holds the empty text: a path that is cut names another file.
bool copyWhole(char* out, std::size_t size, const char* text);
