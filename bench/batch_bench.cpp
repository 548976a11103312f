// folwyn_batch_bench: a whole batch through the stand-in host. Writes a study of 1,000 protocol
// groups (300 volumes each, with motion, heart-rate and respiration files), runs the real plug-in
// library on it in TarnwickNZ.exe --timing, and splits each run's time into the stand-in's own
// work (its host functions: dialogs, log, documents, design matrices) and the plug-in's.
//   folwyn_batch_bench [--groups N] [--volumes N] [--runs N] [--keep FOLDER]
// Exit status 0 when every run merged every group and the plug-in's part stayed under the target.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/batch_study.h"
#include "bench/bench_data.h"

namespace {

constexpr double kTargetSeconds = 2.0;

struct RunTiming {
  double execute = 0.0;
  double host = 0.0;
  double plugin = 0.0;
};

std::string quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

// Runs the stand-in host on the study and reads its timing lines; false when it failed.
bool runHost(const bench::StudyPaths& study, int runs, std::vector<RunTiming>& timings) {
  const std::string command = quoted(FOLWYN_STANDIN_HOST_PATH) + " --quiet --timing --runs " +
                              std::to_string(runs) + " --vmr " + quoted(study.anatomical) +
                              " --answers " + quoted(study.answers) + " " +
                              quoted(FOLWYN_PLUGIN_PATH) + " 2>&1";
  std::FILE* output = popen(command.c_str(), "r");
  if (output == nullptr) return false;
  char line[512];
  while (std::fgets(line, sizeof line, output) != nullptr) {
    RunTiming timing;
    int run = 0;
    if (std::sscanf(line, "[timing] run %d: execute %lf s, host functions %lf s, plug-in %lf s",
                    &run, &timing.execute, &timing.host, &timing.plugin) == 4) {
      timings.push_back(timing);
    } else {
      std::fputs(line, stdout);  // anything else the host says is an error worth seeing
    }
  }
  return pclose(output) == 0;
}

int countMerged(const std::string& folder) {
  int count = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.find("_3DMC_z_HR_z_RVT_z.sdm") != std::string::npos) ++count;
  }
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  int groups = 1000;
  int volumes = 300;
  int runs = 3;
  std::string keep;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--groups") == 0) {
      groups = std::atoi(argv[i + 1]);
    } else if (std::strcmp(argv[i], "--volumes") == 0) {
      volumes = std::atoi(argv[i + 1]);
    } else if (std::strcmp(argv[i], "--runs") == 0) {
      runs = std::atoi(argv[i + 1]);
    } else if (std::strcmp(argv[i], "--keep") == 0) {
      keep = argv[i + 1];
    } else {
      std::fprintf(stderr, "unknown option %s\n", argv[i]);
      return 1;
    }
  }
  if (groups < 1 || volumes < 10 || runs < 1) {
    std::fprintf(stderr,
                 "usage: folwyn_batch_bench [--groups N] [--volumes N>=10] [--runs N]"
                 " [--keep FOLDER]\n");
    return 1;
  }

  bench::ScratchFolder scratch("batch");
  const std::string folder = keep.empty() ? scratch.path().string() : keep;
  std::printf(
      "== Whole batch: %d protocol groups of %d volumes, each with motion, heart-rate and "
      "respiration files, z-transformed, through the stand-in host (%d runs)\n",
      groups, volumes, runs);
  const bench::StudyPaths study = bench::writeStudy(folder, groups, volumes, runs);
  std::vector<RunTiming> timings;
  const bool ran = runHost(study, runs, timings);
  const int merged = countMerged(folder);
  if (!ran || timings.size() != static_cast<std::size_t>(runs) || merged != groups) {
    std::printf(
        "  the batch did not run through: %zu of %d runs timed, %d of %d merged design "
        "matrices\n",
        timings.size(), runs, merged, groups);
    return 1;
  }
  double best = timings.front().plugin;
  for (std::size_t r = 0; r < timings.size(); ++r) {
    const RunTiming& t = timings[r];
    std::printf(
        "  run %zu: execute %6.3f s = stand-in's host functions %6.3f s + plug-in %6.3f s\n", r + 1,
        t.execute, t.host, t.plugin);
    if (t.plugin < best) best = t.plugin;
  }
  const bool met = best < kTargetSeconds;
  std::printf("  plug-in's part, best run: %.3f s (%.2f ms a group), target < %.0f s: %s\n", best,
              best * 1000.0 / groups, kTargetSeconds, met ? "met" : "MISSED");
  return met ? 0 : 1;
}
