// The constant predictor of a design matrix in the SDM form. The plug-in's reader drops it
// (its colour, name and values are read and discarded); the preview shows it all the same, as
// that same reader reads it: from a temporary copy of the file that differs only in the
// includes-constant value of its header, 0 there, so that the reader keeps every predictor.
#pragma once

#include <string>

#include "confounds/confound_set.h"
#include "host/preview_matrix.h"

namespace standin {

// Reads the constant predictor of the design matrix at path, whose header (as the reader
// reported it) says it includes a constant, and whose other predictors the reader read into
// withoutConstant. The copy lives in the system's temporary folder only during the call. True
// with constant filled (marked constant) when the copy read whole and its other predictors
// match withoutConstant exactly; false with error set otherwise.
bool readConstantPredictor(const std::string& path, const PreviewHeader& header,
                           const ConfoundSet& withoutConstant, PreviewPredictor& constant,
                           std::string& error);

}  // namespace standin
