#include "bench/ratio_report.h"

#include <cstdio>
#include <string>

#include "bench/bench_names.h"

namespace bench {
namespace {

constexpr const char* kTextBytes = "text_bytes";
constexpr double kMegabyte = 1e6;

}  // namespace

void reportBytes(benchmark::State& state, std::int64_t bytesPerIteration) {
  const auto bytes = static_cast<std::int64_t>(state.iterations()) * bytesPerIteration;
  state.SetBytesProcessed(bytes);
  state.counters[kTextBytes] = benchmark::Counter(static_cast<double>(bytes));
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred) failed_.push_back(run.benchmark_name() + ": " + run.error_message);
    if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
    auto bytes = run.counters.find(kTextBytes);
    if (bytes == run.counters.end()) continue;
    std::string name = run.run_name.function_name;
    if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
    Total& total = totals_[name];
    total.bytes += bytes->second.value;
    total.cpuSeconds += run.cpu_accumulated_time;
    total.wallSeconds += run.real_accumulated_time;
  }
}

std::optional<Throughput> RatioReporter::throughput(const std::string& name) const {
  auto found = totals_.find(name);
  if (found == totals_.end() || found->second.cpuSeconds <= 0.0 ||
      found->second.wallSeconds <= 0.0) {
    return std::nullopt;
  }
  const Total& total = found->second;
  return Throughput{total.bytes / total.cpuSeconds, total.bytes / total.wallSeconds};
}

std::vector<std::string> RatioReporter::names() const {
  std::vector<std::string> all;
  for (const auto& [name, total] : totals_) {
    if (throughput(name)) all.push_back(name);
  }
  return all;
}

namespace {

struct Checker {
  const RatioReporter& report;
  int missed = 0;

  void verdict(bool met) {
    if (!met) ++missed;
    std::printf(" %s\n", met ? "met" : "MISSED");
  }

  void ratio(const std::string& label, const std::string& numerator, const std::string& denominator,
             double target) {
    auto top = report.throughput(numerator);
    auto bottom = report.throughput(denominator);
    if (!top || !bottom) return;
    const double value = top->cpu / bottom->cpu;
    std::printf("  %-44s %6.2f (%5.0f / %5.0f MB/s; wall clock %5.2f), target >= %.2f",
                label.c_str(), value, top->cpu / kMegabyte, bottom->cpu / kMegabyte,
                top->wall / bottom->wall, target);
    verdict(value >= target);
  }

  // A ratio that no target names, printed for what it tells.
  void share(const std::string& label, const std::string& numerator,
             const std::string& denominator) {
    auto top = report.throughput(numerator);
    auto bottom = report.throughput(denominator);
    if (!top || !bottom) return;
    std::printf("  %-44s %6.2f (%5.0f / %5.0f MB/s; wall clock %5.2f)\n", label.c_str(),
                top->cpu / bottom->cpu, top->cpu / kMegabyte, bottom->cpu / kMegabyte,
                top->wall / bottom->wall);
  }

  void rate(const std::string& name, double targetMegabytes) {
    auto value = report.throughput(name);
    if (!value) return;
    std::printf("  %-44s %6.0f MB/s (wall clock %5.0f MB/s), target >= %.0f MB/s", name.c_str(),
                value->cpu / kMegabyte, value->wall / kMegabyte, targetMegabytes);
    verdict(value->cpu / kMegabyte >= targetMegabytes);
  }
};

}  // namespace

int printTargets(const RatioReporter& report) {
  std::printf("\n== Throughput of every benchmark of this run, MB/s by CPU time and wall clock\n");
  for (const std::string& name : report.names()) {
    const Throughput rate = *report.throughput(name);
    std::printf("  %-44s %8.0f %8.0f\n", name.c_str(), rate.cpu / kMegabyte, rate.wall / kMegabyte);
  }
  Checker check{report};
  std::printf("\n== Targets, from the benchmarks of this run (rates by CPU time)\n");
  for (const char* rows : kWriterRowCounts) {
    for (const char* writer : {kMergeWriter, kMergeAllWriter}) {
      const std::string name = std::string(writer) + "/" + rows;
      check.ratio(name + " / iostream merge", name, std::string(kIostreamMerge) + "/" + rows, 4.0);
      check.ratio(name + " / conversion limit", name, std::string(kConversionLimit) + "/" + rows,
                  0.70);
    }
  }
  std::printf("  with no target, the writer against the same work with its own conversions:\n");
  for (const char* rows : kWriterRowCounts) {
    for (const char* writer : {kMergeWriter, kMergeAllWriter}) {
      const std::string name = std::string(writer) + "/" + rows;
      check.share(name + " / own conversions", name, std::string(kOwnConversionLimit) + "/" + rows);
    }
  }
  for (const std::string& name : report.names()) {
    if (name.rfind(kReaderPrefix, 0) == 0) check.rate(name, 250.0);
  }
  std::printf(check.missed == 0 ? "  every target met\n" : "  %d target(s) missed\n", check.missed);
  return check.missed;
}

}  // namespace bench
