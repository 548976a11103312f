#include <sys/stat.h>

#include <cstdio>

#include "plugin/open_file_size.h"

bool openFileSize(std::FILE* file, std::uintmax_t& size) {
  if (file == nullptr) return false;
  struct stat status {};
  if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0) {
    return false;
  }
  size = static_cast<std::uintmax_t>(status.st_size);
  return true;
}
