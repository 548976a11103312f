#include "host/hrf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "host/boxcar.h"

namespace {

using standin::Condition;
using standin::HrfShape;
using standin::TimeUnit;

Condition conditionOf(std::vector<std::int32_t> starts, std::vector<std::int32_t> ends) {
  Condition condition;
  condition.name = "Task";
  condition.starts = std::move(starts);
  condition.ends = std::move(ends);
  return condition;
}

std::vector<float> convolved(const Condition& condition, TimeUnit unit, double repetitionTime,
                             std::size_t volumes, double value, HrfShape shape) {
  std::vector<float> values(volumes);
  standin::convolveBoxcar(standin::makeBoxcar(condition, unit, repetitionTime, value), shape,
                          values);
  return values;
}

std::vector<float> sampled(const Condition& condition, TimeUnit unit, double repetitionTime,
                           std::size_t volumes, double value) {
  std::vector<float> values(volumes, -7.0f);
  standin::sampleBoxcar(standin::makeBoxcar(condition, unit, repetitionTime, value), values);
  return values;
}

const HrfShape kShapes[] = {HrfShape::TwoGamma, HrfShape::Boynton};

TEST(Hrf, ResponseToABriefEventPeaksAtFiveSeconds) {
  // A 1 ms event at 0 ms, sampled every 100 ms.
  for (HrfShape shape : kShapes) {
    std::vector<float> values =
        convolved(conditionOf({0}, {0}), TimeUnit::Milliseconds, 100.0, 300, 1.0, shape);
    auto peak = std::max_element(values.begin(), values.end()) - values.begin();
    EXPECT_EQ(peak, 50) << (shape == HrfShape::TwoGamma ? "two-gamma" : "Boynton");
  }
}

TEST(Hrf, LongBlockReachesThePredictorValueAndReturnsToZero) {
  // Block 0..99.999 s, value 2.5, TR 1 s.
  for (HrfShape shape : kShapes) {
    std::vector<float> values =
        convolved(conditionOf({0}, {99999}), TimeUnit::Milliseconds, 1000.0, 200, 2.5, shape);
    for (std::size_t second : {45u, 70u, 99u}) {
      EXPECT_NEAR(values[second], 2.5, 1e-4) << "at " << second << " s";
    }
    EXPECT_NEAR(values[199], 0.0, 1e-4);
  }
}

TEST(Hrf, TwoGammaUndershootsWhereBoyntonStaysPositive) {
  // A 10 s block from 0 s, TR 500 ms.
  const Condition block = conditionOf({0}, {9999});
  std::vector<float> twoGamma =
      convolved(block, TimeUnit::Milliseconds, 500.0, 80, 1.0, HrfShape::TwoGamma);
  std::vector<float> boynton =
      convolved(block, TimeUnit::Milliseconds, 500.0, 80, 1.0, HrfShape::Boynton);

  EXPECT_LT(*std::min_element(twoGamma.begin(), twoGamma.end()), -0.05f);
  EXPECT_GE(*std::min_element(boynton.begin(), boynton.end()), 0.0f);
  // Boynton's response starts only after its delay of 2.5 s; two-gamma's at once.
  EXPECT_EQ(boynton[4], 0.0f);  // 2 s
  EXPECT_GT(twoGamma[4], 0.0f);
}

TEST(Boxcar, VolumeIntervalsAreOneBasedAndInclusive) {
  std::vector<float> values = sampled(conditionOf({11}, {20}), TimeUnit::Volumes, 2000.0, 30, 1.5);
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(values[i], i >= 10 && i < 20 ? 1.5f : 0.0f) << "volume index " << i;
  }
}

TEST(Boxcar, MsecIntervalsCoverTheVolumesAcquiredInThem) {
  // 3000..6999 ms at TR 2000 ms: the volumes acquired at 4000 and 6000 ms.
  std::vector<float> values =
      sampled(conditionOf({3000}, {6999}), TimeUnit::Milliseconds, 2000.0, 6, 1.0);
  EXPECT_EQ(values, (std::vector<float>{0, 0, 1, 1, 0, 0}));
}

TEST(Boxcar, SameDesignInVolumesAndMsecGivesTheSamePredictor) {
  const Condition inVolumes = conditionOf({1, 21}, {10, 30});
  const Condition inMsec = conditionOf({0, 40000}, {19999, 59999});
  for (HrfShape shape : kShapes) {
    EXPECT_EQ(convolved(inVolumes, TimeUnit::Volumes, 2000.0, 40, 1.0, shape),
              convolved(inMsec, TimeUnit::Milliseconds, 2000.0, 40, 1.0, shape));
  }
  EXPECT_EQ(sampled(inVolumes, TimeUnit::Volumes, 2000.0, 40, 1.0),
            sampled(inMsec, TimeUnit::Milliseconds, 2000.0, 40, 1.0));
}

TEST(Boxcar, OverlappingIntervalsCountOnce) {
  const Condition overlapping = conditionOf({1, 5}, {10, 15});
  const Condition merged = conditionOf({1}, {15});
  EXPECT_EQ(convolved(overlapping, TimeUnit::Volumes, 2000.0, 40, 1.0, HrfShape::TwoGamma),
            convolved(merged, TimeUnit::Volumes, 2000.0, 40, 1.0, HrfShape::TwoGamma));
}

TEST(Boxcar, IntervalsBeyondTheRunAreCut) {
  std::vector<float> values =
      sampled(conditionOf({8, 2000000000}, {12, 2147483647}), TimeUnit::Volumes, 2000.0, 10, 1.0);
  EXPECT_EQ(values, (std::vector<float>{0, 0, 0, 0, 0, 0, 0, 1, 1, 1}));
}

}  // namespace
