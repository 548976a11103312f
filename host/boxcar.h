// A predictor's boxcar on a fine time grid: the stretches of time in which its condition is on
// and the value it has there. The HRF is convolved with this fine boxcar rather than with the
// per-volume values, so onsets in msec keep their precision.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "host/protocol_file.h"

namespace standin {

// The fine grid: one sample per millisecond.
inline constexpr double kFineStepMs = 1.0;

struct FineBoxcar {
  double value = 0.0;
  double repetitionTimeMs = 0.0;
  // Samples [first, second) in which the condition is on; sorted, disjoint, non-empty.
  std::vector<std::pair<std::int64_t, std::int64_t>> on;
};

// The boxcar of a condition whose intervals are in unit: volumes v1..v2 (1-based, both included)
// cover [(v1 - 1) * TR, v2 * TR); msec s..e cover [s, e + 1). Overlapping intervals merge.
FineBoxcar makeBoxcar(const Condition& condition, TimeUnit unit, double repetitionTimeMs,
                      double value);

// The fine sample at which volume (counted from 0) is acquired.
std::int64_t volumeSample(std::size_t volume, double repetitionTimeMs);

// Sets values[i] to the boxcar's value where volume i is acquired while the condition is on,
// and to 0 elsewhere.
void sampleBoxcar(const FineBoxcar& boxcar, std::span<float> values);

}  // namespace standin
