// The host services that several parts of the plug-in share, over the host function table.
// Every call goes to the host on the caller's thread; strings are narrow and NUL-terminated.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "plugin/host_api.h"
#include "plugin/text_format.h"

// Capacity of the buffer in which one log line is composed (NUL included): the driver's lines,
// and those of the confound readers and the merged writer.
inline constexpr std::size_t kDriverLineSize = 512;
inline constexpr std::size_t kConfoundLineSize = 256;

// Capacity of a path handed between steps and to the host, NUL included: 511 characters.
inline constexpr std::size_t kPathSize = 512;

// Hands text to the host's log as one entry; the host copies it during the call.
inline void logText(const char* text) {
  hostApi.nzLogText(text);
}

// Composes one log line in a buffer of LineSize bytes (cut to fit, never overrun) and logs it.
template <std::size_t LineSize>
void logFormatted(const char* format, std::initializer_list<FormatArg> args) {
  char line[LineSize];
  formatText(line, sizeof line, format, args);
  logText(line);
}
