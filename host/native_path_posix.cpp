#include "host/native_path.h"

namespace standin {

// POSIX paths are bytes: nothing to convert.
std::filesystem::path nativePath(const std::string& text) {
  return std::filesystem::path(text);
}

std::string narrowPath(const std::filesystem::path& path) {
  return path.string();
}

}  // namespace standin
