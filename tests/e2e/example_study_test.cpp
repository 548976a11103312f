// The bundled example study, converted end to end by the real library in the stand-in host.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/e2e_support.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// A copy of the example study in a folder of its own (whose name holds "%" and a blank, which
// must reach the host unchanged), run with the study's answers.
struct StudyRun {
  TempDir dir;
  fs::path study;
  ProcessResult result;
  Strings log;

  explicit StudyRun(const std::string& environment = "", const std::string& answers = "") {
    study = dir.path() / "100% sure %s";
    fs::copy(fs::path(FOLWYN_SOURCE_DIR) / "examples" / "study", study,
             fs::copy_options::recursive);
    std::string options = "--vmr anat/subject01.vmr --answers answers.txt " + answers;
    std::string command = environment.empty() ? "" : environment + " ";
    result = runCommand("cd " + shellQuote(study.string()) + " && " + command +
                        shellQuote(FOLWYN_HOST_PATH) + " --quiet --log log.txt " + options + " " +
                        shellQuote(FOLWYN_PLUGIN_PATH));
    log = readLogEntries((study / "log.txt").string());
  }

  std::string file(const std::string& name) const { return readFile((study / name).string()); }
  bool exists(const std::string& name) const { return fs::exists(study / name); }
  bool logged(const std::string& line) const {
    return std::find(log.begin(), log.end(), line) != log.end();
  }
};

const Strings kWritten = {"run1/run1_faces_houses.sdm",
                          "run1/run1_faces_houses_3DMC_z_HR_z_RVT_z.sdm",
                          "run2/run2_faces_houses_msec.sdm",
                          "run2/run2_faces_houses_msec_3DMC_z.sdm", "run3/run3_face_trials.sdm"};

TEST(ExampleStudy, ConvertsEveryRunAndMergesItsConfounds) {
  StudyRun run;
  ASSERT_EQ(run.result.status, 0) << run.result.output;
  Strings written;
  for (const std::string& name : kWritten) {
    if (run.exists(name)) written.push_back(name);
  }
  EXPECT_EQ(written, kWritten);

  const Strings opening = {"\nfolwyn (v0.8.4)> Started...",
                           "HRF function: 2-gamma",
                           "Predictor value: 1.000000",
                           "Set to skip first condition: yes",
                           "z-transform the confound(s): yes",
                           "Number of PRT-VTC pairs: 3",
                           "Reading filenames..."};
  ASSERT_GE(run.log.size(), opening.size());
  EXPECT_EQ(Strings(run.log.begin(), run.log.begin() + static_cast<long>(opening.size())), opening);
  EXPECT_TRUE(run.logged("New SDM name: run1/run1_faces_houses.sdm"));
  EXPECT_TRUE(run.logged("New filename: run1/run1_faces_houses_3DMC_z_HR_z_RVT_z.sdm"));
  EXPECT_TRUE(run.logged("New filename: run2/run2_faces_houses_msec_3DMC_z.sdm"));
  EXPECT_TRUE(run.logged("z-transform predictor..."));
  EXPECT_FALSE(run.logged("Problem with reading *.sdm file. Please check results."));
  EXPECT_FALSE(run.logged("Problem with reading *.rtc file. Please check results."));
  EXPECT_EQ(run.log[run.log.size() - 2], "*.sdm file(s) available in the *.vtc file directory.");
  EXPECT_EQ(run.log.back(), "Finished.\n");

  // Each VTC was saved with its protocol's file name in the header.
  const std::string vtc = run.file("run2/run2.vtc");
  ASSERT_GE(vtc.size(), 848u);
  EXPECT_STREQ(vtc.c_str() + 324, "faces_houses_msec.prt");
}

TEST(ExampleStudy, MergedDesignMatrixKeepsTheConstantLast) {
  StudyRun run;
  const std::string merged = run.file("run1/run1_faces_houses_3DMC_z_HR_z_RVT_z.sdm");
  ASSERT_FALSE(merged.empty());
  // Faces and Houses, six motion, one heart-rate and two respiration predictors, the constant.
  EXPECT_NE(merged.find("NrOfPredictors: 12\n"), std::string::npos);
  EXPECT_NE(merged.find("IncludesConstant: 1\n"), std::string::npos);
  const std::size_t names = merged.find("\"Faces\"\t\"Houses\"\t\"Translation TW-X [mm]\"");
  ASSERT_NE(names, std::string::npos);
  const std::string namesLine = merged.substr(names, merged.find('\n', names) - names);
  EXPECT_EQ(namesLine.substr(namesLine.size() - 12), "\t\t\"Constant\"");
  // Every data row ends with the constant in the fixed form.
  std::size_t rows = 0;
  for (std::size_t end = merged.find('\n', merged.find('\n', names) + 1); end != std::string::npos;
       end = merged.find('\n', end + 1)) {
    const std::size_t start = merged.rfind('\n', end - 1) + 1;
    if (end == start) continue;
    EXPECT_EQ(merged.substr(end - 9, 9), "\t1.000000") << merged.substr(start, end - start);
    ++rows;
  }
  EXPECT_EQ(rows, 180u);
}

TEST(ExampleStudy, OutputIsTheSameUnderADecimalCommaLocaleAndOnASecondRun) {
  if (runCommand("locale -a | grep -qi '^de_DE.utf-\\?8$'").status != 0) {
    GTEST_SKIP() << "no de_DE.UTF-8 locale";
  }
  StudyRun classic;
  StudyRun comma("LC_ALL=de_DE.UTF-8");
  ASSERT_EQ(comma.result.status, 0) << comma.result.output;
  for (const std::string& name : kWritten) {
    EXPECT_EQ(classic.file(name), comma.file(name)) << name;
    EXPECT_FALSE(classic.file(name).empty()) << name;
  }
  EXPECT_EQ(classic.log, comma.log);
}

TEST(ExampleStudy, BoyntonWithoutSkipOrZTransform) {
  // Answers given on the command line come after the study's: a script with other answers.
  TempDir dir;
  fs::path study = dir.path() / "study";
  fs::copy(fs::path(FOLWYN_SOURCE_DIR) / "examples" / "study", study, fs::copy_options::recursive);
  const std::string command =
      "cd " + shellQuote(study.string()) + " && " + shellQuote(FOLWYN_HOST_PATH) +
      " --quiet --log log.txt --vmr anat/subject01.vmr --answer 'yesno no' --answer 'float 2'"
      " --answer 'yesno no' --answer 'yesno no' --answer 'file filelist.txt' " +
      shellQuote(FOLWYN_PLUGIN_PATH);
  ProcessResult result = runCommand(command);
  ASSERT_EQ(result.status, 0) << result.output;
  Strings log = readLogEntries((study / "log.txt").string());
  auto has = [&](const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
  };
  EXPECT_TRUE(has("Applying Boynton HRF with predictor value: 2.000000..."));
  EXPECT_TRUE(has("Try to fill predictor number 4 (constant)."));
  EXPECT_TRUE(has("New filename: run1/run1_faces_houses_3DMC_HR_RVT.sdm"));
  EXPECT_TRUE(fs::exists(study / "run2" / "run2_faces_houses_msec_3DMC.sdm"));
  EXPECT_FALSE(has("z-transform predictor..."));
}

}  // namespace
