#include "design/design_matrix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/scripted_host.h"

namespace {

using Strings = std::vector<std::string>;

struct Result {
  bool saved = false;
  std::string name;
};

Result build(ScriptedHost&, int hrfKind = 1, bool skipFirst = false,
             const char* vtcPath = "D:\\data\\run1.vtc", bool report = true) {
  char name[kDesignMatrixNameSize];
  std::memset(name, '#', sizeof name);
  name[sizeof name - 1] = '\0';
  Result result;
  result.saved =
      createDesignMatrixFromProtocol(hrfKind, report, 1.0f, skipFirst, true,
                                     ScriptedHost::current().numberOfVolumes, name, vtcPath);
  result.name = name;
  return result;
}

const char kProtocolReport[] =
    "Protocol file name: task.prt\n"
    "Experiment name: Localizer\n"
    "Number of conditions: 2\n"
    "Time resolution: volume\n"
    "Background color components: Red: 0 Green: 0 Blue: 0\n"
    "Reference time course color components: Red: 255 Green: 0 Blue: 0\n"
    "Reference time course pen thickness: 2\n"
    "Text color components: Red: 255 Green: 255 Blue: 255\n"
    "Time course color components: Red: 0 Green: 255 Blue: 127\n"
    "Time course pen thickness: 3\n";

TEST(CreateDesignMatrix, TwoConditionsGiveSevenLogEntriesInOrder) {
  ScriptedHost host;
  host.conditions = {{"Rest", {1, 21}, {10, 30}, 0x808080}, {"Face trials", {11}, {20}, 0xFF0000}};
  Result result = build(host);
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(result.name, "D:\\data\\run1_task.sdm");
  const Strings expected = {
      kProtocolReport,
      "Reading protocol conditions...",
      "Conditions:\n"
      "\nProtocol condition number: 1\nCondition name: Rest\nNumber of intervals: 2\n"
      "Interval nr 1: From: 1 to 10\nInterval nr 2: From: 21 to 30\n"
      "Red: 128 Green: 128 Blue: 128\n"
      "\nProtocol condition number: 2\nCondition name: Face trials\nNumber of intervals: 1\n"
      "Interval nr 1: From: 11 to 20\nRed: 255 Green: 0 Blue: 0\n",
      "Applying 2-gamma HRF with predictor value: 1.000000...",
      "Adding constant predictor...",
      "Try to fill predictor number 3 (constant).",
      "Saving of design matrix succeeded."};
  EXPECT_EQ(host.log, expected);
  EXPECT_EQ(host.predictorNames, (Strings{"Rest", "Face trials", "Constant"}));
  EXPECT_EQ(host.callsOf("nzSetPredictorValuesFromConditionName"),
            (Strings{"nzSetPredictorValuesFromConditionName(Rest,Rest,1.000000)",
                     "nzSetPredictorValuesFromConditionName(Face trials,Face trials,1.000000)"}));
  EXPECT_EQ(host.savedNames, Strings{"D:\\data\\run1_task.sdm"});
}

TEST(CreateDesignMatrix, ConstantNumberFollowsTheConditionsUsed) {
  struct Case {
    int conditions;
    bool skipFirst;
    Strings predictors;
    int constant;  // as logged, from 1
  };
  const Case cases[] = {
      {3, false, {"c1", "c2", "c3", "Constant"}, 4},
      {3, true, {"c2", "c3", "Constant"}, 3},
      {1, true, {"Constant"}, 1},
      {0, false, {"Constant"}, 1},
      {0, true, {"Constant"}, 1},
  };
  for (const Case& c : cases) {
    ScriptedHost host;
    host.numberOfVolumes = 5;
    for (int k = 1; k <= c.conditions; ++k) host.conditions.push_back({"c" + std::to_string(k)});
    build(host, 1, c.skipFirst);
    EXPECT_EQ(host.predictorNames, c.predictors);
    const std::string message =
        "Try to fill predictor number " + std::to_string(c.constant) + " (constant).";
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), message), host.log.end()) << message;
    EXPECT_EQ(host.callsOf("nzGetPredictor"),
              Strings{"nzGetPredictor(" + std::to_string(c.constant - 1) + ")"});
    // Exactly numberOfVolumes values of the constant are set, none past them.
    const std::vector<float>& constant = host.predictors.back();
    for (std::size_t i = 0; i < constant.size(); ++i) {
      EXPECT_EQ(constant[i], i < 5 ? 1.0f : 0.0f) << i;
    }
  }
}

TEST(CreateDesignMatrix, EveryHrfKindButOneIsBoynton) {
  for (int kind : {0, 2, -1, 7}) {
    ScriptedHost host;
    host.conditions = {{"A"}};
    build(host, kind);
    EXPECT_EQ(host.callsOf("nzApplyBoyntonHRFToPredictorWithName"),
              Strings{"nzApplyBoyntonHRFToPredictorWithName(A)"});
    EXPECT_TRUE(host.callsOf("nzApplyTwoGammaHRFToPredictorWithName").empty());
    EXPECT_EQ(host.log[3], "Applying Boynton HRF with predictor value: 1.000000...");
  }
}

TEST(CreateDesignMatrix, WithoutReportOnlyTheStepsAreLogged) {
  ScriptedHost host;
  host.conditions = {{"A"}};
  build(host, 1, false, "r.vtc", false);
  EXPECT_EQ(host.log,
            (Strings{"Reading protocol conditions...",
                     "Applying 2-gamma HRF with predictor value: 1.000000...",
                     "Adding constant predictor...", "Try to fill predictor number 2 (constant).",
                     "Saving of design matrix succeeded."}));
}

TEST(CreateDesignMatrix, NoProtocolLeavesNameAndDesignMatrixAlone) {
  ScriptedHost host;
  host.haveProtocol = false;
  Result result = build(host);
  EXPECT_FALSE(result.saved);
  EXPECT_EQ(result.name, std::string(kDesignMatrixNameSize - 1, '#'));
  EXPECT_EQ(host.log, Strings{"The stimulation protocol could not be retrieved.\n"
                              "Please load a protocol first."});
  EXPECT_TRUE(host.callsOf("nzClearDesignMatrix").empty());
}

TEST(CreateDesignMatrix, AConditionTheHostDoesNotGiveGetsNoPredictor) {
  ScriptedHost host;
  host.conditions = {{"A"}, {"B", {}, {}, 0, false}, {"C"}};
  build(host);
  EXPECT_EQ(host.predictorNames, (Strings{"A", "C", "Constant"}));
  EXPECT_EQ(host.callsOf("nzGetPredictor"), Strings{"nzGetPredictor(2)"});
  EXPECT_EQ(host.log[2].find("Condition name: B"), std::string::npos);
}

TEST(CreateDesignMatrix, MissingConstantPredictorIsReportedNotWritten) {
  ScriptedHost host;
  host.predictorAvailable = false;
  Result result = build(host);
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(host.log[host.log.size() - 2], "Constant predictor not available.");
}

TEST(CreateDesignMatrix, Names) {
  struct Case {
    const char* protocolFileName;
    const char* vtcPath;
    const char* expected;
  };
  const Case cases[] = {
      {"task.prt", "D:\\data\\run1.vtc", "D:\\data\\run1_task.sdm"},
      {"D:\\prt\\task.prt", "D:\\data\\run1.vtc", "D:\\data\\run1_task.sdm"},
      {"D:\\prt\\task.prt", "", "D:\\prt\\task.sdm"},
      {"/p/100%d.prt", "/data/50%s/run%n.vtc", "/data/50%s/run%n_100%d.sdm"},
      {"", "/data/run1.vtc", "/data/run1_.sdm"},
  };
  for (const Case& c : cases) {
    ScriptedHost host;
    host.setProtocol(c.protocolFileName);
    Result result = build(host, 1, false, c.vtcPath);
    EXPECT_EQ(result.name, c.expected);
    EXPECT_EQ(host.savedNames, Strings{c.expected});
  }
}

TEST(CreateDesignMatrix, FailedSaveStillHandsBackTheName) {
  ScriptedHost host;
  host.saveResult = 0;
  Result result = build(host);
  EXPECT_FALSE(result.saved);
  EXPECT_EQ(result.name, "D:\\data\\run1_task.sdm");
  EXPECT_EQ(host.log.back(), "Saving of design matrix did not succeed.");
}

TEST(CreateDesignMatrix, TooLongANameIsNeverCutNorSaved) {
  ScriptedHost host;
  const std::string folder = "/" + std::string(500, 'd') + "/";
  Result fits = build(host, 1, false, (folder.substr(0, 500) + "/r.vtc").c_str());
  EXPECT_TRUE(fits.saved);
  EXPECT_EQ(fits.name.size(), 511u);

  ScriptedHost longer;
  Result result = build(longer, 1, false, (folder + "run1.vtc").c_str());
  EXPECT_FALSE(result.saved);
  EXPECT_EQ(result.name, "");
  EXPECT_TRUE(longer.savedNames.empty());
  EXPECT_EQ(longer.log.back(), "Design matrix name too long: not saved.");
}

TEST(CreateDesignMatrix, AVeryLongReportIsCutToItsBuffer) {
  ScriptedHost host;
  ScriptedCondition many{"Many"};
  for (int i = 0; i < 5000; ++i) {
    many.starts.push_back(i * 10 + 1);
    many.ends.push_back(i * 10 + 5);
  }
  host.conditions = {many};
  build(host);
  EXPECT_EQ(host.log[2].size(), kReportSize - 1);
  EXPECT_EQ(host.log[2].rfind("Conditions:\n", 0), 0u);
}

}  // namespace
