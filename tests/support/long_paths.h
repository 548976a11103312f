// Paths of an exact length for tests at the limits of the path buffers (511 characters and a
// NUL): nested folders under a base folder, so that no single name is longer than a file system
// allows.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// A path of exactly length characters below base that ends with ending; its folders are
// created, the file itself is not. Throws std::invalid_argument when base and ending leave no
// room for it.
std::string pathOfLength(const std::filesystem::path& base, std::size_t length,
                         const std::string& ending);
