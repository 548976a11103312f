// File lists with damage the fuzzer found: a NUL character inside a word. The host is handed
// each entry as a NUL-terminated path, so a word holding a NUL would reach it as the text before
// the NUL while being classified by the whole word ("a\0.prt" taken for a protocol, "a" handed
// on). Such a word is skipped with a log line, as an over-long one is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/file_list.h"
#include "tests/support/fake_host.h"
#include "tests/support/temp_dir.h"

namespace {

using Strings = std::vector<std::string>;

struct Read {
  std::vector<std::string> entries;
  Strings log;
};

Read readList(const std::string& content) {
  FakeHost host;
  TempDir dir;
  Read read;
  int count = 0;
  EXPECT_TRUE(readFileList(dir.write("list.txt", content).c_str(), count, read.entries));
  read.log = FakeHost::log();
  return read;
}

TEST(DamagedFileList, AWordHoldingANulIsSkipped) {
  using namespace std::string_literals;
  struct Case {
    const char* what;
    std::string content;
    Strings entries;
    std::string lastBeforeEnd;  // the log line before the last one
  };
  const Case cases[] = {
      {"protocol mark after the NUL", "1 /d/a\0.prt /d/a.vtc"s, {"/d/a.vtc"}, "/d/a.vtc"},
      {"VTC mark after the NUL",
       "1 /d/a.prt \0/d/a.vtc"s,
       {"/d/a.prt"},
       "Entry holds a NUL character, skipped."},
      {"NUL inside quotes", "1 \"/d/my a\0.prt\" /d/b.prt"s, {"/d/b.prt"}, "/d/b.prt"},
  };
  for (const Case& c : cases) {
    const Read read = readList(c.content);
    EXPECT_EQ(read.entries, c.entries) << c.what;
    ASSERT_GE(read.log.size(), 2u) << c.what;
    EXPECT_EQ(read.log.back(), "^") << c.what;
    EXPECT_EQ(read.log[read.log.size() - 2], c.lastBeforeEnd) << c.what;
  }
}

TEST(DamagedFileList, ALoneNulIsAOneCharacterWordAndEndsTheList) {
  using namespace std::string_literals;
  const Read read = readList("2 /d/a.prt \0 /d/b.prt"s);
  EXPECT_EQ(read.entries, Strings{"/d/a.prt"});
  EXPECT_EQ(read.log.back(), "");
}

// The fuzzer's input: a word of NULs followed by a protocol's name.
TEST(DamagedFileList, TheFuzzerFindingGivesOnlyEntriesTheHostSeesWhole) {
  const std::string fixture = readFile(std::string(FOLWYN_SOURCE_DIR) +
                                       "/tests/fixtures/fuzz/file_list/nul_inside_an_entry");
  ASSERT_FALSE(fixture.empty());
  const Read read = readList(fixture);
  for (const std::string& entry : read.entries) {
    EXPECT_EQ(entry.find('\0'), std::string::npos);
    EXPECT_EQ(classifyListEntry(entry), classifyListEntry(entry.c_str()));
  }
  EXPECT_EQ(read.log[read.log.size() - 2], "Entry holds a NUL character, skipped.");
}

}  // namespace
