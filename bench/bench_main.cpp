// folwyn_bench: the in-process benchmarks of the plug-in's text work, then the ratios and
// figures that its targets name, all from this one run. Google Benchmark's options apply
// (--benchmark_filter=REGEX, --benchmark_min_time=SECONDS, ...). Exit status 0 when every target
// met, 1 when a target was missed, 2 when a benchmark stopped with an error.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/bench_registry.h"
#include "bench/ratio_report.h"
#include "bench/silent_host.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::installSilentHost();
  bench::registerReaderBenchmarks();
  bench::registerZTransformBenchmarks();
  bench::registerWriterBenchmarks();
  bench::registerConversionBenchmarks();
  bench::registerFileListBenchmarks();
  bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const int missed = bench::printTargets(reporter);
  benchmark::Shutdown();
  for (const std::string& failure : reporter.failed()) std::printf("FAILED %s\n", failure.c_str());
  if (!reporter.failed().empty()) return 2;
  return missed == 0 ? 0 : 1;
}
