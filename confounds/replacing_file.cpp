#include "confounds/replacing_file.h"

#include <utility>

#include "plugin/file_replace.h"

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target)) {
  file_ = createFileBeside(target_, tempPath_);
}

ReplacingFile::~ReplacingFile() {
  discard();
}

void ReplacingFile::discard() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  if (!tempPath_.empty()) std::remove(tempPath_.c_str());
  tempPath_.clear();
}

bool ReplacingFile::commit() {
  if (file_ == nullptr) return false;
  bool written = flushFileToDisk(file_);
  written = std::fclose(file_) == 0 && written;
  file_ = nullptr;
  if (!written || !replaceFile(tempPath_, target_)) {
    discard();
    return false;
  }
  tempPath_.clear();
  return true;
}
