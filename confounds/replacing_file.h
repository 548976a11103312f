// A file that replaces another only once it is written whole: it is written under a temporary
// name beside the target and renamed over the target in one step; a file that is not committed
// leaves nothing behind, and the target stays as it was.
#pragma once

#include <cstdio>
#include <string>

class ReplacingFile {
 public:
  // Creates the temporary file beside target; opened() tells whether that worked.
  explicit ReplacingFile(std::string target);
  // Closes and removes the temporary file unless it was committed.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  bool opened() const { return file_ != nullptr; }
  // The open temporary file (null when not opened); owned by this object.
  std::FILE* file() const { return file_; }

  // Flushes the written data to the system, closes the file and renames it over the target.
  // True when all of that worked; false otherwise, and then the temporary file is gone and the
  // target is as it was.
  bool commit();

 private:
  void discard();

  std::string target_;
  std::string tempPath_;
  std::FILE* file_ = nullptr;
};
