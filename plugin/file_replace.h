// Atomic replacement of a file: write a new file beside the target, then rename it over the
// target in one step, so that readers see either the old file or the whole new one, never a
// partial file.
#pragma once

#include <cstdio>
#include <string>

// Creates a new, empty file beside target (in its folder; name: target, ".", a process and an
// attempt number, ".tmp") that no other file has, and opens it for binary writing. Returns the
// open file, which the caller closes, and stores its name in tempPath; null when no such file
// could be created (missing folder, no permission), then tempPath is empty.
std::FILE* createFileBeside(const std::string& target, std::string& tempPath);

// Renames the closed file source to target in one step, replacing a file of that name. False on
// failure; target is then as it was and source still exists.
bool replaceFile(const std::string& source, const std::string& target);
