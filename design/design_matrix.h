// From the host's current protocol to a saved single-study design matrix.
#pragma once

#include <cstddef>

// Size of the text buffer that receives the design matrix's name: 511 characters and a NUL.
inline constexpr std::size_t kDesignMatrixNameSize = 512;

// Size of the buffer in which the protocol and condition reports are composed (NUL included).
inline constexpr std::size_t kReportSize = 100000;

// Reports the host's current protocol (when report is set), builds one predictor per condition
// (from the second on with skipFirstCondition), convolved with the two-gamma HRF (hrfKind 1) or
// the Boynton HRF (any other value), adds the constant predictor (addConstant) with its first
// numberOfVolumes values set to 1, and has the host save the design matrix as
// "<vtcPath without extension>_<protocol name>.sdm" (or "<protocol file name without extension>
// .sdm" when vtcPath is empty). Writes the name tried into designMatrixName (512 bytes); true
// when the host saved it. No protocol: false, designMatrixName untouched. A name longer than 511
// characters is never cut: nothing is saved and designMatrixName is empty.
bool createDesignMatrixFromProtocol(int hrfKind, bool report, float predictorValue,
                                    bool skipFirstCondition, bool addConstant, int numberOfVolumes,
                                    char* designMatrixName, const char* vtcPath);
