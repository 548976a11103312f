// A folder of its own under the system's temporary folder for one test, removed with everything
// in it at the end, and small file helpers.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = std::filesystem::temp_directory_path() /
              ("folwyn-confounds-" + std::to_string(random()) + "-" + std::to_string(random()));
      std::error_code error;
      if (std::filesystem::create_directory(path_, error)) return;
    }
    throw std::runtime_error("no temporary folder");
  }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The path of name in the folder (the file need not exist).
  std::string file(const std::string& name) const { return (path_ / name).string(); }

  // Writes text byte for byte to name in the folder; returns its path.
  std::string write(const std::string& name, const std::string& text) const {
    std::string path = file(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  // The names of the folder's entries, sorted.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

// The whole content of the file at path, byte for byte; empty when it does not exist.
inline std::string readFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
