// Loads the plug-in library the way the host does: by path, resolving its exports by name.
#pragma once

#include <string>

namespace standin {

// The loaded library, or null with error set.
void* openLibrary(const std::string& path, std::string& error);
// The address of an exported symbol, or null.
void* librarySymbol(void* library, const char* name);
void closeLibrary(void* library);

}  // namespace standin
