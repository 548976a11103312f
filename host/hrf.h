// The haemodynamic response functions the host convolves predictors with.
//   two-gamma: a gamma response peaking at 5 s minus 1/6 of a gamma undershoot peaking at 15 s,
//              both of dispersion 1 s;
//   Boynton:   a gamma of order 3 with time constant 1.25 s, delayed by 2.5 s.
#pragma once

#include <span>

#include "host/boxcar.h"

namespace standin {

enum class HrfShape { TwoGamma, Boynton };

// The response seconds after a brief event, unscaled; 0 before the event.
double hrfValue(HrfShape shape, double seconds);

// Sets values[i] to the boxcar convolved with the HRF on the fine grid, taken where volume i is
// acquired. The HRF is scaled to unit sum, so a block longer than the response reaches the
// boxcar's value.
void convolveBoxcar(const FineBoxcar& boxcar, HrfShape shape, std::span<float> values);

}  // namespace standin
