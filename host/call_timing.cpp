#include "host/call_timing.h"

#include <chrono>

namespace standin {
namespace {

struct CallClock {
  int depth = 0;              // host calls open now
  long long nanoseconds = 0;  // spent in outermost host calls
};

CallClock& callClock() {
  static CallClock clock;
  return clock;
}

long long now() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

HostCallTimer::HostCallTimer() {
  if (callClock().depth++ == 0) start_ = now();
}

HostCallTimer::~HostCallTimer() {
  if (--callClock().depth == 0) callClock().nanoseconds += now() - start_;
}

double hostCallSeconds() {
  return static_cast<double>(callClock().nanoseconds) * 1e-9;
}

}  // namespace standin
