// Paths with letters outside ASCII, as the host hands them over: narrow texts that the C runtime
// opens (on Windows, in the process code page). Every step of a confound merge must name the
// same file by them: the readers, the size check of the readers, the merged writer and the
// replacement of its output.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#endif

#include "confounds/confound_readers.h"
#include "confounds/merged_writer.h"
#include "tests/confounds/temp_folder.h"
#include "tests/support/fake_host.h"

namespace {

// "€š" as narrow text: in the process code page on Windows (empty when it has no such letters),
// in UTF-8 elsewhere.
std::string lettersOutsideAscii() {
#if defined(_WIN32)
  char letters[8] = {};
  BOOL lossy = FALSE;
  if (GetACP() == CP_UTF8 ||
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"\u20ac\u0161", -1, letters,
                          sizeof letters, nullptr, &lossy) <= 0 ||
      lossy) {
    return {};
  }
  return letters;
#else
  return "\xE2\x82\xAC\xC5\xA1";
#endif
}

// Writes text through the C runtime, which takes the narrow path as the plug-in does.
bool writeThroughRuntime(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

std::string readThroughRuntime(const std::string& path) {
  std::string text;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return text;
  char block[4096];
  std::size_t count;
  while ((count = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, count);
  std::fclose(file);
  return text;
}

TEST(CodePagePaths, ConfoundFilesAndTheMergedDesignMatrixAreFoundByTheirNarrowPaths) {
  const std::string letters = lettersOutsideAscii();
  if (letters.empty()) GTEST_SKIP() << "the process code page has no such letters";
  FakeHost host;
  TempFolder folder;
  const std::string stem = folder.file("run") + letters;
  const std::string motion = stem + "_3DMC.sdm";
  const std::string heartRate = stem + "_HR.rtc";
  const std::string matrix = stem + "_task.sdm";
  ASSERT_TRUE(writeThroughRuntime(motion,
                                  "FileVersion: 1\nNrOfPredictors: 6\nNrOfDataPoints: 2\n"
                                  "IncludesConstant: 0\nFirstConfoundPredictor: 1\n\n"
                                  "255 0 0 0 255 0 0 0 255 1 2 3 4 5 6 7 8 9\n"
                                  "\"TX\" \"TY\" \"TZ\" \"RX\" \"RY\" \"RZ\"\n"
                                  "0.1 -0.2 0.05 0 0.01 -0.03\n"
                                  "0.15 -0.25 0.05 0.002 0.01 -0.035\n"));
  ASSERT_TRUE(writeThroughRuntime(heartRate,
                                  "FileVersion: 1\nType: DesignMatrix\nNrOfPredictors: 1\n"
                                  "NrOfDataPoints: 2\n\"HR\"\n72.5\n-0.25\n"));
  ASSERT_TRUE(writeThroughRuntime(matrix,
                                  "FileVersion: 1\n\nNrOfPredictors: 2\nNrOfDataPoints: 2\n"
                                  "IncludesConstant: 1\nFirstConfoundPredictor: 2\n\n"
                                  "255 0 0 255 255 255\n\"A\" \"Constant\"\n0.5 1\n0.25 1\n"));

  ConfoundSet motionSet = readMotionSdm(motion.c_str());
  ConfoundSet heartRateSet = readConfoundRtc(heartRate.c_str(), ConfoundKind::HeartRate);
  EXPECT_TRUE(motionSet.fileOpened && motionSet.readOk);
  EXPECT_TRUE(heartRateSet.fileOpened && heartRateSet.readOk);
  const std::string merged =
      writeMergedDesignMatrix(matrix, &motionSet, &heartRateSet, nullptr, true, true, false);
  EXPECT_EQ(merged, stem + "_task_3DMC_HR.sdm");
  EXPECT_NE(readThroughRuntime(merged).find("NrOfPredictors: 9"), std::string::npos);
  for (const std::string& line : FakeHost::log()) {
    EXPECT_EQ(line.find("Problem"), std::string::npos) << line;
    EXPECT_EQ(line.find("Unable"), std::string::npos) << line;
  }
  releaseConfoundSet(motionSet);
  releaseConfoundSet(heartRateSet);
}

}  // namespace
