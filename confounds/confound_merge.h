// Reading, z-transforming and merging the confound files of one design matrix.
#pragma once

#include <string>

// Reads the selected kinds (motion, heart rate, respiration: in this order, whatever the order of
// the flags' files) from their paths, NUL-terminated narrow strings (a path whose flag is clear
// is not looked at and may be null). A path that contains ".rtc" is read in the RTC form, any
// other in the SDM form. When any selected file did not open or is damaged, logs "Confound
// file(s) could not be read: no merged design matrix written." and writes nothing. Otherwise,
// on zTransform, logs "z-transform predictor..." and standardises the sets, then has
// writeMergedDesignMatrix merge them into sdmPath's design matrix. Releases the sets; never
// throws. Returns the writer's output name; empty when the writer was not called.
std::string mergeConfounds(const std::string& sdmPath, const char* motionPath,
                           const char* heartRatePath, const char* respirationPath, bool zTransform,
                           bool useMotion, bool useHeartRate, bool useRespiration);

// The same for all three kinds, merged by writeMergedDesignMatrixAll.
std::string mergeAllConfounds(const std::string& sdmPath, const char* motionPath,
                              const char* heartRatePath, const char* respirationPath,
                              bool zTransform);
