#include "plugin/text_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

namespace {

std::string format(const char* fmt, std::initializer_list<FormatArg> args, std::size_t size = 512) {
  std::string buffer(size, '#');
  formatText(buffer.data(), size, fmt, args);
  return buffer.c_str();
}

TEST(FormatText, Conversions) {
  struct Case {
    const char* format;
    std::initializer_list<FormatArg> args;
    const char* expected;
  };
  const Case cases[] = {
      {"Number of PRT-VTC pairs: %d", {3}, "Number of PRT-VTC pairs: 3"},
      {"%i and %d", {-7, 0}, "-7 and 0"},
      {"Predictor value: %f", {1.0}, "Predictor value: 1.000000"},
      {"%f", {-101.0}, "-101.000000"},
      {"%f", {0.1234567}, "0.123457"},
      {"%06X", {0x00FF7F}, "00FF7F"},
      {"%06X", {0x1234567}, "1234567"},
      {"100%% %s", {"done"}, "100% done"},
      {"%s", {"C:\\a%d\\b"}, "C:\\a%d\\b"},
      {"missing %d and %s", {}, "missing  and "},
  };
  for (const Case& c : cases) EXPECT_EQ(format(c.format, c.args), c.expected) << c.format;
}

TEST(FormatText, CutsAtTheBufferAndNeverWritesPastIt) {
  char buffer[12];
  std::memset(buffer, '#', sizeof buffer);
  std::size_t length = formatText(buffer, 8, "Reading file: %s", {"abc"});
  EXPECT_EQ(length, 7u);
  EXPECT_STREQ(buffer, "Reading");
  EXPECT_EQ(buffer[8], '#');

  char report[16] = "Line one\n";
  appendFormatted(report, sizeof report, "Red: %d Green: %d", {255, 0});
  EXPECT_STREQ(report, "Line one\nRed: 2");
}

TEST(FormatText, IgnoresTheProcessLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous != nullptr ? previous : "C";
  bool haveComma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr ||
                   std::setlocale(LC_NUMERIC, "de_DE") != nullptr;
  EXPECT_EQ(format("%f", {2.5}), "2.500000");
  std::setlocale(LC_NUMERIC, saved.c_str());
  if (!haveComma) GTEST_SKIP() << "no decimal-comma locale installed";
}

TEST(CopyWhole, RefusesTextThatDoesNotFit) {
  char buffer[8];
  EXPECT_TRUE(copyWhole(buffer, sizeof buffer, "1234567"));
  EXPECT_STREQ(buffer, "1234567");
  EXPECT_FALSE(copyWhole(buffer, sizeof buffer, "12345678"));
  EXPECT_STREQ(buffer, "");
}

}  // namespace
