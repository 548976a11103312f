// One merge that the writer, the iostream merge and the conversion limit all measure: a design
// matrix of kDesignPredictors predictors and the constant, with motion, heart rate and
// respiration appended.
#pragma once

#include <cstdint>
#include <string>

#include "bench/bench_inputs.h"

namespace bench {

struct MergeCase {
  std::string input;                // the design matrix
  const MergeSets* sets = nullptr;  // the confounds appended
  std::string output;               // the merged design matrix the plug-in's writer writes
  std::string iostreamOutput;       // the same merge through the iostream merge
  std::int64_t textBytes = 0;       // input plus output: the text that one merge reads and writes
  bool sameBytes = false;           // true when both merges wrote the same bytes
};

// The case of rows rows, made and checked (one merge of each kind) on first use.
const MergeCase& mergeCase(std::int64_t rows);

}  // namespace bench
