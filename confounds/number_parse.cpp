#include "confounds/number_parse.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace {

// from_chars takes a leading "-" but no "+": drop one "+", and refuse a second sign after it.
bool stripPlus(std::string_view& text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return false;
  }
  return !text.empty();
}

// The powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;
// Integers up to 2^53 are exact doubles.
constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;
// Any 19 decimal digits fit 64 bits.
constexpr std::ptrdiff_t kMostDigits = 19;

bool isDigit(char c) {
  return static_cast<unsigned char>(c - '0') < 10;
}

}  // namespace

const char* parseShortDecimalPrefix(const char* begin, const char* end, double& value) {
  const char* p = begin;
  const bool negative = p != end && *p == '-';
  if (negative) ++p;
  std::uint64_t digits = 0;
  // Appends the digits from q on to digits; returns their end. (Inlined, digits stays in a
  // register; behind a reference every byte read, which may alias it, would wait for its store.)
  const auto takeDigits = [&digits, end](const char* q) {
    for (; q != end && isDigit(*q); ++q) {
      digits = digits * 10 + static_cast<std::uint64_t>(*q - '0');
    }
    return q;
  };
  const char* const wholeStart = p;
  p = takeDigits(p);
  std::ptrdiff_t count = p - wholeStart;
  int scale = 0;  // power of ten of the last digit
  if (p != end && *p == '.') {
    const char* const fractionStart = ++p;
    p = takeDigits(p);
    scale = -static_cast<int>(p - fractionStart);
    count += p - fractionStart;
  }
  if (count == 0 || count > kMostDigits) return nullptr;
  if (p != end && (*p == 'e' || *p == 'E')) {
    ++p;
    const bool negativeExponent = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+')) ++p;
    const char* const exponentStart = p;
    int power = 0;
    for (; p != end && isDigit(*p) && p - exponentStart < 4; ++p) power = power * 10 + (*p - '0');
    // No digits, or so many that the value could wrap: leave it to from_chars.
    if (p == exponentStart || (p != end && isDigit(*p))) return nullptr;
    scale += negativeExponent ? -power : power;
  }
  if (digits > kLargestExactInteger || scale > kLargestExactPower || scale < -kLargestExactPower) {
    return nullptr;
  }
  double result = static_cast<double>(digits);
  result = scale >= 0 ? result * kExactPowersOfTen[scale] : result / kExactPowersOfTen[-scale];
  value = negative ? -result : result;
  return p;
}

namespace {

// text wholly a short decimal: see parseShortDecimalPrefix.
bool parseShortDecimal(std::string_view text, double& value) {
  const char* const end = text.data() + text.size();
  double parsed = 0.0;
  if (parseShortDecimalPrefix(text.data(), end, parsed) != end) return false;
  value = parsed;
  return true;
}

}  // namespace

bool parseInteger(std::string_view text, std::int32_t& value) {
  if (!stripPlus(text)) return false;
  std::int32_t parsed = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

bool parseNumber(std::string_view text, double& value) {
  if (!stripPlus(text)) return false;
  if (parseShortDecimal(text, value)) return true;
  double parsed = 0.0;
  auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), parsed, std::chars_format::general);
  // from_chars also takes "nan" and "inf"; only finite values are numbers of the text forms.
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed)) {
    return false;
  }
  value = parsed;
  return true;
}
