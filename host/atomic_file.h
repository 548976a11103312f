// Writing a whole file so that it is either complete or absent: the content goes to a temporary
// file beside the target, which then replaces the target.
#pragma once

#include <string>
#include <string_view>

namespace standin {

// Writes bytes to path through a temporary file in the same folder and renames it over path.
// False with error set when any step fails; the temporary file is removed then and an existing
// file at path is left as it was.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace standin
