#include <windows.h>

#include <string>

#include "host/native_path.h"

namespace standin {

// Both conversions refuse what has no exact form (an empty result) instead of putting a
// replacement character into a path, which would name another file.
std::filesystem::path nativePath(const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
  return std::filesystem::path(wide);
}

std::string narrowPath(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return {};
  // The UTF-8 code page reports invalid input itself and takes no default-character flag.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL lossy = FALSE;
  BOOL* lossyOut = utf8 ? nullptr : &lossy;
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr, lossyOut);
  if (length <= 0 || lossy) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, flags, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace standin
