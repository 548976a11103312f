// The merge of all three confound kinds written the plain way, with file streams: operator>>
// for every item read and operator<< with the stream's default settings for every item written
// (std::fixed with six decimals where the fixed form is due). The benchmarks compare the
// plug-in's writer with it on the same data; it writes the same bytes.
#pragma once

#include <string>

#include "confounds/confound_set.h"

namespace bench {

// Merges the design matrix at input with the three sets into output. Expects a sound input (a
// file version of 1 or less, each set holding the matrix's rows); false when a stream failed.
bool iostreamMerge(const std::string& input, const std::string& output, const ConfoundSet& motion,
                   const ConfoundSet& heartRate, const ConfoundSet& respiration);

}  // namespace bench
