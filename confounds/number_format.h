// Writing of the numbers of the SDM form, independent of the process locale.
#pragma once

#include <cstddef>

// Room that any number written by the functions below needs (a double in fixed notation with six
// decimals takes at most 317 characters).
inline constexpr std::size_t kMaxNumberText = 330;

// Writes value in the default form (as "%g": six significant digits, fixed or scientific
// notation, no trailing zeros) into [out, end). Returns the end of the text, or null when the
// room did not suffice (nothing usable written).
char* writeDefaultNumber(char* out, char* end, double value);

// Writes value in the fixed form (as "%4.6lf": fixed notation, exactly six decimals) into
// [out, end). Returns the end of the text, or null when the room did not suffice.
char* writeFixedNumber(char* out, char* end, double value);

// Writes value as a decimal integer into [out, end). Returns the end, or null when too small.
char* writeInteger(char* out, char* end, long long value);
