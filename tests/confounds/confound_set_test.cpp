#include "confounds/confound_set.h"

#include <gtest/gtest.h>

#include <new>

namespace {

TEST(ConfoundSet, ReleaseFreesTheColumnsOfItsKindOnly) {
  ConfoundSet motion;
  motion.nrOfDataPoints = 2;
  for (auto& column : motion.motionColumns) column = {1, 2};
  motion.columns = {{5}};
  releaseConfoundSet(motion);
  for (const auto& column : motion.motionColumns) EXPECT_TRUE(column.empty());
  EXPECT_EQ(motion.columns.size(), 1u);

  ConfoundSet heartRate;
  heartRate.kind = ConfoundKind::HeartRate;
  heartRate.nrOfPredictors = 1;
  heartRate.columns = {{1, 2}};
  heartRate.colorTable = {{255, 255, 0}};
  heartRate.predictorNames = {"H"};
  releaseConfoundSet(heartRate);
  EXPECT_TRUE(heartRate.columns.empty());
  EXPECT_EQ(heartRate.colorTable.size(), 1u);
  EXPECT_EQ(heartRate.predictorNames.size(), 1u);
  releaseConfoundSet(heartRate);  // a second release finds nothing to free

  ConfoundSet other;
  other.kind = static_cast<ConfoundKind>(7);
  other.columns = {{1}};
  releaseConfoundSet(other);
  EXPECT_EQ(other.columns.size(), 1u);

  ConfoundSet neverRead;  // zero counts, no storage
  releaseConfoundSet(neverRead);
}

TEST(ConfoundSet, AllocateIntTableGivesRowsOrThrows) {
  IntTable table = allocateIntTable(2, 3);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[1].size(), 3u);
  EXPECT_TRUE(allocateIntTable(0, 3).empty());
  EXPECT_THROW(allocateIntTable(-1, 3), std::bad_alloc);
  EXPECT_THROW(allocateIntTable(1, -3), std::bad_alloc);
}

}  // namespace
