// Faults of the disk and of the files around a merge, injected in a child process where the
// test process must not take them on: an output folder that cannot be written, a disk that fills
// up while the merged file is written (a file-size limit), and confound files that vanish or are
// cut between the reading of the file list and their opening. In every case the plug-in logs the
// fault, writes no merged design matrix, leaves no temporary file and keeps an older merged file
// byte for byte.

#ifndef _WIN32
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "batch/batch_driver.h"
#include "confounds/confound_merge.h"
#include "tests/confounds/temp_folder.h"
#include "tests/support/child_process.h"
#include "tests/support/fake_host.h"
#include "tests/support/scripted_host.h"

namespace {

using Log = std::vector<std::string>;

const char* const kOlder = "an older merged design matrix\n";
const char* const kWriteFailed =
    "Unable to write the merged design matrix: no merged design matrix written.";
const char* const kNotRead = "Confound file(s) could not be read: no merged design matrix written.";

// A design matrix of rows rows: one predictor and the constant.
std::string designMatrix(int rows) {
  std::string text =
      "FileVersion: 1\n\nNrOfPredictors: 2\nNrOfDataPoints: " + std::to_string(rows) +
      "\nIncludesConstant: 1\nFirstConfoundPredictor: 2\n\n255 0 0 255 255 255\n"
      "\"Faces\" \"Constant\"\n";
  for (int r = 0; r < rows; ++r) text += std::to_string(r % 7) + ".25 1\n";
  return text;
}

std::string motionSdm(int rows) {
  std::string text = "FileVersion: 1\nNrOfPredictors: 6\nNrOfDataPoints: " + std::to_string(rows) +
                     "\nIncludesConstant: 0\nFirstConfoundPredictor: 1\n\n"
                     "255 0 0 0 255 0 0 0 255 255 255 0 255 0 255 0 255 255\n"
                     "\"Translation X [mm]\" \"Translation Y [mm]\" \"Translation Z [mm]\" "
                     "\"Rotation X [deg]\" \"Rotation Y [deg]\" \"Rotation Z [deg]\"\n";
  for (int r = 0; r < rows; ++r) {
    text += "0.01 -0.02 0.03 " + std::to_string(r) + ".5 0.001 -0.004\n";
  }
  return text;
}

bool contains(const Log& log, const std::string& line) {
  return std::find(log.begin(), log.end(), line) != log.end();
}

// The merge of a design matrix and a motion file in the SDM form, as the confound stage runs it.
Log mergeMotion(const std::string& sdm, const std::string& motion) {
  FakeHost host;
  mergeConfounds(sdm, motion.c_str(), nullptr, nullptr, false, true, false, false);
  return FakeHost::log();
}

class MergeFaults : public ::testing::Test {
 protected:
  static constexpr int kRows = 20000;

  MergeFaults()
      : sdm_(folder_.write("run1_task.sdm", designMatrix(kRows))),
        motion_(folder_.write("run1_3DMC.sdm", motionSdm(kRows))),
        output_(folder_.file("run1_task_3DMC.sdm")) {}

  // Puts an older merged file under the output name; returns the folder's entries.
  std::vector<std::string> withOlderOutput() {
    folder_.write("run1_task_3DMC.sdm", kOlder);
    return folder_.entries();
  }

  TempFolder folder_;
  std::string sdm_;
  std::string motion_;
  std::string output_;
};

TEST_F(MergeFaults, AnOutputFolderThatCannotBeWrittenGetsNoFile) {
  if (!permissionsCanBeEnforced()) GTEST_SKIP() << "cannot run as an ordinary user";
  const std::vector<std::string> before = withOlderOutput();
  std::filesystem::permissions(folder_.file(""),
                               std::filesystem::perms::owner_write |
                                   std::filesystem::perms::group_write |
                                   std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  const ChildOutcome child = runInChild({-1, true}, [&] { return mergeMotion(sdm_, motion_); });
  std::filesystem::permissions(folder_.file(""), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  ASSERT_TRUE(child.completed) << child.problem;
  ASSERT_GE(child.lines.size(), 2u);
  EXPECT_EQ(Log(child.lines.end() - 2, child.lines.end()),
            (Log{"New filename: " + output_, "Unable to open a file for writing."}));
  EXPECT_EQ(readFileText(output_), kOlder);
  EXPECT_EQ(folder_.entries(), before);
}

// The disk fills up at several points of the merged file: its first byte, within the rows, and
// its last byte. With room for exactly the whole file the merge succeeds, which shows that the
// limit is where the test puts it.
TEST_F(MergeFaults, ADiskThatFillsUpLeavesTheOlderFileAsItWas) {
  std::string whole;
  {
    TempFolder other;
    const std::string sdm = other.write("run1_task.sdm", designMatrix(kRows));
    const Log log = mergeMotion(sdm, other.write("run1_3DMC.sdm", motionSdm(kRows)));
    ASSERT_EQ(log.back(), "New filename: " + other.file("run1_task_3DMC.sdm"));
    whole = readFileText(other.file("run1_task_3DMC.sdm"));
  }
  ASSERT_GT(whole.size(), 3u * 65536u);
  const long long size = static_cast<long long>(whole.size());
  for (long long limit : {0LL, 1000LL, size / 2, size - 1}) {
    const std::vector<std::string> before = withOlderOutput();
    const ChildOutcome child =
        runInChild({limit, false}, [&] { return mergeMotion(sdm_, motion_); });
    ASSERT_TRUE(child.completed) << child.problem;
    EXPECT_EQ(Log(child.lines.end() - 2, child.lines.end()),
              (Log{"New filename: " + output_, kWriteFailed}))
        << "limit " << limit;
    EXPECT_EQ(readFileText(output_), kOlder) << "limit " << limit;
    EXPECT_EQ(folder_.entries(), before) << "limit " << limit;
  }
  const ChildOutcome roomEnough =
      runInChild({size, false}, [&] { return mergeMotion(sdm_, motion_); });
  ASSERT_TRUE(roomEnough.completed) << roomEnough.problem;
  EXPECT_EQ(roomEnough.lines.back(), "New filename: " + output_);
  EXPECT_EQ(readFileText(output_), whole);
}

// A run whose motion file changes after the file list was read: the host's saving of the design
// matrix (between the reading of the list and the opening of the confound files) writes the
// design matrix and then applies the fault.
std::function<void()> pendingFault;

int saveThenFault(const char* name) {
  ScriptedHost::current().savedNames.push_back(name);
  std::ofstream(name, std::ios::binary) << designMatrix(10);
  if (pendingFault) pendingFault();
  return 1;
}

TEST(ConfoundFileFaults, AFileThatVanishesOrIsCutAfterTheListWasReadIsNotMerged) {
  const std::string motionText = motionSdm(10);
  const std::string problem = "Problem with reading *.sdm file. Please check results.";
  struct Case {
    const char* what;
    std::function<void(const std::string&)> fault;
    std::string readerLine;  // the reader's last line
  };
  const Case cases[] = {
      {"vanished", [](const std::string& path) { std::filesystem::remove(path); },
       "Unable to open the motion estimates file."},
      {"emptied", [](const std::string& path) { std::filesystem::resize_file(path, 0); }, problem},
      {"cut in the header", [](const std::string& path) { std::filesystem::resize_file(path, 40); },
       problem},
      {"cut in the names",
       [&](const std::string& path) {
         std::filesystem::resize_file(path, motionText.find("Rotation"));
       },
       problem},
      {"cut in the last row",
       [&](const std::string& path) { std::filesystem::resize_file(path, motionText.size() - 8); },
       problem},
      {"replaced by a folder",
       [](const std::string& path) {
         std::filesystem::remove(path);
         std::filesystem::create_directory(path);
       },
       problem},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::string motion = folder.write("run1_3DMC.sdm", motionText);
    const std::string older = folder.write("run1_task_3DMC.sdm", kOlder);
    const std::string list =
        folder.write("list.txt", "1\n" + folder.file("task.prt") + "\n" + folder.file("run1.vtc") +
                                     "\n" + motion + "\n");
    ScriptedHost host;
    hostApi.nzSaveSingleStudyGLMDesignMatrix = saveThenFault;
    pendingFault = [&] { c.fault(motion); };
    host.yesNoAnswers = {1, 0, 0};
    host.fileAnswer = list;
    host.conditions = {{"A", {1}, {5}}};
    EXPECT_TRUE(runBatch()) << c.what;
    pendingFault = nullptr;

    EXPECT_TRUE(contains(host.log, "Reading file: " + motion)) << c.what;
    EXPECT_TRUE(contains(host.log, c.readerLine)) << c.what;
    EXPECT_TRUE(contains(host.log, kNotRead)) << c.what;
    EXPECT_FALSE(contains(host.log, "New filename: " + older)) << c.what;
    EXPECT_EQ(readFileText(older), kOlder) << c.what;
    EXPECT_EQ(host.log.back(), "Finished.\n") << c.what;
    std::vector<std::string> entries = folder.entries();
    entries.erase(std::remove(entries.begin(), entries.end(), "run1_3DMC.sdm"), entries.end());
    EXPECT_EQ(entries,
              (std::vector<std::string>{"list.txt", "run1_task.sdm", "run1_task_3DMC.sdm"}))
        << c.what;
  }
}

}  // namespace

#endif  // _WIN32
