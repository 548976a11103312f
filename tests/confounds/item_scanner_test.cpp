#include "confounds/item_scanner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/confounds/temp_folder.h"

namespace {

struct Closer {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Every item of text as the scanner gives it, names or tokens; "<stop>" marks a refusal.
std::vector<std::string> scan(const std::string& text, bool names) {
  TempFolder folder;
  std::unique_ptr<std::FILE, Closer> file(
      std::fopen(folder.write("items.txt", text).c_str(), "rb"));
  ItemScanner scanner(file.get());
  std::vector<std::string> items;
  std::string_view item;
  while (names ? scanner.nextName(item) : scanner.nextToken(item)) items.emplace_back(item);
  return items;
}

TEST(ItemScanner, SplitsAtAnyWhiteSpaceAndLineEnd) {
  EXPECT_EQ(scan(" a\tb\r\n\r\n c\n\vd\f", false), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(scan("", false), std::vector<std::string>{});
  EXPECT_EQ(scan(" \r\n ", false), std::vector<std::string>{});
}

// Items that run over the end of a block must come out whole.
TEST(ItemScanner, JoinsItemsAcrossBlockBoundaries) {
  const std::size_t block = ItemScanner::kBlockSize;
  for (std::size_t before : {block - 3, block - 1, block}) {
    std::string text(before, ' ');
    text += "123.456 \"Face trials\" tail";
    std::vector<std::string> tokens = scan(text, false);
    ASSERT_EQ(tokens.size(), 4u) << before;
    EXPECT_EQ(tokens[0], "123.456") << before;
    EXPECT_EQ(scan(text, true), (std::vector<std::string>{"123.456", "\"Face trials\"", "tail"}))
        << before;
  }
  std::string longToken(block - 50, 'x');
  EXPECT_EQ(scan(std::string(100, ' ') + longToken + " y", false),
            (std::vector<std::string>{longToken, "y"}));
}

TEST(ItemScanner, RefusesAnItemLongerThanTheLimit) {
  std::string tooLong(ItemScanner::kMaxItemLength + 1, 'x');
  EXPECT_EQ(scan("a " + tooLong + " b", false), std::vector<std::string>{"a"});
  EXPECT_EQ(scan("a \"" + tooLong + "\" b", true), std::vector<std::string>{"a"});
}

TEST(ItemScanner, ReadsQuotedNamesWithBlanksWhole) {
  struct Case {
    const char* text;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"\"Face trials\"\t\"B\" C", {"\"Face trials\"", "\"B\"", "C"}},
      {"\"a  b\tc\" d", {"\"a  b\tc\"", "d"}},
      // Unquoted names stay single tokens, quotes inside them included.
      {"a\"b c\"", {"a\"b", "c\""}},
      // After the closing quote the name runs on to the next white space.
      {"\"a b\"x y", {"\"a b\"x", "y"}},
      {"\"\" z", {"\"\"", "z"}},
      // A quote that does not close on its line is damage: the name is refused.
      {"\"open\nname\" z", {}},
      {"x \"never closed", {"x"}},
  };
  for (const Case& c : cases) EXPECT_EQ(scan(c.text, true), c.names) << c.text;
}

TEST(ItemScanner, GivesNonBlankCharacters) {
  TempFolder folder;
  std::unique_ptr<std::FILE, Closer> file(
      std::fopen(folder.write("chars.txt", " \"a b\"\n").c_str(), "rb"));
  ItemScanner scanner(file.get());
  std::string seen;
  char c = 0;
  while (scanner.nextNonBlank(c)) seen += c;
  EXPECT_EQ(seen, "\"ab\"");
}

}  // namespace
