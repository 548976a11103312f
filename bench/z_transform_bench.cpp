// The z-transform of one column of 1,000, 100,000 and 1,000,000 values, in bytes of doubles per
// second.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/bench_registry.h"
#include "bench/ratio_report.h"
#include "confounds/z_transform.h"

namespace bench {
namespace {

void zTransformBenchmark(benchmark::State& state) {
  const auto length = static_cast<std::size_t>(state.range(0));
  std::vector<double> column(length);
  std::mt19937 random(17);
  std::normal_distribution<double> value(66.0, 2.0);
  for (double& x : column) x = value(random);
  for (auto _ : state) {
    zTransformColumn(column);
    benchmark::ClobberMemory();
  }
  reportBytes(state, static_cast<std::int64_t>(length * sizeof(double)));
}

}  // namespace

void registerZTransformBenchmarks() {
  benchmark::RegisterBenchmark("ZTransform/column", zTransformBenchmark)
      ->Arg(1000)
      ->Arg(100000)
      ->Arg(1000000);
}

}  // namespace bench
