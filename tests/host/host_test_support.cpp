#include "tests/host/host_test_support.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <system_error>

namespace hosttest {

Folder::Folder() {
  static std::atomic<int> counter{0};
  auto base = std::filesystem::temp_directory_path();
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = base / ("standin-host-test-" + std::to_string(stamp) + "-" +
                  std::to_string(counter.fetch_add(1)));
  std::filesystem::create_directories(path_);
}

Folder::~Folder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string Folder::write(const std::string& name, const std::string& content) const {
  std::filesystem::path target = path_ / name;
  std::filesystem::create_directories(target.parent_path());
  std::ofstream(target, std::ios::binary) << content;
  return target.string();
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

QuietHost::QuietHost(const std::string& callsFile)
    : savedConfig_(standin::hostConfig()), savedAnswers_(standin::answerScript()) {
  standin::HostConfig quiet;
  quiet.quiet = true;
  quiet.callsFile = callsFile;
  standin::configureHost(quiet, {});
}

QuietHost::~QuietHost() {
  standin::configureHost(savedConfig_, savedAnswers_);
}

}  // namespace hosttest
