// The time the stand-in spends in its host functions: what the whole-batch benchmark subtracts
// from a run's time to get the plug-in's own.
#include "host/call_timing.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "host/document_functions.h"

namespace {

using namespace std::chrono_literals;

double secondsOf(std::chrono::duration<double> duration) {
  return duration.count();
}

// Calls nested in a host call (a host function that calls another) count once, and time outside
// host calls does not count at all.
TEST(HostCallTimer, CountsTheOutermostCallOnceAndNothingOutside) {
  const double before = standin::hostCallSeconds();
  const auto start = std::chrono::steady_clock::now();
  {
    const standin::HostCallTimer outer;
    std::this_thread::sleep_for(10ms);
    {
      const standin::HostCallTimer nested;
      std::this_thread::sleep_for(10ms);
    }
  }
  const auto end = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(10ms);  // the plug-in's own time: not counted
  const double counted = standin::hostCallSeconds() - before;
  EXPECT_GE(counted, secondsOf(20ms));
  // The outer call lies within start..end; counting the nested call again would exceed that.
  EXPECT_LE(counted, secondsOf(end - start));
}

TEST(HostCallTimer, ExportedHostFunctionsAreTimed) {
  const double before = standin::hostCallSeconds();
  for (int i = 0; i < 1000; ++i) nzClearDesignMatrix();
  EXPECT_GT(standin::hostCallSeconds(), before);
}

}  // namespace
