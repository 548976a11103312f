#include "confounds/number_format.h"

#include <charconv>
#include <system_error>

char* writeDefaultNumber(char* out, char* end, double value) {
  auto [next, error] = std::to_chars(out, end, value, std::chars_format::general, 6);
  return error == std::errc() ? next : nullptr;
}

char* writeFixedNumber(char* out, char* end, double value) {
  auto [next, error] = std::to_chars(out, end, value, std::chars_format::fixed, 6);
  return error == std::errc() ? next : nullptr;
}

char* writeInteger(char* out, char* end, long long value) {
  auto [next, error] = std::to_chars(out, end, value);
  return error == std::errc() ? next : nullptr;
}
