// File lists that cannot be read: a folder picked in the file dialog, a list inside a folder
// that the user may not enter, a list the user may not read, and a readable list whose confound
// files lie in such a folder. The run reports it, reads and writes nothing it should not, and
// ends in order. The permission cases run as an ordinary user in a child process, so that they
// hold when the tests run as root.

#ifndef _WIN32
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "batch/batch_driver.h"
#include "tests/support/child_process.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_dir.h"

namespace {

using Strings = std::vector<std::string>;
namespace fs = std::filesystem;

// A run over the list at path; returns its log.
Strings runOver(const std::string& path) {
  ScriptedHost host;
  host.yesNoAnswers = {1, 0, 0};
  host.fileAnswer = path;
  host.conditions = {{"A", {1}, {5}}};
  const bool result = runBatch();
  Strings log = host.log;
  log.push_back(result ? "result: true" : "result: false");
  if (!host.callsOf("nzLinkVTCToCurrentVMR").empty()) log.push_back("linked a VTC");
  return log;
}

bool contains(const Strings& log, const std::string& line) {
  return std::find(log.begin(), log.end(), line) != log.end();
}

// What a run over a list it cannot read must end with.
void expectUnreadable(const Strings& log, const std::string& path, const char* what) {
  ASSERT_GE(log.size(), 3u) << what;
  EXPECT_EQ(Strings(log.end() - 3, log.end()),
            (Strings{"Unable to open the file list: " + path, "Finished.\n", "result: true"}))
      << what;
}

TEST(UnreadableFileList, AFolderPickedAsTheListEndsTheRunInOrder) {
  TempDir dir;
  fs::create_directory(dir.path() / "run1.prt");
  expectUnreadable(runOver(dir.path().string()), dir.path().string(), "a folder");
  expectUnreadable(runOver((dir.path() / "run1.prt").string()), (dir.path() / "run1.prt").string(),
                   "a folder named like a protocol");
}

TEST(UnreadableFileList, ListsAndConfoundFilesBehindPermissions) {
  if (!permissionsCanBeEnforced()) GTEST_SKIP() << "cannot run as an ordinary user";
  TempDir dir;
  const std::string group = "1\n" + dir.file("task.prt") + "\n" + dir.file("run1.vtc") + "\n";
  const std::string closed = dir.write("closed/list.txt", group);
  const std::string unreadable = dir.write("unreadable.txt", group);
  const std::string motion = dir.write("hidden/run1_3DMC.sdm", "FileVersion: 1\n");
  const std::string withHidden = dir.write("with_hidden.txt", group + motion + "\n");
  fs::permissions(dir.path() / "closed", fs::perms::none);
  fs::permissions(unreadable, fs::perms::none);
  fs::permissions(dir.path() / "hidden", fs::perms::none);

  const ChildOutcome outcome = runInChild({-1, true}, [&] {
    Strings all;
    for (const std::string& path : {closed, unreadable, withHidden}) {
      const Strings log = runOver(path);
      all.insert(all.end(), log.begin(), log.end());
      all.push_back("--");
    }
    return all;
  });
  fs::permissions(dir.path() / "closed", fs::perms::owner_all);
  fs::permissions(dir.path() / "hidden", fs::perms::owner_all);
  ASSERT_TRUE(outcome.completed) << outcome.problem;

  std::vector<Strings> runs(1);
  for (const std::string& line : outcome.lines) {
    if (line == "--") {
      runs.emplace_back();
    } else {
      runs.back().push_back(line);
    }
  }
  ASSERT_EQ(runs.size(), 4u);
  expectUnreadable(runs[0], closed, "a list in a folder that cannot be entered");
  EXPECT_FALSE(contains(runs[0], "linked a VTC"));
  expectUnreadable(runs[1], unreadable, "a list that cannot be read");
  // The list is read; its confound file cannot be opened, so nothing is merged.
  const Strings& hidden = runs[2];
  EXPECT_TRUE(contains(hidden, "Adding " + motion + " for SDM..."));
  EXPECT_TRUE(contains(hidden, "Unable to open the motion estimates file."));
  EXPECT_TRUE(contains(hidden,
                       "Confound file(s) could not be read: no merged design matrix "
                       "written."));
  EXPECT_EQ(Strings(hidden.end() - 3, hidden.end()),
            (Strings{"Finished.\n", "result: true", "linked a VTC"}));
}

}  // namespace

#endif  // _WIN32
