// A console reporter that also keeps the throughput of every benchmark, so that the end of a run
// can set benchmarks of the same run against each other and against the targets.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// Reports bytesPerIteration for every iteration: as Google Benchmark's bytes_per_second (by the
// thread's CPU time) and as a counter from which the report also takes the wall-clock rate.
void reportBytes(benchmark::State& state, std::int64_t bytesPerIteration);

// Bytes per second of one benchmark over all its runs in this process.
struct Throughput {
  double cpu = 0.0;   // by the CPU time of the benchmark's thread
  double wall = 0.0;  // by wall-clock time
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;

  // The throughput of the benchmark of that name (as "Reader/MotionSdm/1000"); none when it did
  // not run or reported no bytes.
  std::optional<Throughput> throughput(const std::string& name) const;

  // The names of the benchmarks that ran, in name order.
  std::vector<std::string> names() const;

  // The benchmarks that stopped with an error (a merge that wrote other bytes, a file that did
  // not read back), by name.
  const std::vector<std::string>& failed() const { return failed_; }

 private:
  struct Total {
    double bytes = 0.0;
    double cpuSeconds = 0.0;
    double wallSeconds = 0.0;
  };
  std::map<std::string, Total> totals_;
  std::vector<std::string> failed_;
};

// Prints the ratios and figures that the targets name, each with its target and whether it is
// met (by CPU time; the wall-clock figure beside it); a figure whose benchmarks did not run is
// left out. Returns the number of targets missed.
int printTargets(const RatioReporter& report);

}  // namespace bench
