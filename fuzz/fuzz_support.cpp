#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "plugin/host_api.h"

void fuzzCheck(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

FuzzFolder& FuzzFolder::instance() {
  static FuzzFolder folder;
  return folder;
}

FuzzFolder::FuzzFolder() {
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0;; ++attempt) {
    std::filesystem::path candidate =
        base / ("folwyn-fuzz-" + std::to_string(getpid()) + "-" + std::to_string(attempt));
    std::error_code error;
    if (std::filesystem::create_directory(candidate, error)) {
      path_ = candidate.string();
      return;
    }
    fuzzCheck(attempt < 100, "no temporary folder");
  }
}

FuzzFolder::~FuzzFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

std::string FuzzFolder::write(const std::string& name, std::string_view bytes) const {
  const std::string path = file(name);
  std::FILE* out = std::fopen(path.c_str(), "wb");
  fuzzCheck(out != nullptr, "cannot create an input file");
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  fuzzCheck(std::fclose(out) == 0 && written, "cannot write an input file");
  return path;
}

void FuzzFolder::clear() const {
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    std::error_code error;
    std::filesystem::remove_all(entry.path(), error);
  }
}

std::vector<std::string> FuzzFolder::entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string straddlingBlocks(std::string_view bytes) {
  constexpr std::size_t kBlock = 64 * 1024;
  if (bytes.size() % 2 == 0 || bytes.size() / 2 >= kBlock) return std::string(bytes);
  std::string padded(kBlock - bytes.size() / 2, ' ');
  for (std::size_t i = 99; i < padded.size(); i += 100) padded[i] = '\n';
  return padded.append(bytes);
}

bool readWholeFile(const std::string& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  content = text.str();
  return true;
}

namespace {

int recordLog(const char* text) {
  fuzzLog().push_back(text != nullptr ? text : "<null>");
  return 1;
}

}  // namespace

std::vector<std::string>& fuzzLog() {
  static std::vector<std::string> entries;
  return entries;
}

void installRecordingLog() {
  hostApi.nzLogText = recordLog;
  hostApi.nzMessageBox = recordLog;
}
