#include "tests/support/long_paths.h"

#include <stdexcept>

namespace {

// Names stay well below the 255 bytes that file systems allow for one name.
constexpr std::size_t kFolderNameLength = 150;
constexpr std::size_t kLongestLastName = 220;

}  // namespace

std::string pathOfLength(const std::filesystem::path& base, std::size_t length,
                         const std::string& ending) {
  std::string path = base.string();
  if (length < path.size() + 2 + ending.size()) throw std::invalid_argument("no room for a path");
  std::size_t remaining = length - path.size() - 1;  // after the "/" that follows base
  while (remaining > kLongestLastName) {
    path += "/" + std::string(kFolderNameLength, 'd');
    remaining -= kFolderNameLength + 1;
  }
  std::filesystem::create_directories(path);
  if (remaining <= ending.size()) throw std::invalid_argument("no room for a file name");
  path += "/" + std::string(remaining - ending.size(), 'f') + ending;
  return path;
}
