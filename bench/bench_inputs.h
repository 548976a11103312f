// The inputs of the in-process benchmarks, made on first use in one scratch folder that lasts
// for the run: confound files of each form and size, design matrices, the confound sets merged
// into them, and a file list.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "bench/bench_data.h"
#include "confounds/confound_set.h"

namespace bench {

enum class ConfoundFile { MotionSdm, MotionRtc, HeartRateSdm, HeartRateRtc };

// The three sets merged into a design matrix of rows rows, read from their files by the
// plug-in's readers and z-transformed, as a run that answers yes to the z-transform has them.
struct MergeSets {
  ConfoundSet motion;       // six columns, from the SDM form
  ConfoundSet heartRate;    // one column, from the RTC form
  ConfoundSet respiration;  // two columns and a dropped constant, from the SDM form
};

// The design matrices of the writer benchmarks hold this many predictors and the constant.
inline constexpr int kDesignPredictors = 20;

class BenchInputs {
 public:
  BenchInputs() : folder_("inputs") {}

  const std::string& confoundFile(ConfoundFile kind, std::int64_t rows);
  const std::string& designMatrix(std::int64_t rows);
  const MergeSets& mergeSets(std::int64_t rows);
  const std::string& fileList(int entries);

  // A path in the scratch folder for a file a benchmark writes.
  std::string outputPath(const std::string& name) const { return folder_.file(name); }

 private:
  ScratchFolder folder_;
  std::map<std::pair<int, std::int64_t>, std::string> files_;  // by what they hold and size
  std::map<std::int64_t, std::unique_ptr<MergeSets>> sets_;    // by rows
};

// The inputs of this run.
BenchInputs& inputs();

}  // namespace bench
