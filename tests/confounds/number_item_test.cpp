// Numbers as the readers and the merged writer take them from a file: short decimals are read in
// place from the scanner's block, everything else through the whole token. Both ways must give
// the same numbers and refuse the same items, wherever an item lies against the block ends.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "confounds/confound_items.h"
#include "confounds/item_scanner.h"
#include "tests/confounds/temp_folder.h"

namespace {

struct Closer {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// The numbers of text read one by one until the first refusal; "refused" is set by it.
std::vector<double> readNumbers(const std::string& text, bool& refused) {
  TempFolder folder;
  std::unique_ptr<std::FILE, Closer> file(std::fopen(folder.write("n.txt", text).c_str(), "rb"));
  ItemScanner scanner(file.get());
  std::vector<double> numbers;
  refused = false;
  try {
    for (;;) numbers.push_back(readNumberItem(scanner));
  } catch (const DamagedFile&) {
    refused = true;
  }
  return numbers;
}

// A number cut at a block end (its first digits taken as the whole number) or a token whose
// end was missed would give other values here.
TEST(NumberItem, ReadsNumbersLyingAcrossBlockEnds) {
  const std::size_t block = ItemScanner::kBlockSize;
  for (std::size_t before = block - 14; before <= block + 1; ++before) {
    bool refused = false;
    std::vector<double> numbers =
        readNumbers(std::string(before, ' ') + "-123.456789\t0.5e-3\r\n7", refused);
    EXPECT_EQ(numbers, (std::vector<double>{-123.456789, 0.5e-3, 7.0})) << before;
    EXPECT_TRUE(refused) << before;  // the end of the input
  }
}

TEST(NumberItem, TakesTheSameTextsAsTheWholeTokenRule) {
  struct Case {
    const char* item;
    bool accepted;
    double value;
  };
  const Case cases[] = {
      {"0.013872", true, 0.013872},
      {"+0.5", true, 0.5},
      {"-0", true, -0.0},
      {"5.", true, 5.0},
      {".5", true, 0.5},
      {"1e5", true, 1e5},
      {"1E-05", true, 1e-5},
      {"1e0005", true, 1e5},
      {"1e00005", true, 1e5},
      {"12345678901234567890", true, 12345678901234567890.0},
      {"9007199254740993", true, 9007199254740993.0},
      {"1e-30", true, 1e-30},
      {"1.5x", false, 0},
      {"1e", false, 0},
      {"1e+", false, 0},
      {"1.2.3", false, 0},
      {"-", false, 0},
      {"0x10", false, 0},
      {"nan", false, 0},
      {"1,5", false, 0},
      {"1e400", false, 0},
      {"--1", false, 0},
  };
  const std::size_t block = ItemScanner::kBlockSize;
  for (const Case& c : cases) {
    const std::string item = c.item;
    // Within the block with an item after it; last in the file; ending right at a block end.
    for (const std::string& text :
         {" " + item + " 1", " " + item, std::string(block - item.size(), ' ') + item + " 1"}) {
      bool refused = false;
      std::vector<double> numbers = readNumbers(text, refused);
      ASSERT_TRUE(refused) << item;
      if (!c.accepted) {
        EXPECT_TRUE(numbers.empty()) << item;
        continue;
      }
      ASSERT_FALSE(numbers.empty()) << item;
      EXPECT_EQ(numbers[0], c.value) << item;
      EXPECT_EQ(std::signbit(numbers[0]), std::signbit(c.value)) << item;
    }
  }
}

}  // namespace
