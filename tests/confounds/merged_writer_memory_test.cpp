// The merged writer streams: its memory must not grow with the rows of the design matrix. The
// peak resident memory of the process while it writes 10,000 rows and while it writes 1,000,000
// rows must differ by less than 2 MB (the 1,000,000 rows alone are some 27 MB of output).
// Linux only: the peak is read from /proc.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "confounds/merged_writer.h"
#include "tests/confounds/temp_folder.h"
#include "tests/support/fake_host.h"
#include "tests/support/process_memory.h"

#if defined(__linux__)
#include <malloc.h>
#endif

namespace {

#if defined(__linux__)

// A design matrix of rows rows (two predictors and the constant), written in pieces.
std::string writeInput(const TempFolder& folder, std::int64_t rows) {
  const std::string path = folder.file("run_" + std::to_string(rows) + ".sdm");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fprintf(file,
               "FileVersion: 1\n\nNrOfPredictors: 3\nNrOfDataPoints: %lld\nIncludesConstant: "
               "1\nFirstConfoundPredictor: 3\n\n255 0 0 0 255 0 255 255 255\n\"A\" \"B\" "
               "\"Constant\"\n",
               static_cast<long long>(rows));
  for (std::int64_t r = 0; r < rows; ++r) std::fputs("0.5 0.25 1\n", file);
  std::fclose(file);
  return path;
}

struct WriterMemory {
  long long growth = -1;      // peak resident memory during the write above that before it
  std::uintmax_t output = 0;  // bytes of the merged design matrix
};

WriterMemory mergeAndMeasure(std::int64_t rows) {
  TempFolder folder;
  const std::string input = writeInput(folder, rows);
  ConfoundSet heartRate;
  heartRate.kind = ConfoundKind::HeartRate;
  heartRate.nrOfPredictors = 1;
  heartRate.nrOfDataPoints = static_cast<std::int32_t>(rows);
  heartRate.colorTable = {{255, 255, 0}};
  heartRate.predictorNames = {"\"HeartRate\""};
  heartRate.columns = {std::vector<double>(static_cast<std::size_t>(rows), 0.3)};

  WriterMemory measured;
  malloc_trim(0);  // freed memory of earlier work must not be reused unseen
  if (!resetPeak()) return measured;
  const long long before = statusBytes("VmRSS");
  const std::string output =
      writeMergedDesignMatrix(input, nullptr, &heartRate, nullptr, false, true, false);
  measured.growth = statusBytes("VmHWM") - before;
  std::error_code error;
  measured.output = std::filesystem::file_size(output, error);
  return measured;
}

TEST(MergedWriterMemory, StaysFlatFromTenThousandToAMillionRows) {
  FakeHost host;
  const WriterMemory small = mergeAndMeasure(10000);
  const WriterMemory large = mergeAndMeasure(1000000);
  if (small.growth < 0 || large.growth < 0) GTEST_SKIP() << "no peak memory in /proc here";
  // The whole output was written: 27 bytes a row ("0.5\t0.25\t0.300000\t1.000000\n").
  EXPECT_GT(large.output, std::uintmax_t{27} * 1000000);
  EXPECT_LT(large.growth - small.growth, 2LL * 1024 * 1024)
      << "peak growth while writing: " << small.growth << " bytes for 10,000 rows, " << large.growth
      << " bytes for 1,000,000 rows";
}

#else

TEST(MergedWriterMemory, StaysFlatFromTenThousandToAMillionRows) {
  GTEST_SKIP() << "the peak resident memory is read from /proc, which only Linux has";
}

#endif

}  // namespace
