#include "confounds/z_transform.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// A spread (largest minus smallest value) at most this fraction of the largest magnitude counts
// as none. One subtraction of equal values rounds to about 1e-16 of their magnitude, and the
// mean of equal values such as 0.1, 0.1, 0.1 comes out a few units in the last place off them,
// which would blow rounding noise up to -1 and 1; real confounds, read from text with at most
// 17 significant digits and in practice far fewer, vary by far more than 1e-12 of their size.
// The test compares values, not the computed deviation, so it holds for columns of any length.
constexpr double kNegligibleSpread = 1e-12;

// Standardises the first length values of column, if it holds that many or fewer.
void transformStored(std::vector<double>& column, std::int32_t length) {
  if (length <= 0) return;
  const std::size_t count = std::min(column.size(), static_cast<std::size_t>(length));
  zTransformColumn(std::span<double>(column.data(), count));
}

// The powers of two from 2^-1022 to 2^1023 are normal doubles.
constexpr int kLowestNormalExponent = -1022;
constexpr int kHighestExponent = 1023;

// The two passes of the statistics and the pass of the transform, over the values as scaled
// gives them.
template <typename Scale>
void standardise(std::span<double> column, Scale scaled) {
  const double n = static_cast<double>(column.size());
  double sum = 0.0;
  for (double x : column) sum += scaled(x);
  const double mean = sum / n;
  double squares = 0.0;
  for (double x : column) {
    const double d = scaled(x) - mean;
    squares += d * d;
  }
  const double sd = std::sqrt(squares / n);
  for (double& x : column) x = (scaled(x) - mean) / sd;
}

}  // namespace

void zTransformColumn(std::span<double> column) {
  if (column.empty()) return;
  const auto [low, high] = std::minmax_element(column.begin(), column.end());
  const double magnitude = std::max(std::fabs(*low), std::fabs(*high));
  if (magnitude == 0.0 || !(*high - *low > magnitude * kNegligibleSpread)) {
    std::fill(column.begin(), column.end(), 0.0);
    return;
  }
  // The statistics are taken of the values scaled by a power of two that brings the largest
  // magnitude near 1: sums and squares then never overflow or underflow, and since scaling by a
  // power of two is exact, the result is the same as of the unscaled values.
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  const int shift = -exponent;
  if (shift >= kLowestNormalExponent && shift <= kHighestExponent) {
    // The factor is a double: one multiplication per value, rounded as ldexp rounds.
    const double factor = std::ldexp(1.0, shift);
    standardise(column, [factor](double x) { return x * factor; });
  } else {
    // A subnormal magnitude needs a factor above 2^1023: ldexp scales in one step.
    standardise(column, [shift](double x) { return std::ldexp(x, shift); });
  }
}

void zTransformMotion(ConfoundSet& set) {
  for (std::vector<double>& column : set.motionColumns) transformStored(column, set.nrOfDataPoints);
  set.zTransformed = true;
}

void zTransformConfounds(ConfoundSet& set) {
  const std::size_t count =
      set.nrOfPredictors > 0
          ? std::min(set.columns.size(), static_cast<std::size_t>(set.nrOfPredictors))
          : 0;
  for (std::size_t i = 0; i < count; ++i) transformStored(set.columns[i], set.nrOfDataPoints);
  set.zTransformed = true;
}
