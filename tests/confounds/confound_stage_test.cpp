#include "confounds/confound_stage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "confounds/confound_merge.h"
#include "tests/confounds/temp_folder.h"
#include "tests/support/fake_host.h"

namespace {

using Log = std::vector<std::string>;

const char* const kDesignMatrix =
    "V 1\nP 3\nR 3\nC 1\nF 3\n\n255 0 0 0 255 0 255 255 255\nA B C\n"
    "0.5 0 1\n0.25 0.125 1\n0 0.75 1\n";

const char* const kMotionNamesAndRows =
    "\"Tx\" \"Ty\" \"Tz\" \"Rx\" \"Ry\" \"Rz\"\n1 2 3 4 5 6\n2 3 4 5 6 7\n3 4 5 6 7 9\n";

std::string motionRtc() {
  return std::string("V 1 K x P 6 R 3\n") + kMotionNamesAndRows;
}

std::string motionSdm() {
  return std::string("V 1 P 6 R 3 C 0 F 1\n1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 9\n") +
         kMotionNamesAndRows;
}

const char* const kHeartRateRtc = "V 1 K x P 1 R 3\n\"Heart rate\"\n70\n72\n74\n";

std::string respirationSdm(int rows) {
  std::string text =
      "V 1 P 2 R " + std::to_string(rows) + " C 1 F 1\n255 0 0 255 255 255\n\"RVT\" \"Constant\"\n";
  for (int r = 0; r < rows; ++r) text += std::to_string(r) + ".5 1\n";
  return text;
}

std::string report(int predictors, int points, int constant) {
  return "Fileversion: 1\nNr of Predictors: " + std::to_string(predictors) +
         "\nNr of datapoints: " + std::to_string(points) +
         "\nIncludes constant: " + std::to_string(constant) + "\nFirst confound: 1";
}

// A protocol group's design matrix and confound files in a folder of their own.
class ConfoundStage : public ::testing::Test {
 protected:
  ConfoundStage() : sdm_(folder_.write("run1_task.sdm", kDesignMatrix)) {}

  ListEntry entry(const std::string& name, const std::string& text, ListEntryKind kind) {
    return ListEntry{folder_.write(name, text), kind};
  }

  bool has(const std::string& line) const {
    const Log& log = FakeHost::log();
    return std::find(log.begin(), log.end(), line) != log.end();
  }

  FakeHost host_;
  TempFolder folder_;
  std::string sdm_;
};

TEST_F(ConfoundStage, MergesSomeKindsWithTheirReadersInKindOrder) {
  // Heart rate listed first; the motion file is still read first.
  std::vector<ListEntry> entries = {entry("run1_HR.rtc", kHeartRateRtc, HeartRateEntry),
                                    entry("notes.txt", "x", OtherEntry),
                                    entry("run1_3DMC.sdm", motionSdm(), MotionEntry)};
  runConfoundStage(entries, sdm_, true);
  const std::string output = folder_.file("run1_task_3DMC_z_HR_z.sdm");
  EXPECT_EQ(FakeHost::log(), (Log{
                                 "Adding " + entries[0].path + " for SDM...",
                                 "Adding " + entries[2].path + " for SDM...",
                                 "Reading file: " + entries[2].path,
                                 report(6, 3, 0),
                                 "Reading colors...",
                                 "Reading motion estimates...",
                                 "Reading file: " + entries[0].path,
                                 report(1, 3, 0),
                                 "Adding colors...",
                                 "Reading confounds...",
                                 "z-transform predictor...",
                                 "New filename: " + output,
                             }));
  const std::string text = readFileText(output);
  EXPECT_NE(text.find("\t\"Heart rate\"\t\tC"), std::string::npos);
  EXPECT_NE(text.find("0.5\t0\t-1.22474\t-1.22474\t-1.22474\t-1.22474\t-1.22474\t-1.06904\t"
                      "-1.224745\t1.000000"),
            std::string::npos);
}

TEST_F(ConfoundStage, WithoutTheZTransformNamesThePlainSuffixes) {
  std::vector<ListEntry> entries = {entry("run1_HR.rtc", kHeartRateRtc, HeartRateEntry),
                                    entry("run1_RVT.sdm", respirationSdm(3), RespirationEntry)};
  runConfoundStage(entries, sdm_, false);
  EXPECT_FALSE(has("z-transform predictor..."));
  EXPECT_EQ(FakeHost::log().back(), "New filename: " + folder_.file("run1_task_HR_RVT.sdm"));
  EXPECT_TRUE(std::filesystem::exists(folder_.file("run1_task_HR_RVT.sdm")));
}

// All three kinds go to the merge of all, which wants exactly the design matrix's data points; a
// longer respiration file shows which merge ran.
TEST_F(ConfoundStage, AllThreeKindsTakeTheMergeOfAll) {
  std::vector<ListEntry> entries = {entry("run1_RVT.sdm", respirationSdm(3), RespirationEntry),
                                    entry("run1_3DMC.rtc", motionRtc(), MotionEntry),
                                    entry("run1_HR.rtc", kHeartRateRtc, HeartRateEntry)};
  runConfoundStage(entries, sdm_, true);
  EXPECT_EQ(FakeHost::log().back(),
            "New filename: " + folder_.file("run1_task_3DMC_z_HR_z_RVT_z.sdm"));
  EXPECT_TRUE(std::filesystem::exists(folder_.file("run1_task_3DMC_z_HR_z_RVT_z.sdm")));

  FakeHost::clear();
  entries[0] = entry("run1_RVT.sdm", respirationSdm(4), RespirationEntry);
  runConfoundStage(entries, sdm_, false);
  EXPECT_EQ(FakeHost::log().back(),
            "Number of datapoints in *.sdm/*.rtc file(s) does not match the design matrix!");
  EXPECT_FALSE(std::filesystem::exists(folder_.file("run1_task_3DMC_HR_RVT.sdm")));
}

TEST_F(ConfoundStage, TheLastFileOfAKindWins) {
  std::vector<ListEntry> entries = {entry("first_3DMC.sdm", "not a motion file", MotionEntry),
                                    entry("second_3DMC.sdm", motionSdm(), MotionEntry)};
  runConfoundStage(entries, sdm_, false);
  EXPECT_TRUE(has("Adding " + entries[0].path + " for SDM..."));
  EXPECT_TRUE(has("Adding " + entries[1].path + " for SDM..."));
  EXPECT_FALSE(has("Reading file: " + entries[0].path));
  EXPECT_TRUE(has("Reading file: " + entries[1].path));
  EXPECT_TRUE(std::filesystem::exists(folder_.file("run1_task_3DMC.sdm")));
}

// The form is RTC when ".rtc" occurs anywhere in the path, case sensitive.
TEST_F(ConfoundStage, PicksTheFormBySubstring) {
  std::filesystem::create_directory(folder_.file("old.rtc"));
  std::vector<ListEntry> inRtcFolder = {entry("old.rtc/run1_3DMC.sdm", motionRtc(), MotionEntry)};
  runConfoundStage(inRtcFolder, sdm_, false);
  EXPECT_TRUE(has("Adding colors..."));
  EXPECT_TRUE(std::filesystem::exists(folder_.file("run1_task_3DMC.sdm")));

  FakeHost::clear();
  std::vector<ListEntry> upperCase = {entry("run1_3DMC.RTC", motionSdm(), MotionEntry)};
  runConfoundStage(upperCase, sdm_, false);
  EXPECT_TRUE(has("Reading colors..."));
  EXPECT_FALSE(has("Adding colors..."));
}

TEST_F(ConfoundStage, WithoutConfoundsLogsSoAndWritesNothing) {
  const std::vector<std::vector<ListEntry>> groups = {
      {},
      {entry("run1.vtc", "v", VtcEntry), entry("notes.txt", "x", OtherEntry)},
  };
  for (const std::vector<ListEntry>& entries : groups) {
    FakeHost::clear();
    runConfoundStage(entries, sdm_, true);
    EXPECT_EQ(FakeHost::log(), (Log{"No confounds found for this protocol."}));
  }
  FakeHost::clear();
  std::vector<ListEntry> motion = {entry("run1_3DMC.sdm", motionSdm(), MotionEntry)};
  runConfoundStage(motion, "", true);
  EXPECT_EQ(FakeHost::log(), (Log{"No confounds found for this protocol."}));
  EXPECT_EQ(folder_.entries(),
            (std::vector<std::string>{"notes.txt", "run1.vtc", "run1_3DMC.sdm", "run1_task.sdm"}));
}

// A file that is missing or damaged stops the merge before the z-transform and the writer; an
// older merged file stays as it was.
TEST_F(ConfoundStage, MergesOnlyFilesThatWereReadWhole) {
  const std::string output = folder_.write("run1_task_3DMC_HR.sdm", "older\n");
  ListEntry missing{folder_.file("gone_HR.rtc"), HeartRateEntry};
  std::vector<ListEntry> groups[] = {
      {entry("run1_3DMC.sdm", motionSdm(), MotionEntry), missing},
      {ListEntry{folder_.file("run1_3DMC.sdm"), MotionEntry},
       entry("bad_HR.rtc", "V 1 K x P 1 R 3 \"H\" 70 nan 74", HeartRateEntry)},
  };
  const std::vector<std::string> before = folder_.entries();
  for (const std::vector<ListEntry>& entries : groups) {
    FakeHost::clear();
    runConfoundStage(entries, sdm_, true);
    EXPECT_EQ(FakeHost::log().back(),
              "Confound file(s) could not be read: no merged design matrix written.");
    EXPECT_FALSE(has("z-transform predictor..."));
    EXPECT_EQ(readFileText(output), "older\n");
  }
  EXPECT_TRUE(has("Problem with reading *.rtc file. Please check results."));
  EXPECT_EQ(folder_.entries(), before);
}

TEST(ConfoundMerges, ReturnTheWritersName) {
  FakeHost host;
  TempFolder folder;
  std::string sdm = folder.write("x.sdm", kDesignMatrix);
  std::string motion = folder.write("m_3DMC.rtc", motionRtc());
  std::string heartRate = folder.write("h_HR.rtc", kHeartRateRtc);
  std::string respiration = folder.write("r_RVT.sdm", respirationSdm(3));
  // A path whose flag is clear is not looked at.
  EXPECT_EQ(mergeConfounds(sdm, nullptr, heartRate.c_str(), nullptr, false, false, true, false),
            folder.file("x_HR.sdm"));
  EXPECT_EQ(mergeAllConfounds(sdm, motion.c_str(), heartRate.c_str(), respiration.c_str(), false),
            folder.file("x_3DMC_HR_RVT.sdm"));
  EXPECT_EQ(mergeConfounds(sdm, folder.file("none.rtc").c_str(), nullptr, nullptr, false, true,
                           false, false),
            "");
}

}  // namespace
