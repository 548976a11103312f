// The process's resident memory as Linux reports it, for tests and benchmarks that prove memory
// stays flat.
#pragma once

#include <fstream>
#include <string>

// A field of /proc/self/status in bytes ("VmRSS", "VmHWM"); -1 when it cannot be read.
inline long long statusBytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::stoll(line.substr(field.size() + 1)) * 1024;
  }
  return -1;
}

// Makes the peak resident memory start again from the present one; false when it cannot.
inline bool resetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.close();
  return static_cast<bool>(clear);
}
