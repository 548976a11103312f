// Standardisation of confound predictors: each column gets mean 0 and (population) standard
// deviation 1. Nothing is logged and nothing fails; no value becomes NaN or infinite.
#pragma once

#include <span>

#include "confounds/confound_set.h"

// Standardises column in place: x = (x - mean) / sd with the population standard deviation. A
// column without spread (all values equal up to rounding) becomes all zeros; an empty one stays.
void zTransformColumn(std::span<double> column);

// Standardises the six motion columns of set (as far as it holds them, over nrOfDataPoints
// values) and marks it zTransformed.
void zTransformMotion(ConfoundSet& set);

// Standardises the first nrOfPredictors columns of a heart-rate or respiration set (as far as it
// holds them) and marks it zTransformed, also when there is no column.
void zTransformConfounds(ConfoundSet& set);
