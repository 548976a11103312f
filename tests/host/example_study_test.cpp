// The bundled example study must stay consistent: every protocol reads and fits its run, every
// VTC is one of the stand-in's, and every confound file has one row per volume of its run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/protocol_file.h"
#include "host/vtc_file.h"

namespace {

const std::filesystem::path kStudy = std::filesystem::path(FOLWYN_SOURCE_DIR) / "examples/study";

struct StudyRun {
  std::string protocol;
  std::string vtc;
  std::vector<std::string> confounds;
};

std::vector<StudyRun> runsOfFileList(int& declared) {
  std::ifstream in(kStudy / "filelist.txt");
  in >> declared;
  std::vector<StudyRun> runs;
  std::string entry;
  while (in >> entry) {
    if (entry.find(".prt") != std::string::npos) {
      runs.push_back({entry, "", {}});
    } else if (!runs.empty() && runs.back().vtc.empty()) {
      runs.back().vtc = entry;
    } else if (!runs.empty()) {
      runs.back().confounds.push_back(entry);
    }
  }
  return runs;
}

// NrOfDataPoints of an SDM or RTC file, and the number of data rows after the names line.
void countRows(const std::filesystem::path& path, int& declared, int& rows) {
  std::ifstream in(path);
  std::string line;
  declared = -1;
  rows = 0;
  bool afterNames = false;
  while (std::getline(in, line)) {
    if (line.rfind("NrOfDataPoints:", 0) == 0) declared = std::stoi(line.substr(15));
    if (afterNames && !line.empty()) ++rows;
    if (line.find('"') != std::string::npos) afterNames = true;
  }
}

TEST(ExampleStudy, FileListNamesThreeRunsWithTheirVtcs) {
  int declared = 0;
  std::vector<StudyRun> runs = runsOfFileList(declared);
  EXPECT_EQ(declared, 3);
  ASSERT_EQ(runs.size(), 3u);
  for (const StudyRun& run : runs) {
    EXPECT_NE(run.vtc.find(".vtc"), std::string::npos) << run.protocol;
    EXPECT_TRUE(std::filesystem::exists(kStudy / run.protocol)) << run.protocol;
  }
  EXPECT_TRUE(std::filesystem::is_regular_file(kStudy / "anat/subject01.vmr"));
}

TEST(ExampleStudy, ProtocolsFitTheirRunsAndConfoundsHaveOneRowPerVolume) {
  int declared = 0;
  for (const StudyRun& run : runsOfFileList(declared)) {
    standin::VtcFile vtc;
    std::string error;
    ASSERT_TRUE(standin::readVtcFile((kStudy / run.vtc).string(), vtc, error)) << error;
    const int volumes = standin::vtcVolumes(vtc.header);
    const double runLength = volumes * standin::vtcRepetitionTime(vtc.header);

    standin::Protocol protocol;
    ASSERT_TRUE(standin::readProtocolFile((kStudy / run.protocol).string(), protocol, error))
        << error;
    ASSERT_FALSE(protocol.conditions.empty());
    EXPECT_EQ(protocol.conditions.front().name, "Fixation") << run.protocol;
    for (const standin::Condition& condition : protocol.conditions) {
      for (std::int32_t end : condition.ends) {
        if (protocol.timeUnit == standin::TimeUnit::Volumes) {
          EXPECT_LE(end, volumes) << run.protocol << " " << condition.name;
        } else {
          EXPECT_LT(end, runLength) << run.protocol << " " << condition.name;
        }
      }
    }

    for (const std::string& confound : run.confounds) {
      int declaredRows = 0;
      int rows = 0;
      countRows(kStudy / confound, declaredRows, rows);
      EXPECT_EQ(declaredRows, volumes) << confound;
      EXPECT_EQ(rows, volumes) << confound;
    }
  }
}

}  // namespace
