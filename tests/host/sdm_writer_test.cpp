#include "host/sdm_writer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/host/host_test_support.h"

namespace {

using standin::DesignMatrix;

void addPredictor(DesignMatrix& matrix, const std::string& name, std::vector<float> values,
                  std::optional<std::int32_t> color) {
  standin::Predictor& predictor = matrix.add(name, values.size());
  predictor.values = std::move(values);
  predictor.color = color;
}

DesignMatrix faceHouseMatrix() {
  DesignMatrix matrix;
  addPredictor(matrix, "Face trials", {0.0f, 0.5f, 1.0f}, 0xFF0000);
  addPredictor(matrix, "House", {0.25f, 0.0f, -0.125f}, 0x00FF00);
  addPredictor(matrix, "Constant", {1.0f, 1.0f, 1.0f}, std::nullopt);
  return matrix;
}

TEST(SdmWriter, WritesHeaderColoursNamesAndRows) {
  std::string text;
  std::string error;
  ASSERT_TRUE(standin::formatSdm(faceHouseMatrix(), text, error)) << error;
  EXPECT_EQ(text,
            "FileVersion: 1\n"
            "\n"
            "NrOfPredictors: 3\n"
            "NrOfDataPoints: 3\n"
            "IncludesConstant: 1\n"
            "FirstConfoundPredictor: 3\n"
            "\n"
            "255 0 0   0 255 0   255 255 255\n"
            "\"Face trials\" \"House\" \"Constant\"\n"
            "0 0.25 1\n"
            "0.5 0 1\n"
            "1 -0.125 1\n");
}

TEST(SdmWriter, WithoutATrailingConstantTheFirstConfoundFollowsThePredictors) {
  DesignMatrix matrix;
  addPredictor(matrix, "Constant", {1.0f}, std::nullopt);
  addPredictor(matrix, "Drift", {0.5f}, std::nullopt);
  std::string text;
  std::string error;
  ASSERT_TRUE(standin::formatSdm(matrix, text, error)) << error;
  EXPECT_NE(text.find("IncludesConstant: 0\nFirstConfoundPredictor: 3\n"), std::string::npos);
  // White for the constant, grey for a predictor that no condition filled.
  EXPECT_NE(text.find("\n255 255 255   128 128 128\n"), std::string::npos);
}

TEST(SdmWriter, NumbersReadBackAsTheSameFloats) {
  const std::vector<float> values = {0.1f, 1.2345678e-7f, -3.4028235e38f, 0.33333334f};
  DesignMatrix matrix;
  addPredictor(matrix, "Task", values, 0x112233);
  std::string text;
  std::string error;
  ASSERT_TRUE(standin::formatSdm(matrix, text, error)) << error;
  std::istringstream rows(text.substr(text.find("\"Task\"\n") + 7));
  for (float expected : values) {
    std::string word;
    rows >> word;
    float read = 0.0f;
    std::from_chars(word.data(), word.data() + word.size(), read);
    EXPECT_EQ(read, expected) << word;
  }
}

TEST(SdmWriter, RefusesMatricesThatAreEmptyOrRagged) {
  std::string text = "untouched";
  std::string error;
  EXPECT_FALSE(standin::formatSdm(DesignMatrix(), text, error));
  DesignMatrix ragged;
  addPredictor(ragged, "A", {1.0f, 2.0f}, std::nullopt);
  addPredictor(ragged, "B", {1.0f}, std::nullopt);
  EXPECT_FALSE(standin::formatSdm(ragged, text, error));
  EXPECT_EQ(text, "untouched");
}

TEST(SdmWriter, FailedWriteLeavesNoFileBehind) {
  hosttest::Folder folder;
  std::string error;
  // A missing folder, and a target that is a folder itself (the rename fails).
  EXPECT_FALSE(standin::writeSdmFile(folder.file("missing/run1.sdm"), faceHouseMatrix(), error));
  std::filesystem::create_directories(folder.path() / "taken.sdm" / "inside");
  EXPECT_FALSE(standin::writeSdmFile(folder.file("taken.sdm"), faceHouseMatrix(), error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "taken.sdm.partial"));

  std::string existing = folder.write("old.sdm", "previous content");
  EXPECT_FALSE(standin::writeSdmFile(existing, DesignMatrix(), error));
  EXPECT_EQ(hosttest::readBytes(existing), "previous content");
  ASSERT_TRUE(standin::writeSdmFile(existing, faceHouseMatrix(), error)) << error;
  EXPECT_EQ(hosttest::readBytes(existing).substr(0, 15), "FileVersion: 1\n");
}

}  // namespace
