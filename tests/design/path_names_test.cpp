#include "design/path_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace {

TEST(ExtractFileName, Cases) {
  struct Case {
    const char* path;
    bool withoutExtension;
    bool appendDash;
    const char* expected;  // null: no result
  };
  const Case cases[] = {
      {"D:\\data\\task.prt", false, false, "task.prt"},
      {"D:\\data\\task.prt", true, false, "task"},
      {"D:\\data\\task.prt", true, true, "task-"},
      {"D:\\data\\task.old.prt", true, false, "task.old"},
      // A "/" anywhere makes "/" the separator; the backslash is then part of the name.
      {"C:\\a/b\\c.txt", false, false, "b\\c.txt"},
      {"C:\\a/b\\c.txt", true, false, "b\\c"},
      {"/data/s01/run1.prt", false, false, "run1.prt"},
      {"D:/data/", false, false, ""},
      {"D:/data/", false, true, "-"},
      {"task.prt", false, false, "task.prt"},
      {"/task.prt", false, false, "task.prt"},
      // No "." after the name's first character: the whole name.
      {"D:\\data\\README", true, false, "README"},
      {"D:\\data\\.prt", true, false, ".prt"},
      {"D:\\my.data\\run1", true, false, "run1"},
      {"", false, false, nullptr},
      {nullptr, true, true, nullptr},
  };
  for (const Case& c : cases) {
    auto result = extractFileName(c.path, c.withoutExtension, c.appendDash);
    const char* shown = c.path != nullptr ? c.path : "(null)";
    if (c.expected == nullptr) {
      EXPECT_FALSE(result.has_value()) << shown;
    } else {
      ASSERT_TRUE(result.has_value()) << shown;
      EXPECT_EQ(*result, c.expected) << shown;
    }
  }
}

TEST(RemoveExtension, Cases) {
  struct Case {
    const char* path;
    const char* expected;
  };
  const Case cases[] = {
      {"D:\\data\\run1.vtc", "D:\\data\\run1"},
      {"D:\\my.data\\run1", "D:\\my"},
      {".vtc", ""},
      {"run1", "run1"},
      {"", "''"},
      {nullptr, "''"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(removeExtension(c.path), c.expected) << (c.path != nullptr ? c.path : "(null)");
  }
}

TEST(ComposeTargetName, JoinsBaseSeparatorNameAndTheBaseTail) {
  EXPECT_EQ(composeTargetName("D:\\data\\run1.vtc", "task", '_'), "D:\\data\\run1_task.vtc");
  EXPECT_EQ(removeExtension(composeTargetName("D:\\data\\run1.vtc", "task", '_').c_str()) + ".sdm",
            "D:\\data\\run1_task.sdm");
  // The tail is the last three characters, whatever they are.
  EXPECT_EQ(composeTargetName("/d/run1.nii.gz", "t", '_'), "/d/run1.nii_t..gz");
  EXPECT_EQ(composeTargetName("ab", "t", '_'), "ab_t.ab");
}

TEST(InsertSuffixBeforeExtension, CountsFourCharactersFromTheEnd) {
  EXPECT_EQ(insertSuffixBeforeExtension("run.sdm", "_HR"), "run_HR.sdm");
  EXPECT_EQ(insertSuffixBeforeExtension("D:\\data\\run1_task.sdm", "_3DMC"),
            "D:\\data\\run1_task_3DMC.sdm");
  EXPECT_EQ(insertSuffixBeforeExtension("x.nifti", "_z"), "x.n_zifti");
  EXPECT_EQ(insertSuffixBeforeExtension(".sdm", "_z"), "_z.sdm");
  EXPECT_THROW(insertSuffixBeforeExtension("abc", "_HR"), std::out_of_range);
}

TEST(HexColorComponent, DigitPairs) {
  EXPECT_EQ(hexColorComponent("FF8000", 1), 255);
  EXPECT_EQ(hexColorComponent("FF8000", 2), 128);
  EXPECT_EQ(hexColorComponent("FF8000", 3), 0);
  EXPECT_EQ(hexColorComponent("0A0B0C", 1), 10);
  EXPECT_EQ(hexColorComponent("0A0B0C", 2), 11);
  EXPECT_EQ(hexColorComponent("0A0B0C", 3), 12);
  for (int component = 1; component <= 3; ++component) {
    EXPECT_EQ(hexColorComponent("0a0b0c", component), 0);
  }
  EXPECT_EQ(hexColorComponent("FFFFFF", 0), 0);
  EXPECT_EQ(hexColorComponent("FFFFFF", 4), 0);
  EXPECT_EQ(hexColorComponent("F", 1), 240);  // a short text is never read past its end
}

TEST(AppendColorComponents, AppendsTheFilledLine) {
  char report[64] = "Head\n";
  appendColorComponents(report, sizeof report, 0x00FF7F, "Red: %d Green: %d Blue: %d\n");
  EXPECT_STREQ(report, "Head\nRed: 0 Green: 255 Blue: 127\n");

  char red[64] = "";
  appendColorComponents(red, sizeof red, 0xFF0000, "Red: %d Green: %d Blue: %d\n");
  EXPECT_STREQ(red, "Red: 255 Green: 0 Blue: 0\n");

  // Above 0xFFFFFF the colour text has more digits; the first three pairs are read.
  char wide[64] = "";
  appendColorComponents(wide, sizeof wide, 0x1234567, "%d %d %d");
  EXPECT_STREQ(wide, "18 52 86");

  char tiny[8] = "";
  appendColorComponents(tiny, sizeof tiny, 0xFFFFFF, "Red: %d Green: %d Blue: %d\n");
  EXPECT_STREQ(tiny, "Red: 25");
}

}  // namespace
