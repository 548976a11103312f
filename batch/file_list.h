// The file list: a declared count, then the paths of protocols, their VTCs and their confound
// files, separated by white space.
#pragma once

#include <string>
#include <vector>

#include "batch/list_entry.h"

// Reads the file list at path, logging as it reads: "Number of PRT-VTC pairs: %d",
// "Reading filenames..." and every word read ("^" at the end of the file). The list ends at the
// end of the file or at the first word shorter than 2 characters. A word that begins with a
// double quote runs to the next double quote (blanks included; to the end of its line without
// one) and the entry is the text between the quotes. A word of more than 511 characters, or of
// two or more that holds a NUL character, is no entry: it is skipped with a log line. False,
// after logging "Unable to open the file list: %s", when the file cannot be opened or read; then
// no entries are returned.
bool readFileList(const char* path, int& declaredCount, std::vector<std::string>& entries);

// The class of one entry, by the first of ".prt", ".vtc", "_3DMC", "_HR", "_RVT" that occurs
// anywhere in it (case-sensitive); OtherEntry when none does.
ListEntryKind classifyListEntry(std::string entry);
