// A folder of its own for one test, removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of a file in the folder, as text.
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // Writes content (bytes as given) to a file in the folder and returns its path.
  std::string write(const std::string& name, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file, or the empty text when it cannot be read.
std::string readFile(const std::string& path);
