// Reading a file list of 10,000 entries and classifying every entry, in bytes of list per
// second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "batch/file_list.h"
#include "bench/bench_inputs.h"
#include "bench/bench_registry.h"
#include "bench/ratio_report.h"

namespace bench {
namespace {

void fileListBenchmark(benchmark::State& state) {
  const auto entries = static_cast<int>(state.range(0));
  const std::string& path = inputs().fileList(entries);
  for (auto _ : state) {
    int declared = 0;
    std::vector<std::string> list;
    if (!readFileList(path.c_str(), declared, list) || list.size() != std::size_t(entries)) {
      state.SkipWithError("the file list did not read back whole");
      break;
    }
    int kinds = 0;
    for (const std::string& entry : list) kinds += classifyListEntry(entry);
    benchmark::DoNotOptimize(kinds);
  }
  reportBytes(state, fileBytes(path));
}

}  // namespace

void registerFileListBenchmarks() {
  benchmark::RegisterBenchmark("FileList/readAndClassify", fileListBenchmark)
      ->Arg(10000)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace bench
