// The four readers of confound files. Each returns its set in every case and never throws; the
// caller owns the set and calls releaseConfoundSet when done. path is a NUL-terminated narrow
// path (null counts as a file that does not open). Every step is logged through the host.
//
// A set whose file did not open has fileOpened false; a set whose file is damaged (a header value
// that is not an integer, a negative or implausible count, a file that ends early, an item that
// is not a finite decimal number where a number belongs) has readOk false and no columns.
#pragma once

#include "confounds/confound_set.h"

// Motion estimates in the RTC form: six predictors, colours supplied by the reader.
ConfoundSet readMotionRtc(const char* path);

// Motion estimates in the SDM form: six predictors with their colours.
ConfoundSet readMotionSdm(const char* path);

// Heart-rate or respiration predictors (kind is stored as given) in the RTC form; every predictor
// is retained and coloured (255, 255, 20 x i).
ConfoundSet readConfoundRtc(const char* path, ConfoundKind kind);

// Heart-rate or respiration predictors in the SDM form; when the header says the file includes a
// constant, its last predictor is that constant and is dropped.
ConfoundSet readConfoundSdm(const char* path, ConfoundKind kind);
