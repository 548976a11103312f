// A whole run with every path at the limit of its 512-byte buffer: the file list's own path, the
// VTC path, the design-matrix name and the confound files, each of 511 characters (and one
// character more where a longer one must be refused). Nothing may be cut that names a file;
// only log lines are cut, to their buffers.

// Windows opens paths this long only with long-path support enabled.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "batch/batch_driver.h"
#include "tests/support/long_paths.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_dir.h"

namespace {

using Strings = std::vector<std::string>;

constexpr int kRows = 10;

// The design matrix the host saves: one condition predictor and the constant.
std::string designMatrixText() {
  std::string text =
      "FileVersion: 1\n\nNrOfPredictors: 2\nNrOfDataPoints: 10\nIncludesConstant: 1\n"
      "FirstConfoundPredictor: 2\n\n255 0 0 255 255 255\n\"A\" \"Constant\"\n";
  for (int r = 0; r < kRows; ++r) text += (r % 2 == 0 ? "0 1\n" : "0.5 1\n");
  return text;
}

std::string motionText() {
  std::string text =
      "FileVersion: 1\nNrOfPredictors: 6\nNrOfDataPoints: 10\nIncludesConstant: 0\n"
      "FirstConfoundPredictor: 1\n255 0 0 0 255 0 0 0 255 255 255 0 255 0 255 0 255 255\n"
      "\"Tx\" \"Ty\" \"Tz\" \"Rx\" \"Ry\" \"Rz\"\n";
  for (int r = 0; r < kRows; ++r) text += "0.1 0.2 0.3 0.4 0.5 " + std::to_string(r) + "\n";
  return text;
}

std::string heartRateText() {
  std::string text =
      "FileVersion: 1\nType: DesignMatrix\nNrOfPredictors: 1\nNrOfDataPoints: 10\n"
      "\"HeartRate\"\n";
  for (int r = 0; r < kRows; ++r) text += std::to_string(60 + r) + "\n";
  return text;
}

// Saves the design matrix as the host does: a file under the name it is given.
int saveWritingTheFile(const char* name) {
  ScriptedHost::current().savedNames.push_back(name);
  std::ofstream(name, std::ios::binary) << designMatrixText();
  return 1;
}

bool logged(const ScriptedHost& host, const std::string& line) {
  return std::find(host.log.begin(), host.log.end(), line) != host.log.end();
}

TEST(PathLimits, EveryPathOf511CharactersGoesThroughARunWhole) {
  TempDir dir;
  const std::string list = pathOfLength(dir.path() / "list", 511, ".txt");
  // "<VTC path without .vtc>_task.sdm": 511 characters from a VTC path of 506, 512 from 507.
  const std::string vtc = pathOfLength(dir.path() / "v1", 506, ".vtc");
  const std::string vtcTooLong = pathOfLength(dir.path() / "v2", 507, ".vtc");
  const std::string motion = pathOfLength(dir.path() / "m", 511, "_3DMC.sdm");
  const std::string heartRate = pathOfLength(dir.path() / "h", 511, "_HR.rtc");
  std::ofstream(motion, std::ios::binary) << motionText();
  std::ofstream(heartRate, std::ios::binary) << heartRateText();
  std::ofstream(list, std::ios::binary) << "2\n/p/task.prt\n"
                                        << vtc << "\n"
                                        << motion << "\n"
                                        << heartRate << "\n/p/task.prt\n"
                                        << vtcTooLong << "\n"
                                        << motion << "\n";

  ScriptedHost host;
  hostApi.nzSaveSingleStudyGLMDesignMatrix = saveWritingTheFile;
  host.numberOfVolumes = kRows;
  host.yesNoAnswers = {1, 0, 0};
  host.fileAnswer = list;
  host.conditions = {{"A", {1}, {5}}};
  ASSERT_TRUE(runBatch());

  const std::string sdm = vtc.substr(0, vtc.size() - 4) + "_task.sdm";
  ASSERT_EQ(sdm.size(), 511u);
  const std::string merged = sdm.substr(0, sdm.size() - 4) + "_3DMC_HR.sdm";
  EXPECT_EQ(host.callsOf("nzLinkVTCToCurrentVMR"),
            (Strings{"nzLinkVTCToCurrentVMR(" + vtc + ",1)",
                     "nzLinkVTCToCurrentVMR(" + vtcTooLong + ",1)"}));
  EXPECT_EQ(host.savedNames, Strings{sdm});

  // Log lines are cut to their buffers: 511 characters in the driver, 255 in the readers and
  // the writer; "Adding %s for SDM..." is composed in a buffer that takes any entry whole.
  for (const std::string& line :
       {("Generating SDM(s) from: " + list).substr(0, 511),
        ("\nLoad " + vtc + " to VMR...").substr(0, 511), ("New SDM name: " + sdm).substr(0, 511),
        "Adding " + motion + " for SDM...", "Adding " + heartRate + " for SDM...",
        ("Reading file: " + motion).substr(0, 255), ("Reading file: " + heartRate).substr(0, 255),
        ("New filename: " + merged).substr(0, 255)}) {
    EXPECT_TRUE(logged(host, line)) << line.substr(0, 40);
  }
  // The second group's name does not fit its buffer: never cut, nothing saved or merged.
  EXPECT_TRUE(logged(host, "Design matrix name too long: not saved."));
  EXPECT_TRUE(logged(host, "New SDM name: "));
  EXPECT_TRUE(logged(host, "No design matrix saved for this protocol: confounds not merged."));
  EXPECT_EQ(host.log.back(), "Finished.\n");

  const std::string text = readFile(merged);
  EXPECT_EQ(text.rfind("FileVersion: 1\n\nNrOfPredictors: 9\nNrOfDataPoints: 10\n", 0), 0u);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 9 + kRows);
}

}  // namespace

#endif  // _WIN32
