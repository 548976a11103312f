#include "confounds/merged_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <string>
#include <vector>

#include "confounds/merged_name.h"
#include "confounds/output_buffer.h"
#include "tests/confounds/temp_folder.h"
#include "tests/support/fake_host.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace {

using Log = std::vector<std::string>;

// The lines joined, each followed by the platform's line end.
std::string lines(const std::vector<std::string>& text) {
  std::string joined;
  for (const std::string& line : text) joined += line + std::string(kLineEnd);
  return joined;
}

// The design matrix of the worked examples: three predictors A, B, C and three rows.
std::string exampleInput(int includesConstant) {
  return "Version 1\nPredictors 3\nRows 3\nConstant " + std::to_string(includesConstant) +
         "\nFirst 3\n\n"
         "255 0 0   0 255 0   255 255 255\n"
         "A B C\n"
         "0.5 0 1\n"
         "0.25 0.125 1\n"
         "0 0.75 1\n";
}

ConfoundSet exampleMotion(int points = 3) {
  ConfoundSet set;
  set.nrOfPredictors = 6;
  set.nrOfDataPoints = points;
  set.motionColors = {
      {{255, 50, 50}, {50, 255, 50}, {50, 50, 255}, {255, 255, 0}, {255, 0, 255}, {0, 255, 255}}};
  set.motionColumns = {{{0.1, 0.15, 0.2},
                        {-0.2, -0.25, -0.3},
                        {0.05, 0.05, 0.1},
                        {0, 0.002, 0.004},
                        {0.01, 0.01, 0.02},
                        {-0.03, -0.035, -0.04}}};
  for (auto& column : set.motionColumns) column.resize(static_cast<std::size_t>(points), 0.5);
  return set;
}

// A heart-rate or respiration set of one predictor per name, every column of points values.
ConfoundSet tableSet(ConfoundKind kind, std::vector<std::string> names, int points,
                     bool zTransformed = false) {
  ConfoundSet set;
  set.kind = kind;
  set.nrOfPredictors = static_cast<std::int32_t>(names.size());
  set.nrOfDataPoints = points;
  set.zTransformed = zTransformed;
  for (std::size_t i = 0; i < names.size(); ++i) {
    set.colorTable.push_back({255, 255, static_cast<std::int32_t>(20 * i)});
    set.columns.emplace_back(static_cast<std::size_t>(points), 0.25 * static_cast<double>(i));
  }
  set.predictorNames = std::move(names);
  return set;
}

const char* const kMotionLabels =
    "\"Translation TW-X [mm]\"\t\"Translation TW-Y [mm]\"\t\"Translation TW-Z [mm]\"\t"
    "\"Rotation TW-X [deg]\"\t\"Rotation TW-Y [deg]\"\t\"Rotation TW-Z [deg]\"\t";

const std::string kExampleOneOutput = lines({
    "Version 1",
    "",
    "Predictors 9",
    "Rows 3",
    "Constant 1",
    "First 3",
    "",
    "255 0 0 0 255 0 255 50 50 50 255 50 50 50 255 255 255 0 255 0 255 0 255 255 255 255 255 ",
    std::string("A\tB\t") + kMotionLabels + "\tC",
    "0.5\t0\t0.1\t-0.2\t0.05\t0\t0.01\t-0.03\t1.000000",
    "0.25\t0.125\t0.15\t-0.25\t0.05\t0.002\t0.01\t-0.035\t1.000000",
    "0\t0.75\t0.2\t-0.3\t0.1\t0.004\t0.02\t-0.04\t1.000000",
});

TEST(MergedWriter, WorkedExampleWithConstantAndMotion) {
  FakeHost host;
  TempFolder folder;
  std::string input = folder.write("run1_task.sdm", exampleInput(1));
  ConfoundSet motion = exampleMotion();
  std::string name = writeMergedDesignMatrix(input, &motion, nullptr, nullptr, true, false, false);
  EXPECT_EQ(name, folder.file("run1_task_3DMC.sdm"));
  EXPECT_EQ(FakeHost::log(), (Log{"New filename: " + name}));
  EXPECT_EQ(readFileText(name), kExampleOneOutput);
  EXPECT_EQ(readFileText(input), exampleInput(1));
}

TEST(MergedWriter, WorkedExampleWithoutConstantAndZTransformedHeartRate) {
  FakeHost host;
  TempFolder folder;
  std::string input = folder.write("run1_task.sdm", exampleInput(0));
  ConfoundSet heartRate = tableSet(ConfoundKind::HeartRate, {"H"}, 3, true);
  heartRate.colorTable = {{255, 255, 0}};
  heartRate.columns = {{0.3, -1.2345678, 2}};
  std::string name =
      writeMergedDesignMatrix(input, nullptr, &heartRate, nullptr, false, true, false);
  EXPECT_EQ(name, folder.file("run1_task_HR_z.sdm"));
  EXPECT_EQ(readFileText(name), lines({
                                    "Version 1",
                                    "",
                                    "Predictors 4",
                                    "Rows 3",
                                    "Constant 0",
                                    "First 3",
                                    "",
                                    "255 0 0 0 255 0 255 255 255 255 255 0 ",
                                    "A\tB\tC\tH\t",
                                    "0.5\t0\t1\t0.300000\t",
                                    "0.25\t0.125\t1\t-1.234568\t",
                                    "0\t0.75\t1\t2.000000\t",
                                }));
}

TEST(MergedWriter, AppendsAllKindsInOrderBeforeTheConstant) {
  FakeHost host;
  TempFolder folder;
  std::string input = folder.write("run1_task.sdm", exampleInput(1));
  ConfoundSet motion = exampleMotion();
  ConfoundSet heartRate = tableSet(ConfoundKind::HeartRate, {"\"Heart rate\"", "H2"}, 3);
  ConfoundSet respiration = tableSet(ConfoundKind::Respiration, {"R"}, 3);
  std::string name = writeMergedDesignMatrixAll(input, motion, heartRate, respiration);
  EXPECT_EQ(name, folder.file("run1_task_3DMC_HR_RVT.sdm"));
  std::string text = readFileText(name);
  EXPECT_NE(text.find("Predictors 12" + std::string(kLineEnd)), std::string::npos);
  EXPECT_NE(
      text.find(" 0 255 255 255 255 0 255 255 20 255 255 0 255 255 255 " + std::string(kLineEnd)),
      std::string::npos);
  EXPECT_NE(
      text.find(std::string(kMotionLabels) + "\"Heart rate\"\tH2\tR\t\tC" + std::string(kLineEnd)),
      std::string::npos);
  EXPECT_NE(text.find("-0.03\t0.000000\t0.250000\t0.000000\t1.000000" + std::string(kLineEnd)),
            std::string::npos);
}

TEST(MergedWriter, CopiesKeysAndValuesAndNormalisesSpacing) {
  FakeHost host;
  TempFolder folder;
  std::string input = folder.write("x.sdm",
                                   "Alpha:   1\r\nBeta:\t\t2\r\nGamma: 2\r\nDelta:  7\r\nEps:"
                                   " -4\r\n\r\n1 2 3 4 5 6\r\n"
                                   "\"Face trials\"  \"Constant\"\r\n0.50 1\r\n1e-5 +2\r\n");
  ConfoundSet respiration = tableSet(ConfoundKind::Respiration, {"R"}, 2);
  std::string name =
      writeMergedDesignMatrix(input, nullptr, nullptr, &respiration, false, false, true);
  EXPECT_EQ(name, folder.file("x_RVT.sdm"));
  EXPECT_EQ(readFileText(name), lines({
                                    "Alpha: 1",
                                    "",
                                    "Beta: 3",
                                    "Gamma: 2",
                                    "Delta: 7",
                                    "Eps: -4",
                                    "",
                                    "1 2 3 255 255 0 4 5 6 ",
                                    "\"Face trials\"\tR\t\t\"Constant\"",
                                    "0.5\t0.000000\t1.000000",
                                    "1e-05\t0.000000\t2.000000",
                                }));
}

// A large design matrix runs through several buffers; every row must come out whole.
TEST(MergedWriter, StreamsALargeDesignMatrix) {
  FakeHost host;
  TempFolder folder;
  const int rows = 20000;
  std::string input = "V 1\nP 2\nR " + std::to_string(rows) + "\nC 1\nF 2\n\n1 2 3 4 5 6\nA K\n";
  std::vector<std::string> expected = {"V 1",
                                       "",
                                       "P 8",
                                       "R " + std::to_string(rows),
                                       "C 1",
                                       "F 2",
                                       "",
                                       "1 2 3 255 50 50 50 255 50 50 50 255 255 255 "
                                       "0 255 0 255 0 255 255 4 5 6 ",
                                       std::string("A\t") + kMotionLabels + "\tK"};
  ConfoundSet motion = exampleMotion(rows);
  for (auto& column : motion.motionColumns) std::fill(column.begin(), column.end(), 0.5);
  for (int r = 0; r < rows; ++r) {
    input += std::to_string(r) + ".5 1\n";
    expected.push_back(std::to_string(r) + ".5\t0.5\t0.5\t0.5\t0.5\t0.5\t0.5\t1.000000");
  }
  std::string path = folder.write("big.sdm", input);
  std::string name = writeMergedDesignMatrix(path, &motion, nullptr, nullptr, true, false, false);
  EXPECT_EQ(FakeHost::log(), (Log{"New filename: " + name}));
  const std::string text = readFileText(name);
  const std::string want = lines(expected);
  // Only the first difference: a whole-text report of this size would be unreadable.
  auto [at, wanted] = std::mismatch(text.begin(), text.end(), want.begin(), want.end());
  EXPECT_TRUE(at == text.end() && wanted == want.end())
      << "differs after: "
      << std::string(text.begin(), at).substr(std::max<std::ptrdiff_t>(0, at - text.begin() - 80));
}

TEST(MergedNames, CarryTheSuffixesOfTheSelectedKinds) {
  ConfoundSet plain;
  ConfoundSet z;
  z.zTransformed = true;
  struct Case {
    const ConfoundSet* motion;
    const ConfoundSet* heartRate;
    const ConfoundSet* respiration;
    const char* expected;
  };
  const Case cases[] = {
      {&plain, nullptr, nullptr, "run1_task_3DMC.sdm"},
      {&z, nullptr, nullptr, "run1_task_3DMC_z.sdm"},
      {nullptr, &plain, nullptr, "run1_task_HR.sdm"},
      {nullptr, nullptr, &z, "run1_task_RVT_z.sdm"},
      {&plain, nullptr, &plain, "run1_task_3DMC_RVT.sdm"},
      {nullptr, &plain, &plain, "run1_task_HR_RVT.sdm"},
      {&z, &z, &plain, "run1_task_3DMC_z_HR_z_RVT.sdm"},
      {&z, &z, &z, "run1_task_3DMC_z_HR_z_RVT_z.sdm"},
      {nullptr, nullptr, nullptr, "run1_task.sdm"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(mergedNameOfSelection("run1_task.sdm", c.motion, c.heartRate, c.respiration),
              c.expected);
  }
  EXPECT_EQ(mergedNameOfAll("x.sdm", true), "x_3DMC_z_HR_z_RVT_z.sdm");
  EXPECT_EQ(mergedNameOfAll("x.sdm", false), "x_3DMC_HR_RVT.sdm");
  EXPECT_THROW(mergedNameOfSelection("abc", &plain, nullptr, nullptr), std::out_of_range);
  EXPECT_THROW(mergedNameOfSelection("abc", nullptr, nullptr, nullptr), std::out_of_range);
}

TEST(MergedWriter, AllNamesByTheMotionSetAlone) {
  FakeHost host;
  TempFolder folder;
  std::string input = folder.write("x.sdm", exampleInput(0));
  ConfoundSet motion = exampleMotion();
  motion.zTransformed = true;
  ConfoundSet heartRate = tableSet(ConfoundKind::HeartRate, {"H"}, 3, true);
  ConfoundSet respiration = tableSet(ConfoundKind::Respiration, {"R"}, 3, false);
  EXPECT_EQ(writeMergedDesignMatrixAll(input, motion, heartRate, respiration),
            folder.file("x_3DMC_z_HR_z_RVT_z.sdm"));
  EXPECT_EQ(writeMergedDesignMatrix(input, &motion, &heartRate, &respiration, true, true, true),
            folder.file("x_3DMC_z_HR_z_RVT.sdm"));
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"x.sdm", "x_3DMC_z_HR_z_RVT.sdm",
                                                        "x_3DMC_z_HR_z_RVT_z.sdm"}));
}

std::string inputOfRows(int rows) {
  std::string text = "V 1 P 1 R " + std::to_string(rows) + " C 0 F 1 1 2 3 A\n";
  for (int r = 0; r < rows; ++r) text += std::to_string(r) + "\n";
  return text;
}

TEST(MergedWriter, ChecksTheDataPointsOfItsSets) {
  TempFolder folder;
  std::string input = folder.write("x.sdm", inputOfRows(120));
  const std::string notSufficient = "Number of datapoints in *.sdm/*.rtc file(s) not sufficient!";
  {
    FakeHost host;
    ConfoundSet motion = exampleMotion(100);
    std::string name =
        writeMergedDesignMatrix(input, &motion, nullptr, nullptr, true, false, false);
    EXPECT_EQ(FakeHost::log(), (Log{"New filename: " + name, notSufficient}));
  }
  {
    FakeHost host;
    ConfoundSet motion = exampleMotion(100);
    ConfoundSet heartRate = tableSet(ConfoundKind::HeartRate, {"H"}, 119);
    ConfoundSet respiration = tableSet(ConfoundKind::Respiration, {"R"}, 120);
    std::string name =
        writeMergedDesignMatrix(input, &motion, &heartRate, &respiration, true, true, true);
    EXPECT_EQ(FakeHost::log(), (Log{"New filename: " + name, notSufficient, notSufficient}));
  }
  {
    FakeHost host;
    ConfoundSet motion = exampleMotion(120);
    ConfoundSet heartRate = tableSet(ConfoundKind::HeartRate, {"H"}, 120);
    ConfoundSet respiration = tableSet(ConfoundKind::Respiration, {"R"}, 130);
    std::string name = writeMergedDesignMatrixAll(input, motion, heartRate, respiration);
    EXPECT_EQ(
        FakeHost::log(),
        (Log{"New filename: " + name,
             "Number of datapoints in *.sdm/*.rtc file(s) does not match the design matrix!"}));
  }
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"x.sdm"});
  {
    // Longer sets pass; their values after the design matrix's rows are not used.
    FakeHost host;
    ConfoundSet motion = exampleMotion(130);
    motion.motionColumns[0][119] = 7.25;
    motion.motionColumns[0][120] = 9.75;
    std::string name =
        writeMergedDesignMatrix(input, &motion, nullptr, nullptr, true, false, false);
    EXPECT_EQ(FakeHost::log(), (Log{"New filename: " + name}));
    std::string text = readFileText(name);
    EXPECT_NE(text.find("119\t7.25\t"), std::string::npos);
    EXPECT_EQ(text.find("9.75"), std::string::npos);
  }
}

// Every stop logs its line and leaves the folder as it was: no new file, no temporary file,
// and an older file of the output name byte for byte as it stood.
TEST(MergedWriter, StopsLeaveNoFileAndKeepAnOlderOne) {
  const std::string unreadable =
      "Unable to read the design matrix file: no merged design matrix written.";
  const std::string damaged =
      "Problem with reading the design matrix file: no merged design matrix written.";
  struct Case {
    const char* what;
    const char* input;  // null: no input file
    std::string line;
  };
  const Case cases[] = {
      {"newer version", "V 2 P 1 R 1 C 0 F 1 1 2 3 A 1",
       "Unsupported design matrix file version 2: no merged design matrix written."},
      {"missing input", nullptr, unreadable},
      {"empty input", "", unreadable},
      {"header text", "V 1 P one R 1 C 0 F 1 1 2 3 A 1", unreadable},
      {"header ends early", "V 1 P 1 R 1 C 0", unreadable},
      {"negative rows", "V 1 P 1 R -3 C 0 F 1", unreadable},
      {"constant without predictors", "V 1 P 0 R 0 C 1 F 1", unreadable},
      {"colour text", "V 1 P 1 R 1 C 0 F 1 1 x 3 A 1", damaged},
      {"name never closed", "V 1 P 1 R 1 C 0 F 1 1 2 3 \"A\n 1", damaged},
      {"rows end early", "V 1 P 2 R 2 C 1 F 1 1 2 3 4 5 6 A B 1 2 3", damaged},
      {"nan in a row", "V 1 P 2 R 1 C 0 F 1 1 2 3 4 5 6 A B 1 nan", damaged},
      {"value out of range", "V 1 P 2 R 1 C 0 F 1 1 2 3 4 5 6 A B 1 1e400", damaged},
  };
  for (const Case& c : cases) {
    FakeHost host;
    TempFolder folder;
    std::string input = folder.file("x.sdm");
    if (c.input != nullptr) folder.write("x.sdm", c.input);
    const std::string older = "an older merged design matrix\n";
    std::string output = folder.write("x_RVT.sdm", older);
    std::vector<std::string> before = folder.entries();
    ConfoundSet respiration = tableSet(ConfoundKind::Respiration, {"R"}, 2);
    std::string name =
        writeMergedDesignMatrix(input, nullptr, nullptr, &respiration, false, false, true);
    EXPECT_EQ(name, output) << c.what;
    EXPECT_EQ(FakeHost::log(), (Log{"New filename: " + output, c.line})) << c.what;
    EXPECT_EQ(readFileText(output), older) << c.what;
    EXPECT_EQ(folder.entries(), before) << c.what;
  }
}

TEST(MergedWriter, NeverWritesOverItsInput) {
  FakeHost host;
  TempFolder folder;
  std::string input = folder.write("x.sdm", exampleInput(1));
  ConfoundSet motion = exampleMotion();
  EXPECT_EQ(writeMergedDesignMatrix(input, &motion, nullptr, nullptr, false, false, false), input);
  EXPECT_EQ(FakeHost::log(),
            (Log{"New filename: " + input,
                 "Output name equals the input name: no merged design matrix written."}));
  EXPECT_EQ(readFileText(input), exampleInput(1));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"x.sdm"});
}

TEST(MergedWriter, ReportsAnOutputThatCannotBeOpened) {
  FakeHost host;
  TempFolder folder;
  folder.write("x.sdm", exampleInput(0));
  std::string input = folder.file("no-such-folder/x.sdm");
  ConfoundSet motion = exampleMotion();
  std::string name = writeMergedDesignMatrix(input, &motion, nullptr, nullptr, true, false, false);
  EXPECT_EQ(FakeHost::log(), (Log{"New filename: " + name, "Unable to open a file for writing."}));
}

TEST(MergedWriter, RefusesSetsThatDoNotHoldTheirData) {
  TempFolder folder;
  std::string input = folder.write("x.sdm", exampleInput(0));
  const std::string anyError =
      "Error while converting PRT to SDM with any of 3DMC, heart rate and respiration files.";
  // A motion set whose reading stopped after the header, and one of another count.
  ConfoundSet unread;
  unread.nrOfPredictors = 6;
  unread.nrOfDataPoints = 3;
  ConfoundSet fivePredictors = exampleMotion();
  fivePredictors.nrOfPredictors = 5;
  for (const ConfoundSet* motion : {&unread, &fivePredictors}) {
    FakeHost host;
    std::string name = writeMergedDesignMatrix(input, motion, nullptr, nullptr, true, false, false);
    EXPECT_EQ(FakeHost::log(), (Log{"New filename: " + name, anyError}));
  }
  {
    FakeHost host;
    ConfoundSet heartRate = tableSet(ConfoundKind::HeartRate, {"H", "I"}, 3);
    heartRate.columns.pop_back();
    std::string name =
        writeMergedDesignMatrix(input, nullptr, &heartRate, nullptr, false, true, false);
    EXPECT_EQ(FakeHost::log(), (Log{"New filename: " + name, anyError}));
  }
  {
    FakeHost host;
    EXPECT_EQ(writeMergedDesignMatrix(input, nullptr, nullptr, nullptr, false, true, false), "");
    EXPECT_EQ(FakeHost::log(), (Log{anyError}));
  }
  {
    FakeHost host;
    ConfoundSet motion = exampleMotion();
    EXPECT_EQ(writeMergedDesignMatrix("abc", &motion, nullptr, nullptr, true, false, false), "");
    EXPECT_EQ(FakeHost::log(), (Log{anyError}));
  }
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"x.sdm"});
}

TEST(MergedWriter, CutsTheNameLineOfALongName) {
  FakeHost host;
  std::string input = "/no/such/folder/" + std::string(300, 'n') + ".sdm";
  ConfoundSet motion = exampleMotion();
  std::string name = writeMergedDesignMatrix(input, &motion, nullptr, nullptr, true, false, false);
  ASSERT_FALSE(FakeHost::log().empty());
  EXPECT_EQ(FakeHost::log()[0], ("New filename: " + name).substr(0, 255));
}

// A failed rename (a folder stands under the output name) is a failed write.
TEST(MergedWriter, ReportsAFailedReplaceAndLeavesNoTemporaryFile) {
  FakeHost host;
  TempFolder folder;
  std::string input = folder.write("x.sdm", exampleInput(0));
  std::filesystem::create_directory(folder.file("x_3DMC.sdm"));
  std::filesystem::create_directory(folder.file("x_3DMC.sdm/keep"));
  ConfoundSet motion = exampleMotion();
  std::string name = writeMergedDesignMatrix(input, &motion, nullptr, nullptr, true, false, false);
  EXPECT_EQ(FakeHost::log(),
            (Log{"New filename: " + name,
                 "Unable to write the merged design matrix: no merged design matrix written."}));
  EXPECT_TRUE(std::filesystem::is_directory(folder.file("x_3DMC.sdm/keep")));
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"x.sdm", "x_3DMC.sdm"}));
}

#ifndef _WIN32
// The disk fills up while the merged file is written: the writes fail, and the older file stays.
TEST(MergedWriter, ReportsAFullDiskAndKeepsTheOlderFile) {
  FakeHost host;
  TempFolder folder;
  std::string input = folder.write("x.sdm", inputOfRows(50000));
  std::string output = folder.write("x_3DMC.sdm", "older\n");
  ConfoundSet motion = exampleMotion(50000);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string name = writeMergedDesignMatrix(input, &motion, nullptr, nullptr, true, false, false);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(FakeHost::log(),
            (Log{"New filename: " + name,
                 "Unable to write the merged design matrix: no merged design matrix written."}));
  EXPECT_EQ(readFileText(output), "older\n");
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"x.sdm", "x_3DMC.sdm"}));
}
#endif

TEST(MergedWriter, WritesTheSameUnderADecimalCommaLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  std::string saved = previous != nullptr ? previous : "C";
  bool comma = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      comma = true;
      break;
    }
  }
  if (!comma) GTEST_SKIP() << "no decimal-comma locale installed";
  std::string text;
  {
    FakeHost host;
    TempFolder folder;
    std::string input = folder.write("run1_task.sdm", exampleInput(1));
    ConfoundSet motion = exampleMotion();
    text =
        readFileText(writeMergedDesignMatrix(input, &motion, nullptr, nullptr, true, false, false));
  }
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(text, kExampleOneOutput);
}

}  // namespace
