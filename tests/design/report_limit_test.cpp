// The protocol's condition report is composed in its 100,000-byte buffer: a protocol with very
// many intervals fills it exactly, the report is cut there, and the design matrix is built from
// every condition all the same.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "design/design_matrix.h"
#include "tests/support/scripted_host.h"

namespace {

using Strings = std::vector<std::string>;

ScriptedCondition manyIntervals(const std::string& name, int count, int color) {
  ScriptedCondition condition{name, {}, {}, color};
  for (int i = 0; i < count; ++i) {
    condition.starts.push_back(10 * i + 1);
    condition.ends.push_back(10 * i + 5);
  }
  return condition;
}

// The whole condition report, as it would read without a buffer limit.
std::string fullConditionReport(const std::vector<ScriptedCondition>& conditions) {
  std::string text = "Conditions:\n";
  char line[256];
  for (std::size_t k = 0; k < conditions.size(); ++k) {
    const ScriptedCondition& c = conditions[k];
    std::snprintf(line, sizeof line,
                  "\nProtocol condition number: %zu\nCondition name: %s\n"
                  "Number of intervals: %zu\n",
                  k + 1, c.name.c_str(), c.starts.size());
    text += line;
    for (std::size_t j = 0; j < c.starts.size(); ++j) {
      std::snprintf(line, sizeof line, "Interval nr %zu: From: %d to %d\n", j + 1, c.starts[j],
                    c.ends[j]);
      text += line;
    }
    std::snprintf(line, sizeof line, "Red: %d Green: %d Blue: %d\n", (c.color >> 16) & 255,
                  (c.color >> 8) & 255, c.color & 255);
    text += line;
  }
  return text;
}

TEST(ReportLimit, TheConditionReportIsCutExactlyAtItsBuffer) {
  ScriptedHost host;
  host.conditions = {manyIntervals("Many", 3000, 0x102030), manyIntervals("After", 2, 0xFF0000)};
  const std::string full = fullConditionReport(host.conditions);
  ASSERT_GT(full.size(), kReportSize);
  char name[kDesignMatrixNameSize];
  ASSERT_TRUE(createDesignMatrixFromProtocol(1, true, 1.0f, false, true, 10, name, "/d/run1.vtc"));
  ASSERT_GE(host.log.size(), 3u);
  EXPECT_EQ(host.log[2], full.substr(0, kReportSize - 1));
  // The condition after the cut still gets its predictor.
  EXPECT_EQ(host.predictorNames, (Strings{"Many", "After", "Constant"}));
  EXPECT_EQ(host.savedNames, Strings{"/d/run1_task.sdm"});
}

// A damaged protocol may hold millions of intervals. Composing a line for each, to be cut away,
// took seconds per million; the report must be done as soon as its buffer is full.
TEST(ReportLimit, MillionsOfIntervalsAreReportedWithoutDelay) {
  ScriptedHost host;
  host.conditions = {manyIntervals("Many", 5000000, 0), manyIntervals("After", 1, 0)};
  char name[kDesignMatrixNameSize];
  const auto start = std::chrono::steady_clock::now();
  createDesignMatrixFromProtocol(1, true, 1.0f, false, true, 10, name, "/d/run1.vtc");
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // Composing all of them takes about 10 s on a fast machine; the cut report takes milliseconds.
  EXPECT_LT(seconds, 2.0);
  ASSERT_GE(host.log.size(), 3u);
  EXPECT_EQ(host.log[2].size(), kReportSize - 1);
  EXPECT_EQ(host.predictorNames, (Strings{"Many", "After", "Constant"}));
}

}  // namespace
