// Saving the design matrix as an SDM text file:
//
//   FileVersion: 1
//   <blank>
//   NrOfPredictors: N
//   NrOfDataPoints: D
//   IncludesConstant: 1 when the last predictor is named "Constant", else 0
//   FirstConfoundPredictor: the constant's number from 1, else N + 1
//   <blank>
//   one line of N colour triples "r g b", separated by three blanks
//   one line of N names in double quotes, separated by one blank
//   D rows of N numbers, separated by one blank
//
// Numbers are written locale-independently in the shortest form that reads back the same
// float. A predictor's colour is that of the condition it was filled from; the constant is
// white; any other predictor grey.
#pragma once

#include <string>

#include "host/design_matrix.h"

namespace standin {

// The SDM text of matrix into text. False with error set (text unchanged) when the matrix has
// no predictors or its predictors differ in length.
bool formatSdm(const DesignMatrix& matrix, std::string& text, std::string& error);

// Writes the SDM text of matrix to path, complete or not at all; false with error set when the
// matrix cannot be formatted or the file cannot be written.
bool writeSdmFile(const std::string& path, const DesignMatrix& matrix, std::string& error);

}  // namespace standin
