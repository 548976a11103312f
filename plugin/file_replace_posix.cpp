#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <utility>

#include "plugin/file_replace.h"

namespace {

// Stale files of a crashed run may hold some of the names; that many attempts skip them.
constexpr int kNameAttempts = 100;

}  // namespace

std::FILE* createFileBeside(const std::string& target, std::string& tempPath) {
  const std::string stem = target + "." + std::to_string(static_cast<long long>(getpid())) + "-";
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string candidate = stem + std::to_string(attempt) + ".tmp";
    // O_EXCL: never open a file that exists; 0666 lets the umask set the permissions, as for any
    // file the process creates.
    int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      break;
    }
    std::FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
      close(fd);
      unlink(candidate.c_str());
      break;
    }
    tempPath = std::move(candidate);
    return file;
  }
  tempPath.clear();
  return nullptr;
}

bool replaceFile(const std::string& source, const std::string& target) {
  return std::rename(source.c_str(), target.c_str()) == 0;
}
