// The z-transform scales each column by a power of two before taking its statistics, with one
// multiplication per value where the factor is a double and with ldexp where it is not (columns
// of subnormal size). Both must give, bit for bit, what scaling every value with ldexp gives, at
// every magnitude a double can have.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "confounds/z_transform.h"

namespace {

// The transform with ldexp for every value, the way that holds for any magnitude.
std::vector<double> transformedByLdexp(std::vector<double> column) {
  const auto [low, high] = std::minmax_element(column.begin(), column.end());
  const double magnitude = std::max(std::fabs(*low), std::fabs(*high));
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  const double n = static_cast<double>(column.size());
  double sum = 0.0;
  for (double x : column) sum += std::ldexp(x, -exponent);
  const double mean = sum / n;
  double squares = 0.0;
  for (double x : column) {
    const double d = std::ldexp(x, -exponent) - mean;
    squares += d * d;
  }
  const double sd = std::sqrt(squares / n);
  for (double& x : column) x = (std::ldexp(x, -exponent) - mean) / sd;
  return column;
}

TEST(ZTransformScaling, EqualsScalingEveryValueWithLdexpAtEveryMagnitude) {
  std::mt19937_64 random(4242);
  std::normal_distribution<double> value(0.0, 1.0);
  std::uniform_real_distribution<double> tinyShare(0.0, 1.0);
  for (double size : {4.9e-324, 1e-320, 2.2e-308, 1e-300, 1e-20, 0.05, 1.0, 66.0, 1e20, 1e300,
                      8.9e307, 1.7e308}) {
    for (int trial = 0; trial < 20; ++trial) {
      std::vector<double> column(257);
      for (double& x : column) {
        x = value(random) * size;
        // Now and then a value of far smaller size, which scaling may take into subnormals.
        if (tinyShare(random) < 0.1) x *= 1e-300;
        if (!std::isfinite(x)) x = size;
      }
      column[0] = size;  // the largest magnitude, within the range of doubles
      std::vector<double> transformed = column;
      zTransformColumn(transformed);
      const std::vector<double> expected = transformedByLdexp(column);
      for (std::size_t i = 0; i < column.size(); ++i) {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(transformed[i]),
                  std::bit_cast<std::uint64_t>(expected[i]))
            << "size " << size << ", value " << i << ": " << transformed[i] << " against "
            << expected[i];
      }
    }
  }
}

}  // namespace
