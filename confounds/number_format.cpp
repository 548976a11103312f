#include "confounds/number_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace {

// The powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Both forms round the exact value of the double to a number of decimal digits. The quick paths
// below scale the value by an exact power of ten in one IEEE operation, whose result lies within
// half a unit in its last place of the exact scaled value, and round that to an integer. The
// result is the exact rounding unless the scaled value lies so near half-way between two
// integers that the error could cross it: such values (and every value outside the ranges below)
// go to std::to_chars, which rounds the exact value.

// Fixed form: values below 2^22 scale by 10^6 to below 2^42, where a unit in the last place is
// at most 2^-11, so the error is at most 2^-12.
constexpr double kFixedQuickLimit = 4194304.0;  // 2^22
constexpr double kFixedHalfWayMargin = 1.0 / 512;

// Default form: the six significant digits scale to [10^5, 10^6], below 2^20, where the error is
// at most 2^-34. The range keeps the power of ten of the scaling within the exact ones.
constexpr double kDefaultQuickLow = 1e-15;
constexpr double kDefaultQuickHigh = 1e19;
constexpr double kDefaultHalfWayMargin = 1.0 / (1 << 30);

constexpr int kDigitsOfDefault = 6;

// Rounds scaled (0 <= scaled < 2^52) to the nearest integer; false when it lies within margin
// of half-way. The conversion to an integer cuts the fraction off, which is exact here.
bool roundClearOfHalfWay(double scaled, double margin, std::uint64_t& rounded) {
  const auto whole = static_cast<std::uint64_t>(scaled);
  const double fraction = scaled - static_cast<double>(whole);
  if (std::fabs(fraction - 0.5) <= margin) return false;
  rounded = whole + (fraction > 0.5 ? 1 : 0);
  return true;
}

// "00" to "99", two characters each.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The six digits of value (below 10^6, zero-padded on the left) into out.
void putSixDigits(char* out, std::uint32_t value) {
  const std::uint32_t high = value / 10000;
  const std::uint32_t low = value % 10000;
  std::memcpy(out, kDigitPairs + 2 * high, 2);
  std::memcpy(out + 2, kDigitPairs + 2 * (low / 100), 2);
  std::memcpy(out + 4, kDigitPairs + 2 * (low % 100), 2);
}

// The decimal digits of value, no padding; returns the end.
char* putNumber(char* out, std::uint64_t value) {
  char digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (count > 0) *out++ = digits[--count];
  return out;
}

// The power of two of a normal, positive, finite magnitude: magnitude lies in [2^p, 2^(p+1)).
int binaryExponent(double magnitude) {
  return static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FF) - 1023;
}

// The six significant digits of magnitude (in the quick range) and the power of ten of the first
// digit: magnitude rounds to digits x 10^(exponent - 5), 100000 <= digits <= 999999. False when
// the rounding is too near half-way to be decided here.
bool sixDigits(double magnitude, std::uint32_t& digits, int& exponent) {
  // floor(log10(magnitude)) or one less: log10(2^p) <= log10(magnitude) < log10(2^(p+1)), and
  // (p x 78913) >> 18 is floor(p x log10(2)) for every |p| <= 1100.
  exponent = (binaryExponent(magnitude) * 78913) >> 18;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int scale = kDigitsOfDefault - 1 - exponent;
    const double scaled =
        scale >= 0 ? magnitude * kExactPowersOfTen[scale] : magnitude / kExactPowersOfTen[-scale];
    if (scaled >= 1e6) {
      ++exponent;
      continue;
    }
    std::uint64_t rounded = 0;
    if (!roundClearOfHalfWay(scaled, kDefaultHalfWayMargin, rounded)) return false;
    digits = static_cast<std::uint32_t>(rounded);
    if (digits == 1000000) {  // 999999.5 and above round up to the next power of ten
      digits = 100000;
      ++exponent;
    }
    return true;
  }
  return false;
}

// "%g" of the quick range: six significant digits, trailing zeros and a bare point dropped, fixed
// notation for exponents -4 to 5 and scientific notation otherwise. out has room for 32 bytes.
char* writeDefaultDigits(char* out, bool negative, std::uint32_t digits, int exponent) {
  char text[kDigitsOfDefault];
  putSixDigits(text, digits);
  int kept = kDigitsOfDefault;
  while (kept > 1 && text[kept - 1] == '0') --kept;
  if (negative) *out++ = '-';
  if (exponent < -4 || exponent >= kDigitsOfDefault) {
    *out++ = text[0];
    if (kept > 1) {
      *out++ = '.';
      std::memcpy(out, text + 1, static_cast<std::size_t>(kept - 1));
      out += kept - 1;
    }
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    const int power = exponent < 0 ? -exponent : exponent;
    if (power < 10) *out++ = '0';
    return putNumber(out, static_cast<std::uint64_t>(power));
  }
  if (exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    for (int i = -1; i > exponent; --i) *out++ = '0';
    std::memcpy(out, text, static_cast<std::size_t>(kept));
    return out + kept;
  }
  const int whole = exponent + 1;  // digits before the point
  std::memcpy(out, text, static_cast<std::size_t>(whole));
  out += whole;
  if (kept > whole) {
    *out++ = '.';
    std::memcpy(out, text + whole, static_cast<std::size_t>(kept - whole));
    out += kept - whole;
  }
  return out;
}

// Room that every quick text fits: a sign, seven digits, a point and six decimals (fixed form),
// or a sign, "0.0000" and six digits (default form), with room to spare.
constexpr std::ptrdiff_t kQuickRoom = 32;

}  // namespace

char* writeDefaultNumber(char* out, char* end, double value) {
  const double magnitude = std::fabs(value);
  if (end - out >= kQuickRoom) {
    if (magnitude == 0.0) {
      if (std::signbit(value)) *out++ = '-';
      *out++ = '0';
      return out;
    }
    std::uint32_t digits = 0;
    int exponent = 0;
    if (magnitude >= kDefaultQuickLow && magnitude < kDefaultQuickHigh &&
        sixDigits(magnitude, digits, exponent)) {
      return writeDefaultDigits(out, value < 0, digits, exponent);
    }
  }
  auto [next, error] = std::to_chars(out, end, value, std::chars_format::general, 6);
  return error == std::errc() ? next : nullptr;
}

char* writeFixedNumber(char* out, char* end, double value) {
  const double magnitude = std::fabs(value);
  std::uint64_t millionths = 0;
  if (end - out >= kQuickRoom && magnitude < kFixedQuickLimit &&
      roundClearOfHalfWay(magnitude * 1e6, kFixedHalfWayMargin, millionths)) {
    if (std::signbit(value)) *out++ = '-';
    out = putNumber(out, millionths / 1000000);
    *out++ = '.';
    putSixDigits(out, static_cast<std::uint32_t>(millionths % 1000000));
    return out + 6;
  }
  auto [next, error] = std::to_chars(out, end, value, std::chars_format::fixed, 6);
  return error == std::errc() ? next : nullptr;
}

char* writeInteger(char* out, char* end, long long value) {
  auto [next, error] = std::to_chars(out, end, value);
  return error == std::errc() ? next : nullptr;
}
