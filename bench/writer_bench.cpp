// Both merged writers and the iostream merge on the same design matrix and confounds, in bytes of
// text read and written per second.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_names.h"
#include "bench/bench_registry.h"
#include "bench/iostream_merge.h"
#include "bench/merge_case.h"
#include "bench/ratio_report.h"
#include "confounds/merged_writer.h"

namespace bench {
namespace {

enum class Merge { Writer, WriterAll, Iostream };

void mergeBenchmark(benchmark::State& state, Merge merge) {
  const MergeCase& merged = mergeCase(state.range(0));
  if (!merged.sameBytes) {
    state.SkipWithError("the writer and the iostream merge wrote different bytes");
    return;
  }
  const MergeSets& sets = *merged.sets;
  for (auto _ : state) {
    switch (merge) {
      case Merge::Writer:
        benchmark::DoNotOptimize(writeMergedDesignMatrix(
            merged.input, &sets.motion, &sets.heartRate, &sets.respiration, true, true, true));
        break;
      case Merge::WriterAll:
        benchmark::DoNotOptimize(writeMergedDesignMatrixAll(merged.input, sets.motion,
                                                            sets.heartRate, sets.respiration));
        break;
      case Merge::Iostream:
        if (!iostreamMerge(merged.input, merged.iostreamOutput, sets.motion, sets.heartRate,
                           sets.respiration)) {
          state.SkipWithError("the iostream merge failed");
        }
        break;
    }
  }
  reportBytes(state, merged.textBytes);
}

}  // namespace

void registerWriterBenchmarks() {
  const struct {
    const char* name;
    Merge merge;
  } merges[] = {{kMergeWriter, Merge::Writer},
                {kMergeAllWriter, Merge::WriterAll},
                {kIostreamMerge, Merge::Iostream}};
  for (const auto& merge : merges) {
    auto* registered = benchmark::RegisterBenchmark(merge.name, mergeBenchmark, merge.merge);
    for (const char* rows : kWriterRowCounts) registered->Arg(std::stoll(rows));
    registered->Unit(benchmark::kMillisecond);
  }
}

}  // namespace bench
