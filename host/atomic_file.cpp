#include "host/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "host/native_path.h"

namespace standin {

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
  namespace fs = std::filesystem;
  if (path.empty()) {
    error = "no file name given";
    return false;
  }
  const fs::path target = nativePath(path);
  if (target.empty()) {
    error = "no file name in the code page of the process: " + path;
    return false;
  }
  fs::path temporary = target;
  temporary += ".partial";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = "cannot create " + path + ".partial";
      return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      error = "cannot write " + path + ".partial";
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
