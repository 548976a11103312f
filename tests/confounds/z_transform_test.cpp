#include "confounds/z_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TEST(ZTransformColumn, StandardisesWithThePopulationDeviation) {
  struct Case {
    const char* what;
    std::vector<double> column;
    std::vector<double> expected;
  };
  const Case cases[] = {
      {"two values", {1, 3}, {-1, 1}},
      {"four values", {1, 2, 3, 4}, {-1.3416407865, -0.4472135955, 0.4472135955, 1.3416407865}},
      {"tiny values keep their spread", {1e-9, 3e-9}, {-1, 1}},
      {"huge values do not overflow", {-1e308, 1e308}, {-1, 1}},
      {"subnormal values", {4.9e-324, 1.5e-323}, {-1, 1}},
      {"no spread", {2, 2, 2}, {0, 0, 0}},
      {"equal up to rounding", {0.1, 0.1, 0.1}, {0, 0, 0}},
      {"all zero", {0, 0}, {0, 0}},
      {"one value", {5}, {0}},
      {"no value", {}, {}},
  };
  for (const Case& c : cases) {
    std::vector<double> column = c.column;
    zTransformColumn(column);
    ASSERT_EQ(column.size(), c.expected.size()) << c.what;
    for (std::size_t i = 0; i < column.size(); ++i) {
      EXPECT_TRUE(std::isfinite(column[i])) << c.what;
      EXPECT_NEAR(column[i], c.expected[i], 1e-9) << c.what << " at " << i;
    }
  }
}

TEST(ZTransformColumn, GivesMeanZeroAndDeviationOne) {
  const std::vector<double> input = {72.5, 80.25, 65.0, 91.125, 70.0, 77.75, 69.5, 0.1};
  std::vector<double> column = input;
  zTransformColumn(column);
  // The same values as the plain two-pass computation, to the last bit.
  double plainSum = 0, plainSquares = 0;
  for (double x : input) plainSum += x;
  const double mean = plainSum / input.size();
  for (double x : input) plainSquares += (x - mean) * (x - mean);
  const double sd = std::sqrt(plainSquares / input.size());
  for (std::size_t i = 0; i < input.size(); ++i) EXPECT_EQ(column[i], (input[i] - mean) / sd);

  double sum = 0, squares = 0;
  for (double x : column) sum += x;
  for (double x : column) squares += x * x;
  EXPECT_NEAR(sum / column.size(), 0.0, 1e-12);
  EXPECT_NEAR(squares / column.size(), 1.0, 1e-12);
}

TEST(ZTransformSets, TransformWhatTheSetHoldsAndMarkIt) {
  ConfoundSet motion;
  motion.nrOfDataPoints = 2;
  for (auto& column : motion.motionColumns) column = {1, 3};
  motion.motionColumns[5] = {4, 4};
  zTransformMotion(motion);
  EXPECT_TRUE(motion.zTransformed);
  EXPECT_EQ(motion.motionColumns[0], (std::vector<double>{-1, 1}));
  EXPECT_EQ(motion.motionColumns[5], (std::vector<double>{0, 0}));

  // A heart-rate set that kept a constant column gets zeros there, not NaN.
  ConfoundSet heartRate;
  heartRate.kind = ConfoundKind::HeartRate;
  heartRate.nrOfPredictors = 2;
  heartRate.nrOfDataPoints = 2;
  heartRate.columns = {{1, 3}, {1, 1}};
  zTransformConfounds(heartRate);
  EXPECT_TRUE(heartRate.zTransformed);
  EXPECT_EQ(heartRate.columns, (std::vector<std::vector<double>>{{-1, 1}, {0, 0}}));

  // Sets without data, or whose reading stopped before the columns, are only marked.
  ConfoundSet empty;
  empty.nrOfDataPoints = 0;
  empty.motionColumns[0] = {7, 9};
  zTransformMotion(empty);
  EXPECT_TRUE(empty.zTransformed);
  EXPECT_EQ(empty.motionColumns[0], (std::vector<double>{7, 9}));

  ConfoundSet failed;
  failed.kind = ConfoundKind::Respiration;
  failed.nrOfPredictors = 3;
  failed.nrOfDataPoints = 100;
  zTransformConfounds(failed);
  EXPECT_TRUE(failed.zTransformed);
  EXPECT_TRUE(failed.columns.empty());

  ConfoundSet failedMotion;
  failedMotion.nrOfDataPoints = 100;
  zTransformMotion(failedMotion);
  EXPECT_TRUE(failedMotion.motionColumns[0].empty());
}

}  // namespace
