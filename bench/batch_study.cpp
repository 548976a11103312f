#include "bench/batch_study.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "bench/bench_data.h"
#include "host/vtc_file.h"

namespace bench {
namespace {

constexpr float kRepetitionTimeMs = 2000.0f;

// Five conditions in blocks of ten volumes: a fixation condition between the four others.
std::string protocolText(int volumes) {
  const char* names[] = {"Fixation", "Faces", "Houses", "Objects", "Scenes"};
  const char* colors[] = {"64 64 64", "255 0 0", "0 120 255", "0 200 0", "200 200 0"};
  std::string text =
      "FileVersion:        2\n\nResolutionOfTime:   Volumes\n\nExperiment:         Benchmark "
      "run\n\nBackgroundColor:    0 0 0\nTextColor:          255 255 202\nTimeCourseColor:    "
      "255 255 255\nTimeCourseThick:    3\nReferenceFuncColor: 192 192 192\nReferenceFuncThick: "
      "2\n\nNrOfConditions:  5\n";
  const int blocks = volumes / 10;
  for (int c = 0; c < 5; ++c) {
    std::string intervals;
    int count = 0;
    for (int b = 0; b < blocks; ++b) {
      const bool fixation = b % 2 == 0;
      if ((c == 0) != fixation || (!fixation && (b / 2) % 4 != c - 1)) continue;
      intervals.append(std::to_string(b * 10 + 1)).append(" ");
      intervals.append(std::to_string(b * 10 + 10)).append("\n");
      ++count;
    }
    text.append("\n").append(names[c]).append("\n");
    text.append(std::to_string(count)).append("\n").append(intervals);
    text.append("Color: ").append(colors[c]).append("\n");
  }
  return text;
}

void writeText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

StudyPaths writeStudy(const std::string& folder, int groups, int volumes, int runs) {
  namespace fs = std::filesystem;
  const fs::path root(folder);
  fs::create_directories(root / "anat");
  StudyPaths paths;
  paths.anatomical = (root / "anat" / "subject01.vmr").string();
  writeText(paths.anatomical, "Anatomical document of the benchmark study.\n");

  const std::string protocol = protocolText(volumes);
  standin::VtcFile vtc;
  vtc.header = standin::makeVtcHeader(volumes, kRepetitionTimeMs);
  vtc.data = std::string(16, '\0');
  std::string list = std::to_string(groups) + "\n";
  for (int g = 0; g < groups; ++g) {
    const fs::path run = root / ("run" + std::to_string(g + 1));
    fs::create_directories(run);
    writeText(run / "task.prt", protocol);
    std::string error;
    if (!standin::writeVtcFile((run / "run.vtc").string(), vtc, error)) {
      throw std::runtime_error(error);
    }
    const auto seed = static_cast<std::uint32_t>(g);
    writeMotionFile((run / "run_3DMC.sdm").string(), Form::Sdm, volumes, seed);
    writeHeartRateFile((run / "run_HR.rtc").string(), Form::Rtc, volumes, seed);
    writeRespirationFile((run / "run_RVT.sdm").string(), volumes, seed);
    for (const char* name : {"task.prt", "run.vtc", "run_3DMC.sdm", "run_HR.rtc", "run_RVT.sdm"}) {
      list += (run / name).string() + "\n";
    }
  }
  paths.fileList = (root / "filelist.txt").string();
  writeText(paths.fileList, list);

  std::string answers;
  for (int r = 0; r < runs; ++r) {
    answers += "yesno yes\nfloat 1\nyesno yes\nyesno yes\nfile " + paths.fileList + "\n";
  }
  paths.answers = (root / "answers.txt").string();
  writeText(paths.answers, answers);
  return paths;
}

}  // namespace bench
