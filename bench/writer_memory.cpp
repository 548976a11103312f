// folwyn_writer_memory: the peak resident memory of the merged writer while it merges a design
// matrix of 20 predictors and the constant with all three confound kinds, at 10,000 and at
// 1,000,000 rows. Each size runs in a child process of its own; the peak is read from /proc
// (Linux). Exit status 0 when the two peaks lie within 2 MB of each other.
//   folwyn_writer_memory [ROWS...]   (default: 10000 1000000; the first is the reference)
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_data.h"
#include "bench/silent_host.h"
#include "confounds/confound_readers.h"
#include "confounds/merged_writer.h"
#include "confounds/z_transform.h"
#include "tests/support/process_memory.h"

namespace {

constexpr long long kAllowedGrowth = 2LL * 1024 * 1024;

struct Measured {
  long long before = -1;  // resident memory with the sets read, before the write
  long long peak = -1;    // peak resident memory during the write
  long long output = 0;   // bytes written
};

// In the child: makes the inputs, reads and z-transforms the sets, then measures the write.
Measured measure(std::int64_t rows) {
  bench::installSilentHost();
  bench::ScratchFolder folder("memory");
  const std::string input = folder.file("task.sdm");
  bench::writeDesignMatrix(input, 20, rows, 1);
  bench::writeMotionFile(folder.file("run_3DMC.sdm"), bench::Form::Sdm, rows, 2);
  bench::writeHeartRateFile(folder.file("run_HR.rtc"), bench::Form::Rtc, rows, 3);
  bench::writeRespirationFile(folder.file("run_RVT.sdm"), rows, 4);
  ConfoundSet motion = readMotionSdm(folder.file("run_3DMC.sdm").c_str());
  ConfoundSet heartRate =
      readConfoundRtc(folder.file("run_HR.rtc").c_str(), ConfoundKind::HeartRate);
  ConfoundSet respiration =
      readConfoundSdm(folder.file("run_RVT.sdm").c_str(), ConfoundKind::Respiration);
  zTransformMotion(motion);
  zTransformConfounds(heartRate);
  zTransformConfounds(respiration);

  Measured measured;
  malloc_trim(0);
  if (!resetPeak()) return measured;
  measured.before = statusBytes("VmRSS");
  const std::string output = writeMergedDesignMatrixAll(input, motion, heartRate, respiration);
  measured.peak = statusBytes("VmHWM");
  measured.output = bench::fileBytes(output);
  return measured;
}

// Runs measure(rows) in a child process and takes its figures back through a pipe.
bool measureInChild(std::int64_t rows, Measured& measured) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return false;
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    close(pipeEnds[0]);
    Measured result{};
    try {
      result = measure(rows);
    } catch (...) {
    }
    const bool sent = write(pipeEnds[1], &result, sizeof result) == sizeof result;
    close(pipeEnds[1]);
    _exit(sent ? 0 : 1);
  }
  close(pipeEnds[1]);
  const bool received = read(pipeEnds[0], &measured, sizeof measured) == sizeof measured;
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return received && WIFEXITED(status) && WEXITSTATUS(status) == 0 && measured.peak >= 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::int64_t> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoll(argv[i]));
  if (sizes.empty()) sizes = {10000, 1000000};
  std::printf(
      "== Peak resident memory of the merged writer (20 predictors, constant, motion, "
      "heart rate, respiration)\n");
  long long reference = -1;
  bool flat = true;
  for (std::int64_t rows : sizes) {
    Measured measured;
    if (!measureInChild(rows, measured)) {
      std::printf("  %9lld rows: could not be measured (no peak memory in /proc here?)\n",
                  static_cast<long long>(rows));
      return 2;
    }
    // The writer's own memory: what the peak during the write adds to what the process held
    // before it (the confound sets, which grow with the rows, are its input, not its memory).
    const long long growth = measured.peak - measured.before;
    std::printf("  %9lld rows: %7.1f MB written, writer's peak %6.2f MB (process %7.2f MB)",
                static_cast<long long>(rows), static_cast<double>(measured.output) / 1e6,
                static_cast<double>(growth) / 1048576.0,
                static_cast<double>(measured.peak) / 1048576.0);
    if (reference < 0) {
      reference = growth;
      std::printf("\n");
      continue;
    }
    const long long difference = growth - reference;
    const bool within = difference <= kAllowedGrowth;
    flat = flat && within;
    std::printf(", %+.2f MB against the first: %s\n", static_cast<double>(difference) / 1048576.0,
                within ? "within 2 MB, met" : "MISSED");
  }
  return flat ? 0 : 1;
}
