// Time spent inside the stand-in's host functions, so that a run's time can be split into the
// plug-in's own work and the host's. Each exported host function opens a HostCallTimer; calls
// nested in another host call are counted once, by the outermost timer.
#pragma once

namespace standin {

class HostCallTimer {
 public:
  HostCallTimer();
  ~HostCallTimer();
  HostCallTimer(const HostCallTimer&) = delete;
  HostCallTimer& operator=(const HostCallTimer&) = delete;

 private:
  long long start_ = 0;  // steady-clock nanoseconds; 0 for a nested call
};

// Seconds spent in host functions since the start of the process.
double hostCallSeconds();

}  // namespace standin
