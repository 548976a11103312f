#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "plugin/file_replace.h"

namespace {

// Stale files of a crashed run may hold some of the names; that many attempts skip them.
constexpr int kNameAttempts = 100;

}  // namespace

std::FILE* createFileBeside(const std::string& target, std::string& tempPath) {
  const std::string stem =
      target + "." + std::to_string(static_cast<unsigned long long>(GetCurrentProcessId())) + "-";
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string candidate = stem + std::to_string(attempt) + ".tmp";
    // CREATE_NEW: never open a file that exists.
    HANDLE handle = CreateFileA(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_EXISTS) continue;
      break;
    }
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
      CloseHandle(handle);
      DeleteFileA(candidate.c_str());
      break;
    }
    std::FILE* file = _fdopen(fd, "wb");
    if (file == nullptr) {
      _close(fd);
      DeleteFileA(candidate.c_str());
      break;
    }
    tempPath = std::move(candidate);
    return file;
  }
  tempPath.clear();
  return nullptr;
}

bool replaceFile(const std::string& source, const std::string& target) {
  return MoveFileExA(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
