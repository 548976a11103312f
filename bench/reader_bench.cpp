// The four confound readers on files of 1,000, 100,000 and 1,000,000 rows, in bytes of file read
// per second.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_inputs.h"
#include "bench/bench_names.h"
#include "bench/bench_registry.h"
#include "bench/ratio_report.h"
#include "confounds/confound_readers.h"

namespace bench {
namespace {

ConfoundSet readFile(ConfoundFile kind, const std::string& path) {
  switch (kind) {
    case ConfoundFile::MotionSdm:
      return readMotionSdm(path.c_str());
    case ConfoundFile::MotionRtc:
      return readMotionRtc(path.c_str());
    case ConfoundFile::HeartRateSdm:
      return readConfoundSdm(path.c_str(), ConfoundKind::HeartRate);
    case ConfoundFile::HeartRateRtc:
      return readConfoundRtc(path.c_str(), ConfoundKind::HeartRate);
  }
  return ConfoundSet();
}

void readerBenchmark(benchmark::State& state, ConfoundFile kind) {
  const std::int64_t rows = state.range(0);
  const std::string& path = inputs().confoundFile(kind, rows);
  for (auto _ : state) {
    ConfoundSet set = readFile(kind, path);
    if (!set.readOk || set.nrOfDataPoints != rows) {
      state.SkipWithError("the file did not read back whole");
      break;
    }
    benchmark::DoNotOptimize(set);
  }
  reportBytes(state, fileBytes(path));
}

}  // namespace

void registerReaderBenchmarks() {
  const struct {
    const char* name;
    ConfoundFile kind;
  } readers[] = {{"MotionSdm", ConfoundFile::MotionSdm},
                 {"MotionRtc", ConfoundFile::MotionRtc},
                 {"HeartRateSdm", ConfoundFile::HeartRateSdm},
                 {"HeartRateRtc", ConfoundFile::HeartRateRtc}};
  for (const auto& reader : readers) {
    benchmark::RegisterBenchmark((std::string(kReaderPrefix) + reader.name).c_str(),
                                 readerBenchmark, reader.kind)
        ->Arg(1000)
        ->Arg(100000)
        ->Arg(1000000)
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace bench
