// The size of a file that is already open, taken from the open file itself: it is the size of
// the very file being read, and no path is converted or looked up a second time (on Windows a
// narrow path in the process code page, which the C runtime opens, is not what the file system
// library of every compiler makes of the same bytes).
#pragma once

#include <cstdint>
#include <cstdio>

// Stores the size in bytes of the regular file that file is open on and returns true. False,
// with size unchanged, when file is null, is not open on a regular file (a folder, a pipe, a
// device) or the system cannot tell its size.
bool openFileSize(std::FILE* file, std::uintmax_t& size);
