// The names under which the benchmarks are registered, shared by their registration and by the
// report that sets them against each other.
#pragma once

namespace bench {

inline constexpr const char* kReaderPrefix = "Reader/";
inline constexpr const char* kMergeWriter = "Writer/merge";        // writeMergedDesignMatrix
inline constexpr const char* kMergeAllWriter = "Writer/mergeAll";  // writeMergedDesignMatrixAll
inline constexpr const char* kIostreamMerge = "IostreamMerge";
inline constexpr const char* kConversionLimit = "ConversionLimit";
inline constexpr const char* kOwnConversionLimit = "OwnConversionLimit";

// The design-matrix rows of the writer benchmarks, as the benchmark names carry them.
inline constexpr const char* kWriterRowCounts[] = {"10000", "100000"};

}  // namespace bench
