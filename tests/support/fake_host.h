// A host stand-in for unit tests: installs recording functions into the host function table
// and restores the table afterwards.
#pragma once

#include <string>
#include <vector>

#include "plugin/host_api.h"

class FakeHost {
 public:
  // Installs nzLogText and nzMessageBox recorders; other entries stay as they were.
  FakeHost();
  // Restores the table as it was before.
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  // Every log entry since construction (or the last clear), in order.
  static std::vector<std::string>& log();
  static std::vector<std::string>& messages();
  static void clear();

 private:
  HostApi saved_;
};
