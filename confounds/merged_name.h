// The names of merged design matrices: the design matrix's path with a suffix per confound kind
// put before its last four characters (its extension).
#pragma once

#include <string>

#include "confounds/confound_set.h"

// sdmPath with the suffix of each given set (null: kind not appended) in the order motion, heart
// rate, respiration: "_3DMC", "_HR", "_RVT", each followed by "_z" when its set is z-transformed.
// Throws std::out_of_range for a path of fewer than four characters.
std::string mergedNameOfSelection(const std::string& sdmPath, const ConfoundSet* motion,
                                  const ConfoundSet* heartRate, const ConfoundSet* respiration);

// sdmPath with one suffix for all three kinds, chosen by the motion set alone:
// "_3DMC_z_HR_z_RVT_z" when it is z-transformed, "_3DMC_HR_RVT" otherwise. Throws as above.
std::string mergedNameOfAll(const std::string& sdmPath, bool motionZTransformed);
