// One confound file in memory, held by column, and the storage helpers of the readers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What a confound set holds.
enum class ConfoundKind : std::int32_t {
  Motion = 1,       // the six motion-correction estimates
  HeartRate = 2,    // heart-rate predictors
  Respiration = 3,  // respiration predictors
};

// Rows of equal width of 32-bit integers; the colour table holds one (red, green, blue) row per
// predictor.
using IntTable = std::vector<std::vector<std::int32_t>>;

// A confound file as a reader returns it. A new record has zero counts and no storage, so that a
// record whose reading stopped early is always safe to transform, write and release: each of
// those steps touches only the storage that is there.
struct ConfoundSet {
  bool readOk = true;                 // false once the reader found the file damaged
  std::int32_t fileVersion = 0;       // as read; only logged
  std::int32_t nrOfPredictors = 0;    // heart rate, respiration: the retained predictors
  std::int32_t nrOfDataPoints = 0;    // length of every column
  std::int32_t includesConstant = 0;  // as read; 0 once a heart-rate or respiration file is read
  std::int32_t firstConfound = 0;     // as read (RTC form: 1); only logged
  bool zTransformed = false;          // set by the z-transform; picks the output name's suffixes
  ConfoundKind kind = ConfoundKind::Motion;
  std::array<std::array<std::int32_t, 3>, 6> motionColors{};  // Motion: colour of each column
  std::array<std::vector<double>, 6> motionColumns;           // Motion: the six estimates
  IntTable colorTable;                       // HeartRate, Respiration: one row per predictor
  std::vector<std::string> predictorNames;   // HeartRate, Respiration: names as they stood
  std::vector<std::vector<double>> columns;  // HeartRate, Respiration: one per predictor
  bool fileOpened = false;                   // true once the reader opened the file
};

// count rows of width zeros. Throws std::bad_alloc when the storage cannot be obtained, a
// negative count or width included.
IntTable allocateIntTable(std::int32_t count, std::int32_t width);

// Frees the data columns of set by its kind (Motion: the six motion columns; HeartRate,
// Respiration: all columns); any other kind frees nothing. Counts, colours and names stay.
void releaseConfoundSet(ConfoundSet& set);
