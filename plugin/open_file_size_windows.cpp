#include <sys/stat.h>
#include <sys/types.h>

#include <cstdio>

#include "plugin/open_file_size.h"

bool openFileSize(std::FILE* file, std::uintmax_t& size) {
  if (file == nullptr) return false;
  // The 64-bit form: a file of 2 GiB or more has its true size, not an error.
  struct _stat64 status {};
  if (_fstat64(_fileno(file), &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG ||
      status.st_size < 0) {
    return false;
  }
  size = static_cast<std::uintmax_t>(status.st_size);
  return true;
}
