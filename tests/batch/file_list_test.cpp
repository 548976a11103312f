#include "batch/file_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_host.h"
#include "tests/support/temp_dir.h"

namespace {

using Log = std::vector<std::string>;

struct ListRead {
  bool ok = false;
  int count = -999;
  std::vector<std::string> entries;
  Log log;
};

ListRead readList(const std::string& content) {
  FakeHost host;
  TempDir dir;
  ListRead result;
  result.ok = readFileList(dir.write("list.txt", content).c_str(), result.count, result.entries);
  result.log = FakeHost::log();
  return result;
}

TEST(ReadFileList, WorkedExample) {
  ListRead read = readList(
      "2\n/data/s01/run1.prt\n/data/s01/run1.vtc\n/data/s01/run1_3DMC.sdm\n"
      "/data/s01/run1_HR.rtc\n/data/s01/run2.prt\n/data/s01/run2.vtc\n/data/s01/run2_RVT.sdm\n");
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.count, 2);
  const std::vector<std::string> expected = {"/data/s01/run1.prt",      "/data/s01/run1.vtc",
                                             "/data/s01/run1_3DMC.sdm", "/data/s01/run1_HR.rtc",
                                             "/data/s01/run2.prt",      "/data/s01/run2.vtc",
                                             "/data/s01/run2_RVT.sdm"};
  EXPECT_EQ(read.entries, expected);
  Log log = {"Number of PRT-VTC pairs: 2", "Reading filenames..."};
  log.insert(log.end(), expected.begin(), expected.end());
  log.push_back("^");
  EXPECT_EQ(read.log, log);
}

TEST(ReadFileList, Layouts) {
  struct Case {
    const char* name;
    std::string content;
    int count;
    std::vector<std::string> entries;
    std::string lastLog;
  };
  const Case cases[] = {
      {"only the count", "0\n", 0, {}, "^"},
      {"empty file", "", 0, {}, "^"},
      {"line structure carries no meaning",
       " 3\ta.prt  b.vtc\r\n\r\n\tc_HR.rtc",
       3,
       {"a.prt", "b.vtc", "c_HR.rtc"},
       "^"},
      {"a one-character word ends the list", "1 a.prt x b.vtc", 1, {"a.prt"}, "x"},
      {"unquoted blank splits a path",
       "1 C:\\My Data\\run1.prt",
       1,
       {"C:\\My", "Data\\run1.prt"},
       "^"},
      {"quoted path keeps its blanks",
       "1 \"C:\\My Data\\run1.prt\" next.vtc",
       1,
       {"C:\\My Data\\run1.prt", "next.vtc"},
       "^"},
      {"quote without its end runs to the line end",
       "1 \"/my data/a.prt\r\nb.vtc",
       1,
       {"/my data/a.prt", "b.vtc"},
       "^"},
      {"no count: leading digits become the count", "12run1.prt", 12, {"run1.prt"}, "^"},
      {"no count at all", "/data/run1.prt", 0, {"/data/run1.prt"}, "^"},
      {"signed count", "-2 a.prt", -2, {"a.prt"}, "^"},
      {"count out of range saturates", "99999999999 a.prt", 2147483647, {"a.prt"}, "^"},
  };
  for (const Case& c : cases) {
    ListRead read = readList(c.content);
    ASSERT_TRUE(read.ok) << c.name;
    EXPECT_EQ(read.count, c.count) << c.name;
    EXPECT_EQ(read.entries, c.entries) << c.name;
    EXPECT_EQ(read.log.back(), c.lastLog) << c.name;
  }
}

TEST(ReadFileList, AWordTooLongIsSkippedNeverCut) {
  const std::string longest(511, 'a');
  const std::string tooLong(512, 'b');
  ListRead read = readList("2 " + longest + " " + tooLong + " c.prt");
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.entries, (std::vector<std::string>{longest, "c.prt"}));
  const Log expected = {"Number of PRT-VTC pairs: 2",
                        "Reading filenames...",
                        longest,
                        "Entry too long (more than 511 characters), skipped.",
                        "c.prt",
                        "^"};
  EXPECT_EQ(read.log, expected);

  ListRead quoted = readList("1 \"" + std::string(600, 'q') + "\" d.vtc");
  EXPECT_EQ(quoted.entries, (std::vector<std::string>{"d.vtc"}));
}

TEST(ReadFileList, UnreadableListReportsAndReadsNothing) {
  FakeHost host;
  TempDir dir;
  int count = 5;
  std::vector<std::string> entries;
  const std::string missing = dir.file("missing%d.txt");
  EXPECT_FALSE(readFileList(missing.c_str(), count, entries));
  // A folder opens on some systems but cannot be read.
  EXPECT_FALSE(readFileList(dir.path().string().c_str(), count, entries));
  EXPECT_TRUE(entries.empty());
  const Log expected = {"Unable to open the file list: " + missing,
                        "Unable to open the file list: " + dir.path().string()};
  EXPECT_EQ(FakeHost::log(), expected);
}

TEST(ClassifyListEntry, FirstMarkFoundAnywhereWins) {
  struct Case {
    const char* entry;
    ListEntryKind kind;
  };
  const Case cases[] = {
      {"/data/s01/run1.prt", ProtocolEntry},
      {"/data/x.prt.old/run1.vtc", ProtocolEntry},
      {"/data/run1.vtc", VtcEntry},
      {"/data/run1_3DMC_HR.sdm", MotionEntry},
      {"/data/design_HRF.sdm", HeartRateEntry},
      {"/data/run1_RVT.rtc", RespirationEntry},
      {"/data/run1.PRT", OtherEntry},
      {"/data/run1_3dmc.sdm", OtherEntry},
      {"", OtherEntry},
  };
  for (const Case& c : cases) EXPECT_EQ(classifyListEntry(c.entry), c.kind) << c.entry;
}

}  // namespace
