// File lists with damage: a NUL character inside a word (found by the fuzzer), and a file that
// is no list at all. The host is handed each entry as a NUL-terminated path, so a word holding a
// NUL would reach it as the text before the NUL while being classified by the whole word
// ("a\0.prt" taken for a protocol, "a" handed on). Such a word is skipped with a log line, as an
// over-long one is.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <chrono>
#include <csignal>
#include <cstdio>
#include <future>
#include <string>
#include <thread>
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

#ifndef _WIN32
// A data file picked as the list by mistake (a VTC of gigabytes, say) soon holds a one-character
// word, where the list ends; it must be read no further. The list here comes through a pipe that
// stays open, after a block of filler: a reader that reads on to the end of its file waits until
// the writer gives up.
TEST(DamagedFileList, AFileIsReadOnlyAsFarAsItsListGoes) {
  TempDir dir;
  const std::string pipePath = dir.file("list.txt");
  ASSERT_EQ(mkfifo(pipePath.c_str(), 0600), 0);
  // The reader closes the pipe while the writer still writes: a failed write, not a signal.
  const auto previousHandler = std::signal(SIGPIPE, SIG_IGN);
  std::promise<void> done;
  std::future<void> finished = done.get_future();
  std::thread writer([&] {
    std::FILE* out = std::fopen(pipePath.c_str(), "wb");
    if (out == nullptr) return;
    const std::string head = "1 /d/a.prt /d/a.vtc x ";
    std::fwrite(head.data(), 1, head.size(), out);
    const std::string filler(1024 * 1024, 'z');
    std::fwrite(filler.data(), 1, filler.size(), out);
    std::fflush(out);
    finished.wait_for(std::chrono::seconds(10));
    std::fclose(out);
  });
  FakeHost host;
  int count = 0;
  std::vector<std::string> entries;
  const auto start = std::chrono::steady_clock::now();
  const bool read = readFileList(pipePath.c_str(), count, entries);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  done.set_value();
  writer.join();
  std::signal(SIGPIPE, previousHandler);
  EXPECT_TRUE(read);
  EXPECT_EQ(entries, (Strings{"/d/a.prt", "/d/a.vtc"}));
  EXPECT_EQ(FakeHost::log().back(), "x");
  EXPECT_LT(seconds, 5.0);
}
#endif
