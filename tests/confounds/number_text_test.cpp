#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "confounds/number_format.h"
#include "confounds/number_parse.h"

namespace {

TEST(ParseNumber, TakesOnlyWholeFiniteDecimalNumbers) {
  struct Case {
    const char* text;
    bool accepted;
    double value;
  };
  const Case cases[] = {
      {"0.25", true, 0.25},   {"+0.25", true, 0.25},    {"-0.035", true, -0.035},
      {"1e-05", true, 1e-05}, {"1.5E+3", true, 1500.0}, {"-0", true, -0.0},
      {".5", true, 0.5},      {"7", true, 7.0},         {"4.9e-324", true, 4.9e-324},
      {"nan", false, 0},      {"-inf", false, 0},       {"infinity", false, 0},
      {"0x1p3", false, 0},    {"1e400", false, 0},      {"-1e400", false, 0},
      {"1.5e3x", false, 0},   {"1e", false, 0},         {"+-1", false, 0},
      {"++1", false, 0},      {"+", false, 0},          {"", false, 0},
      {"1,5", false, 0},      {"abc", false, 0},        {"0.5 ", false, 0},
  };
  for (const Case& c : cases) {
    double value = 42.0;
    EXPECT_EQ(parseNumber(c.text, value), c.accepted) << c.text;
    EXPECT_EQ(value, c.accepted ? c.value : 42.0) << c.text;
  }
}

TEST(ParseInteger, TakesOnlyWhole32BitIntegers) {
  struct Case {
    const char* text;
    bool accepted;
    std::int32_t value;
  };
  const Case cases[] = {
      {"3", true, 3},
      {"+3", true, 3},
      {"-1", true, -1},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, std::numeric_limits<std::int32_t>::min()},
      {"2147483648", false, 0},
      {"1.0", false, 0},
      {"1e3", false, 0},
      {"+-3", false, 0},
      {"3x", false, 0},
      {"", false, 0},
      {"-", false, 0},
      {"0x10", false, 0},
  };
  for (const Case& c : cases) {
    std::int32_t value = 42;
    EXPECT_EQ(parseInteger(c.text, value), c.accepted) << c.text;
    EXPECT_EQ(value, c.accepted ? c.value : 42) << c.text;
  }
}

std::string defaultForm(double value) {
  char text[kMaxNumberText];
  char* end = writeDefaultNumber(text, text + sizeof text, value);
  return end != nullptr ? std::string(text, end) : "<none>";
}

std::string fixedForm(double value) {
  char text[kMaxNumberText];
  char* end = writeFixedNumber(text, text + sizeof text, value);
  return end != nullptr ? std::string(text, end) : "<none>";
}

std::string printed(const char* format, double value) {
  char text[400];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// The output must read exactly as formatted printing in the classic locale writes it.
TEST(NumberFormat, EqualsFormattedPrintingInTheClassicLocale) {
  const double values[] = {0.5,   0,          -0.0,     -0.035,    1234567.0,    1.23457e+06,
                           1e-05, 0.0001,     123456,   1234567,   999999.5,     999999.4,
                           0.3,   -1.2345678, 2,        0.1 + 0.2, 1e-300,       -7.5e-200,
                           1e300, DBL_MAX,    -DBL_MAX, DBL_MIN,   DBL_TRUE_MIN, DBL_MIN / 3,
                           5e-7,  0.0000005,  2.5,      3.5};
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous != nullptr ? previous : "C";
  std::setlocale(LC_NUMERIC, "C");
  for (double value : values) {
    EXPECT_EQ(defaultForm(value), printed("%g", value)) << value;
    EXPECT_EQ(fixedForm(value), printed("%4.6lf", value)) << value;
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberFormat, RefusesRoomThatDoesNotSuffice) {
  char text[8] = "#######";
  EXPECT_EQ(writeFixedNumber(text, text + 4, 1234.5), nullptr);
  EXPECT_EQ(writeDefaultNumber(text, text + 2, 0.125), nullptr);
  EXPECT_EQ(text[7], '\0');
  // The largest fixed form fits the room that every writer reserves.
  EXPECT_NE(fixedForm(-DBL_MAX), "<none>");
}

}  // namespace
