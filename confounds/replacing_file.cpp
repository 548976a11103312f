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
  // One flush, checked, and the close, checked: only a file written whole replaces the target.
  // The data is not forced to the storage device: the rename alone keeps every reader from a
  // partial file, and forcing each merged file took some 3 to 6 ms, most of the plug-in's time
  // in a batch.
  bool written = std::fflush(file_) == 0 && std::ferror(file_) == 0;
  written = std::fclose(file_) == 0 && written;
  file_ = nullptr;
  if (!written || !replaceFile(tempPath_, target_)) {
    discard();
    return false;
  }
  tempPath_.clear();
  return true;
}
