// Path, name and colour helpers: take paths apart, compose the names of design-matrix files and
// decode protocol colours for the report. Stateless; every text returned is the caller's own and
// no input is changed. Paths may use "/" or the backslash as separator.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The file-name part of path: after the rightmost separator ("/" when the path holds one
// anywhere, otherwise the backslash; the other character is part of the name). With
// withoutExtension, the name up to its rightmost "." when that stands after the name's first
// character, otherwise the whole name. With appendDash, "-" follows. Null for a null or empty
// path; the empty text (or "-") for a path that ends with the separator.
std::optional<std::string> extractFileName(const char* path, bool withoutExtension,
                                           bool appendDash);

// path cut at its last "." anywhere (folder names included); path unchanged when it holds no
// "."; "''" (two apostrophes) for a null or empty path.
std::string removeExtension(const char* path);

// removeExtension(basePath), then separator, name, "." and the last three characters of
// basePath (all of it when shorter): "D:\data\run1.vtc", "task", '_' give "D:\data\run1_task.vtc".
std::string composeTargetName(const std::string& basePath, const std::string& name, char separator);

// suffix put in front of the last four characters of path ("run.sdm", "_HR" give "run_HR.sdm");
// counts characters, does not look for a ".". Throws std::out_of_range for fewer than four.
std::string insertSuffixBeforeExtension(const std::string& path, const std::string& suffix);

// Component 1, 2 or 3 (red, green, blue) of a colour text of upper-case hex digit pairs
// ("FF8000" gives 255, 128, 0); any other component number gives 0 without reading the text.
// A character other than 0-9 and A-F counts 0.
int hexColorComponent(const char* colorText, int component);

// Appends format, filled with the red, green and blue components of color (0xRRGGBB), to the
// NUL-terminated text in report, which holds reportSize bytes; cut to fit, never overrun.
void appendColorComponents(char* report, std::size_t reportSize, int color, const char* format);
