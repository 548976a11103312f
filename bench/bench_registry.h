// The groups of in-process benchmarks, each registered by a function of its own file.
#pragma once

namespace bench {

void registerReaderBenchmarks();      // the four confound readers
void registerZTransformBenchmarks();  // the z-transform of one column
void registerWriterBenchmarks();      // both merged writers and the iostream merge
void registerConversionBenchmarks();  // parsing and formatting alone, in memory
void registerFileListBenchmarks();    // reading and classifying a file list

}  // namespace bench
