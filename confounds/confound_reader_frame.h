// The frame that the four confound readers share: open, log, read the header, run the body of
// the kind, catch every error, close.
#pragma once

#include <cstdint>

#include "confounds/confound_set.h"
#include "confounds/item_scanner.h"

// The two text forms of a confound file.
enum class ConfoundForm { Rtc, Sdm };

// The part of a reader after the header: reads the rest of the file into set and logs its
// steps. fileSize is the size of the file in bytes. Throws on damage (DamagedFile) and when
// storage cannot be obtained.
using ConfoundBody = void (*)(ItemScanner& scanner, ConfoundForm form, std::uintmax_t fileSize,
                              ConfoundSet& set);

// Reads the file at path (may be null: not opened) as a set of kind in form. Logs "Reading
// file: %s"; when the file does not open, openFailureLine, and returns the set with fileOpened
// false. Otherwise reads and reports the header and runs body. Any error of the header or the
// body is caught: the form's problem line is logged and readOk is false. Never throws.
ConfoundSet readConfoundFile(const char* path, ConfoundKind kind, ConfoundForm form,
                             const char* openFailureLine, ConfoundBody body);

// Throws DamagedFile unless a file of fileSize bytes can hold items items (each takes at least
// one byte), so that counts of a damaged header never lead to a huge allocation.
void requireItemsFit(std::int64_t items, std::uintmax_t fileSize);
