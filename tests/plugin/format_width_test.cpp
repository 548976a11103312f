// A conversion with a width of many digits, as the fuzzer found in a colour line's format: the
// width overflowed an int (undefined behaviour) and could ask for billions of padding
// characters. The width now saturates beyond the largest buffer; the text is cut as always.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

#include "design/path_names.h"
#include "plugin/text_format.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(FormatWidth, AWidthOfManyDigitsPadsToTheBufferAndStops) {
  const std::string digits(60, '9');
  struct Case {
    std::string format;
    FormatArg arg;
    char pad;
  };
  const Case cases[] = {
      {"%0" + digits + "X", FormatArg(255), '0'},
      {"%" + digits + "X", FormatArg(255), ' '},
      {"%02147483648X", FormatArg(1), '0'},
  };
  for (const Case& c : cases) {
    char out[64];
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(formatText(out, sizeof out, c.format.c_str(), {c.arg}), 63u) << c.format;
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 1.0);
    EXPECT_EQ(std::string(out), std::string(63, c.pad)) << c.format;
  }
  // Widths within the buffer pad as before.
  char out[16];
  formatText(out, sizeof out, "[%08X]", {0xABC});
  EXPECT_STREQ(out, "[00000ABC]");
}

// The fuzzer's input: a colour, a report size and a format of that kind.
TEST(FormatWidth, TheFuzzerFindingAppendsWithinItsBuffer) {
  const std::string fixture = readFile(std::string(FOLWYN_SOURCE_DIR) +
                                       "/tests/fixtures/fuzz/path_names/format_width_overflow");
  ASSERT_GT(fixture.size(), 6u);
  int color = 0;
  std::memcpy(&color, fixture.data() + 1, sizeof color);
  const std::string format = fixture.substr(6);
  char report[12] = "rr";
  appendColorComponents(report, sizeof report, color, format.c_str());
  EXPECT_LT(strnlen(report, sizeof report), sizeof report);
  EXPECT_EQ(std::string(report).rfind("rr", 0), 0u);
}

}  // namespace
