#include "host/hrf.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace standin {
namespace {

// Both responses have died away (below 1e-5 of their peak) 40 s after the event.
constexpr double kResponseLengthMs = 40000.0;

// The gamma density of integer shape and unit scale at t seconds.
double gammaDensity(int shape, double t) {
  if (t <= 0.0) return 0.0;
  return std::exp((shape - 1) * std::log(t) - t - std::lgamma(static_cast<double>(shape)));
}

// Running sums of the response on the fine grid: sums[m] is the sum of its first m samples.
std::vector<double> cumulativeResponse(HrfShape shape) {
  std::size_t length = static_cast<std::size_t>(kResponseLengthMs / kFineStepMs);
  std::vector<double> sums(length + 1, 0.0);
  for (std::size_t j = 0; j < length; ++j) {
    sums[j + 1] = sums[j] + hrfValue(shape, static_cast<double>(j) * kFineStepMs / 1000.0);
  }
  return sums;
}

}  // namespace

double hrfValue(HrfShape shape, double seconds) {
  if (shape == HrfShape::TwoGamma) {
    // Peak of a unit-scale gamma density of shape a: a - 1 seconds.
    return gammaDensity(6, seconds) - gammaDensity(16, seconds) / 6.0;
  }
  constexpr double kDelay = 2.5;
  constexpr double kTimeConstant = 1.25;
  return gammaDensity(3, (seconds - kDelay) / kTimeConstant) / kTimeConstant;
}

void convolveBoxcar(const FineBoxcar& boxcar, HrfShape shape, std::span<float> values) {
  const std::vector<double> sums = cumulativeResponse(shape);
  const std::int64_t length = static_cast<std::int64_t>(sums.size()) - 1;
  const double total = sums.back();
  auto sumUpTo = [&](std::int64_t count) {
    return sums[static_cast<std::size_t>(std::clamp<std::int64_t>(count, 0, length))];
  };
  for (std::size_t i = 0; i < values.size(); ++i) {
    // At sample n, the boxcar samples [a, b) meet the response samples (n - b, n - a].
    std::int64_t n = volumeSample(i, boxcar.repetitionTimeMs);
    double response = 0.0;
    for (const auto& [a, b] : boxcar.on) {
      if (a > n) break;
      response += sumUpTo(n - a + 1) - sumUpTo(n - b + 1);
    }
    values[i] = static_cast<float>(boxcar.value * response / total);
  }
}

}  // namespace standin
