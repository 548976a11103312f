// The host's functions take paths as narrow texts in the process code page, as the C runtime
// opens them. The file system library is handed the same paths through these two conversions:
// on Windows not every compiler's library reads narrow texts in the process code page, so a
// folder such as "Stud€" would name another file there.
#pragma once

#include <filesystem>
#include <string>

namespace standin {

// The path named by text, a narrow path in the process code page.
std::filesystem::path nativePath(const std::string& text);

// The narrow text of path in the process code page (the empty text when a character of it has
// no form there).
std::string narrowPath(const std::filesystem::path& path);

}  // namespace standin
