#include "batch/batch_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <string>
#include <vector>

#include "tests/support/scripted_host.h"
#include "tests/support/temp_dir.h"

namespace {

using Strings = std::vector<std::string>;

const Strings kOpening = {"\nfolwyn (v0.8.4)> Started...", "HRF function: 2-gamma",
                          "Predictor value: 1.000000", "Set to skip first condition: no",
                          "z-transform the confound(s): no"};

// A run over a file list with the given content; answers: 2-gamma, 1.0, no skip, no z.
struct ListRun {
  TempDir dir;
  ScriptedHost host;
  bool result = false;

  explicit ListRun(const std::string& list) {
    host.yesNoAnswers = {1, 0, 0};
    host.fileAnswer = dir.write("list.txt", list);
    host.conditions = {{"A", {1}, {5}}};
  }
  void go() { result = runBatch(); }
  bool logged(const std::string& line) const {
    return std::find(host.log.begin(), host.log.end(), line) != host.log.end();
  }
  std::size_t count(const std::string& line) const {
    return static_cast<std::size_t>(std::count(host.log.begin(), host.log.end(), line));
  }
};

TEST(RunBatch, NoAnatomicalDocumentEndsTheRunAtOnce) {
  ScriptedHost host;
  host.haveVmr = false;
  EXPECT_FALSE(runBatch());
  EXPECT_EQ(host.messages, Strings{"This plugin requires that a VMR document is available and "
                                   "selected in Tarnwick NZ."});
  EXPECT_EQ(host.log,
            (Strings{"\nfolwyn (v0.8.4)> Started...", "No VMR present, action cancelled."}));
  EXPECT_EQ(host.calls.front(), "nzShowLogTab()");
}

TEST(RunBatch, CancelledPredictorPromptStillAsksTheOtherQuestions) {
  ScriptedHost host;
  host.yesNoAnswers = {0, 1, 1};
  host.floatAnswer = -101.0f;
  host.fileAnswer = "never.txt";
  EXPECT_TRUE(runBatch());
  EXPECT_EQ(host.log, (Strings{"\nfolwyn (v0.8.4)> Started...", "HRF function: Boynton",
                               "Predictor value: -101.000000", "Set to skip first condition: yes",
                               "z-transform the confound(s): yes", "Cancelled further operations.",
                               "Finished.\n"}));
  EXPECT_TRUE(host.callsOf("nzGetOpenFileName").empty());
  EXPECT_EQ(host.callsOf("nzYesNoMessageBox").size(), 3u);
}

TEST(RunBatch, NoFileListChosenCancels) {
  ScriptedHost host;
  host.yesNoAnswers = {1, 0, 0};
  EXPECT_TRUE(runBatch());
  Strings expected = kOpening;
  expected.insert(expected.end(), {"Cancelled further operations.", "Finished.\n"});
  EXPECT_EQ(host.log, expected);
  EXPECT_EQ(host.callsOf("nzGetOpenFileName"),
            Strings{"nzGetOpenFileName(Please select the file list)"});
}

TEST(RunBatch, UnreadableFileListEndsWithFinishedOnly) {
  ScriptedHost host;
  host.yesNoAnswers = {1, 0, 0};
  host.fileAnswer = "/nonexistent/folder/list.txt";
  EXPECT_TRUE(runBatch());
  Strings expected = kOpening;
  expected.insert(expected.end(),
                  {"Unable to open the file list: /nonexistent/folder/list.txt", "Finished.\n"});
  EXPECT_EQ(host.log, expected);
}

TEST(RunBatch, OneGroupFromListToSavedDesignMatrix) {
  ListRun run("1\n/d/run1.prt\n/d/run1.vtc\n");
  run.go();
  EXPECT_TRUE(run.result);
  const Strings& log = run.host.log;
  const std::size_t opening = kOpening.size();
  ASSERT_GT(log.size(), opening + 8);
  EXPECT_EQ(Strings(log.begin(), log.begin() + static_cast<long>(opening)), kOpening);
  EXPECT_EQ(log[opening], "Number of PRT-VTC pairs: 1");
  EXPECT_EQ(log[opening + 5], "Generating SDM(s) from: " + run.host.fileAnswer);
  EXPECT_EQ(log[opening + 6], "\nLoad /d/run1.vtc to VMR...");
  EXPECT_EQ(log[opening + 7], "Linking run1.prt to VTC...");
  const Strings tail(log.end() - 5, log.end());
  EXPECT_EQ(tail, (Strings{"Saving of design matrix succeeded.", "New SDM name: /d/run1_task.sdm",
                           "No confounds found for this protocol.",
                           "*.sdm file(s) available in the *.vtc file directory.", "Finished.\n"}));
  // The host calls of a group, in order.
  const Strings groupCalls = {"nzLinkVTCToCurrentVMR(/d/run1.vtc,1)",
                              "nzGetHeaderOfVTCOfCurrentVMR()",
                              "nzClearProtocol()",
                              "nzClearDesignMatrix()",
                              "nzSetHeaderOfVTCOfCurrentVMR(run1.prt)",
                              "nzGetProtocol()"};
  auto first = std::find(run.host.calls.begin(), run.host.calls.end(), groupCalls[0]);
  ASSERT_NE(first, run.host.calls.end());
  EXPECT_EQ(Strings(first, first + static_cast<long>(groupCalls.size())), groupCalls);
  EXPECT_EQ(run.host.calls.back(), "nzSaveVTCOfCurrentVMR(/d/run1.vtc)");
}

TEST(RunBatch, CompleteLogOfAWholeRun) {
  ListRun run("2\n/d/pre.txt\n/d/run1.prt\n/d/run1.vtc\n/d/run2.prt\n");
  run.host.setProtocol("run1.prt");
  run.host.numberOfVolumes = 3;
  run.go();
  Strings expected = kOpening;
  expected.insert(
      expected.end(),
      {"Number of PRT-VTC pairs: 2",
       "Reading filenames...",
       "/d/pre.txt",
       "/d/run1.prt",
       "/d/run1.vtc",
       "/d/run2.prt",
       "^",
       "Generating SDM(s) from: " + run.host.fileAnswer,
       "\nLoad /d/run1.vtc to VMR...",
       "Linking run1.prt to VTC...",
       "Protocol file name: run1.prt\nExperiment name: Localizer\nNumber of conditions: 1\n"
       "Time resolution: volume\n"
       "Background color components: Red: 0 Green: 0 Blue: 0\n"
       "Reference time course color components: Red: 255 Green: 0 Blue: 0\n"
       "Reference time course pen thickness: 2\n"
       "Text color components: Red: 255 Green: 255 Blue: 255\n"
       "Time course color components: Red: 0 Green: 255 Blue: 127\n"
       "Time course pen thickness: 3\n",
       "Reading protocol conditions...",
       "Conditions:\n\nProtocol condition number: 1\nCondition name: A\nNumber of intervals: 1\n"
       "Interval nr 1: From: 1 to 5\nRed: 0 Green: 0 Blue: 0\n",
       "Applying 2-gamma HRF with predictor value: 1.000000...",
       "Adding constant predictor...",
       "Try to fill predictor number 2 (constant).",
       "Saving of design matrix succeeded.",
       "New SDM name: /d/run1_run1.sdm",
       "No confounds found for this protocol.",
       "No VTC file found for PRT",
       "Warning: 1 of 2 protocol(s) could not be converted.",
       "Finished.\n"});
  EXPECT_EQ(run.host.log, expected);
}

TEST(RunBatch, GroupRules) {
  struct Case {
    const char* name;
    std::string list;
    Strings mustLog;
    std::size_t saved;
    std::string closing;
  };
  const Case cases[] = {
      {"entries before the first protocol belong to no group",
       "1 /d/x.vtc /d/x_3DMC.sdm /d/a.prt /d/a.vtc",
       {},
       1,
       "*.sdm file(s) available in the *.vtc file directory."},
      {"protocol followed by protocol",
       "2 /d/a.prt /d/b.prt /d/b.vtc",
       {"No VTC file found for PRT"},
       1,
       "Warning: 1 of 2 protocol(s) could not be converted."},
      {"protocol followed by a confound file",
       "1 /d/a.prt /d/a_3DMC.sdm /d/a.vtc",
       {"No VTC file found for PRT"},
       0,
       "Warning: 1 of 1 protocol(s) could not be converted."},
      {"protocol last in the list",
       "2 /d/a.prt /d/a.vtc /d/b.prt",
       {"No VTC file found for PRT"},
       1,
       "Warning: 1 of 2 protocol(s) could not be converted."},
      {"a declared count that differs",
       "3 /d/a.prt /d/a.vtc /d/b.prt /d/b.vtc",
       {"Warning: not all files have been properly read or classified."},
       2,
       "*.sdm file(s) available in the *.vtc file directory."},
      {"no protocol at all",
       "1 /d/a.vtc",
       {"Warning: not all files have been properly read or classified."},
       0,
       "No protocol files (*.prt) found in the file list."},
      {"empty list", "0", {}, 0, "No protocol files (*.prt) found in the file list."},
  };
  for (const Case& c : cases) {
    ListRun run(c.list);
    run.go();
    EXPECT_TRUE(run.result) << c.name;
    for (const std::string& line : c.mustLog)
      EXPECT_TRUE(run.logged(line)) << c.name << ": " << line;
    EXPECT_EQ(run.host.savedNames.size(), c.saved) << c.name;
    ASSERT_GE(run.host.log.size(), 2u);
    EXPECT_EQ(run.host.log[run.host.log.size() - 2], c.closing) << c.name;
    EXPECT_EQ(run.host.log.back(), "Finished.\n") << c.name;
  }
}

TEST(RunBatch, ClosingLineCountsEveryFailedGroup) {
  // A failing first group no longer hides behind a successful last one, and the other way round.
  ListRun run("4 /d/a.prt /d/a.vtc /d/b.prt /d/b.vtc /d/c.prt /d/c.vtc /d/d.prt /d/d.vtc");
  run.host.linkResults["/d/a.vtc"] = 0;
  run.host.linkResults["/d/c.vtc"] = 2;
  run.go();
  EXPECT_EQ(run.count("Did not succeed in linking and generating."), 2u);
  EXPECT_EQ(run.host.savedNames, (Strings{"/d/b_task.sdm", "/d/d_task.sdm"}));
  EXPECT_TRUE(run.logged("Warning: 2 of 4 protocol(s) could not be converted."));
  EXPECT_FALSE(run.logged("*.sdm file(s) available in the *.vtc file directory."));
}

TEST(RunBatch, HeaderNotAvailableFailsTheGroup) {
  ListRun run("1 /d/a.prt /d/a.vtc");
  run.host.headerResult = 0;
  run.go();
  EXPECT_TRUE(run.logged("Not able to retrieve VTC header information."));
  EXPECT_TRUE(run.host.callsOf("nzClearProtocol").empty());
  EXPECT_TRUE(run.logged("Warning: 1 of 1 protocol(s) could not be converted."));
}

TEST(RunBatch, FailedDesignMatrixStillSavesTheVtcButMergesNothing) {
  ListRun run("1 /d/a.prt /d/a.vtc /d/a_3DMC.sdm");
  run.host.haveProtocol = false;
  run.go();
  EXPECT_EQ(run.host.callsOf("nzSaveVTCOfCurrentVMR"), Strings{"nzSaveVTCOfCurrentVMR(/d/a.vtc)"});
  EXPECT_TRUE(run.logged("New SDM name: "));
  EXPECT_TRUE(run.logged("No design matrix saved for this protocol: confounds not merged."));
  EXPECT_TRUE(run.logged("Warning: 1 of 1 protocol(s) could not be converted."));

  ListRun unsaved("1 /d/a.prt /d/a.vtc /d/a_3DMC.sdm");
  unsaved.host.saveResult = 0;
  unsaved.go();
  EXPECT_TRUE(unsaved.logged("New SDM name: /d/a_task.sdm"));
  EXPECT_TRUE(unsaved.logged("No design matrix saved for this protocol: confounds not merged."));
}

TEST(RunBatch, ProtocolFileNameThatDoesNotFitTheHeaderIsNeverCut) {
  const std::string fits = std::string(251, 'p') + ".prt";  // 255 characters and the NUL
  const std::string tooLong = std::string(252, 'p') + ".prt";
  ListRun run("2 /d/" + fits + " /d/a.vtc /d/" + tooLong + " /d/b.vtc");
  run.go();
  EXPECT_EQ(run.host.headerProtocolNames, Strings{fits});
  EXPECT_TRUE(run.logged("Protocol file name too long for the VTC header: " + tooLong));
  EXPECT_EQ(run.host.callsOf("nzSaveVTCOfCurrentVMR"), Strings{"nzSaveVTCOfCurrentVMR(/d/a.vtc)"});
  EXPECT_TRUE(run.logged("Warning: 1 of 2 protocol(s) could not be converted."));
}

TEST(RunBatch, PathsWithPercentSignsAndLongPathsReachTheHostUnchanged) {
  const std::string folder = "/d%s%n/" + std::string(480, 'f');
  ListRun run("1 " + folder + "/a.prt " + folder + "/a.vtc");
  run.go();
  EXPECT_EQ(run.host.callsOf("nzLinkVTCToCurrentVMR"),
            Strings{"nzLinkVTCToCurrentVMR(" + folder + "/a.vtc,1)"});
  // The log line is cut to its 512-byte buffer.
  const std::string load = "\nLoad " + folder + "/a.vtc to VMR...";
  EXPECT_TRUE(run.logged(load.substr(0, 511)));
}

TEST(RunBatch, NumbersAreLoggedWithAFullStopUnderADecimalCommaLocale) {
  std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  ListRun run("1 /d/a.prt /d/a.vtc");
  run.host.floatAnswer = 2.5f;
  run.go();
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_TRUE(run.logged("Predictor value: 2.500000"));
  EXPECT_TRUE(run.logged("Applying 2-gamma HRF with predictor value: 2.500000..."));
}

}  // namespace
