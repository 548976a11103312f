// The writer of merged design matrices: reads a saved design matrix (SDM form) in one pass and
// writes a new one beside it that holds the input's predictors, then the confound predictors,
// then the input's constant predictor, if it has one. The input is not changed.
//
// The output appears whole or not at all: it is written under a temporary name and renamed over
// the output name only when complete, so every stop leaves no new file and an older file of the
// output name as it was. Every stop logs one line; no error leaves the writer. The sets are read
// only. Both return the output name, or the empty string when none could be formed (a path of
// fewer than four characters); the log, not the result, tells success.
#pragma once

#include <string>

#include "confounds/confound_set.h"

// Appends the kinds whose flag is set, each from its set (which must then be non-null; a null set
// of a selected kind stops with the error line). Each selected set needs at least as many data
// points as the design matrix; each short one logs a line and nothing is written. The output
// name carries one suffix per selected kind, each by its own set's zTransformed.
std::string writeMergedDesignMatrix(const std::string& sdmPath, const ConfoundSet* motion,
                                    const ConfoundSet* heartRate, const ConfoundSet* respiration,
                                    bool useMotion, bool useHeartRate, bool useRespiration);

// Appends all three kinds. Each set needs exactly as many data points as the design matrix. The
// output name carries one suffix for all three, by the motion set's zTransformed.
std::string writeMergedDesignMatrixAll(const std::string& sdmPath, const ConfoundSet& motion,
                                       const ConfoundSet& heartRate,
                                       const ConfoundSet& respiration);
