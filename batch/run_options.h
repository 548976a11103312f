#pragma once

// The HRF answer as the host returns it: 1 (Yes) is the two-gamma HRF; every other value counts
// as Boynton.
using HrfKind = int;
inline constexpr HrfKind TwoGamma = 1;
inline constexpr HrfKind Boynton = 0;

// The predictor prompt's result when the user cancelled it.
inline constexpr float kCancelledPredictorValue = -101.0f;

// The answers of one run, asked once at its start and used for every protocol group.
struct RunOptions {
  HrfKind hrfKind = Boynton;
  float predictorValue = 1.0f;  // kCancelledPredictorValue when cancelled
  bool skipFirstCondition = false;
  bool applyZTransform = false;
};
