#include "host/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace standin {

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
  namespace fs = std::filesystem;
  if (path.empty()) {
    error = "no file name given";
    return false;
  }
  const fs::path target(path);
  fs::path temporary = target;
  temporary += ".partial";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = "cannot create " + temporary.string();
      return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      error = "cannot write " + temporary.string();
      return false;
    }
  }
  std::error_code renamed;
  fs::rename(temporary, target, renamed);
  if (renamed) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    error = "cannot replace " + path + ": " + renamed.message();
    return false;
  }
  return true;
}

}  // namespace standin
