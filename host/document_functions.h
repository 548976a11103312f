// The host functions of the stand-in's documents, as the plug-in calls them, for code of the
// stand-in (and its tests) that calls them directly.
#pragma once

#include "host/standin_export.h"

// The current anatomical document: null when none is open; the three ints are set to 0.
STANDIN_EXPORT void* nzGetCurrentVMR(int* dimX, int* dimY, int* dimZ);
// Links a VTC file to the current anatomical document: 1 on success, 0 when there is no current
// anatomical document or the file is not a readable VTC (no VTC is linked then).
STANDIN_EXPORT int nzLinkVTCToCurrentVMR(const char* path, int mode);
// Copies the linked VTC's 848-byte header into header: 1, or 0 when none is linked.
STANDIN_EXPORT int nzGetHeaderOfVTCOfCurrentVMR(void* header);
// Takes an 848-byte header over and makes the protocol it names current (none when it is not
// found beside the VTC or the anatomical document, or is damaged): 1, or 0 when no VTC is linked
// or the header is not acceptable (nothing changes then).
STANDIN_EXPORT int nzSetHeaderOfVTCOfCurrentVMR(void* header);
// Writes the linked VTC, header and data, to path: 1, or 0 when none is linked or writing fails.
STANDIN_EXPORT int nzSaveVTCOfCurrentVMR(const char* path);
// Drops the current protocol; 1.
STANDIN_EXPORT int nzClearProtocol();
// Fills a 596-byte protocol record: 1, or 0 when no protocol is current.
STANDIN_EXPORT int nzGetProtocol(void* info);
// Fills the 288-byte record of condition index (from 0): 1, or 0 when there is none. Its interval
// arrays belong to the host and stay valid while the protocol is current.
STANDIN_EXPORT int nzGetProtocolCondition(int index, void* condition);
// Empties the design matrix; 1.
STANDIN_EXPORT int nzClearDesignMatrix();
// Appends a predictor of as many zeros as the linked VTC has volumes: 1, or 0 without a VTC.
STANDIN_EXPORT int nzAddPredictor(const char* name);
// Fills the predictor (the last added under that name) with the boxcar of the named condition
// of the current protocol, at value: 1, or 0 when predictor, condition or VTC is missing.
STANDIN_EXPORT int nzSetPredictorValuesFromConditionName(const char* predictor,
                                                         const char* condition, float value);
// Convolves the named predictor's boxcar with an HRF: 1, or 0 when the predictor is missing or
// was never filled from a condition.
STANDIN_EXPORT int nzApplyTwoGammaHRFToPredictorWithName(const char* predictor);
STANDIN_EXPORT int nzApplyBoyntonHRFToPredictorWithName(const char* predictor);
// Predictor index's values, writable, one float per volume; valid until the design matrix is
// cleared. Null for a number out of range.
STANDIN_EXPORT float* nzGetPredictor(int index);
// Saves the design matrix as an SDM file: 1, or 0 when it is empty or the file cannot be written
// (no file is left then).
STANDIN_EXPORT int nzSaveSingleStudyGLMDesignMatrix(const char* path);

namespace standin {

// Closes every document: no anatomical document, no VTC, no protocol, an empty design matrix.
void closeAllDocuments();

}  // namespace standin
