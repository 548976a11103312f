// Fuzz target of one confound reader, chosen at build time by FOLWYN_FUZZ_READER: 1 motion RTC,
// 2 motion SDM, 3 heart rate RTC, 4 respiration SDM. The input is written to a file and read
// through the reader's normal file interface. The set it returns is compared field by field with
// a plain second reading of the same bytes: readOk must be false exactly when that reading finds
// damage, a sound set must hold its counts in its arrays, a damaged one no columns, and either
// must survive the z-transform and release. Inputs of odd size go to the file after white space
// that puts their middle on the end of the scanner's first 64 KiB block.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "confounds/confound_readers.h"
#include "confounds/z_transform.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/reference_items.h"

namespace {

#if FOLWYN_FUZZ_READER == 1
constexpr bool kMotion = true;
constexpr bool kRtc = true;
#elif FOLWYN_FUZZ_READER == 2
constexpr bool kMotion = true;
constexpr bool kRtc = false;
#elif FOLWYN_FUZZ_READER == 3
constexpr bool kMotion = false;
constexpr bool kRtc = true;
#elif FOLWYN_FUZZ_READER == 4
constexpr bool kMotion = false;
constexpr bool kRtc = false;
#else
#error "FOLWYN_FUZZ_READER must be 1, 2, 3 or 4"
#endif

constexpr ConfoundKind kKind =
    kMotion ? ConfoundKind::Motion : (kRtc ? ConfoundKind::HeartRate : ConfoundKind::Respiration);

ConfoundSet readWithPlugin(const char* path) {
  if constexpr (kMotion) {
    return kRtc ? readMotionRtc(path) : readMotionSdm(path);
  } else {
    return kRtc ? readConfoundRtc(path, kKind) : readConfoundSdm(path, kKind);
  }
}

bool readHeader(ReferenceItems& items, ConfoundSet& set) {
  std::string_view key;
  if (!items.token(key) || !items.integer(set.fileVersion)) return false;
  if (kRtc) {
    std::string_view value;
    set.includesConstant = 0;
    set.firstConfound = 1;
    return items.token(key) && items.token(value) && items.token(key) &&
           items.integer(set.nrOfPredictors) && items.token(key) &&
           items.integer(set.nrOfDataPoints);
  }
  return items.token(key) && items.integer(set.nrOfPredictors) && items.token(key) &&
         items.integer(set.nrOfDataPoints) && items.token(key) &&
         items.integer(set.includesConstant) && items.token(key) &&
         items.integer(set.firstConfound);
}

// Every value item takes at least one byte of the file: counts that promise more are damage.
bool countsFit(std::int64_t items, std::size_t fileSize) {
  return items >= 0 && static_cast<std::uint64_t>(items) <= fileSize;
}

bool readMotionBody(ReferenceItems& items, std::size_t fileSize, ConfoundSet& set) {
  if (set.nrOfPredictors != 6 || set.nrOfDataPoints < 0) return false;
  if (!countsFit(std::int64_t{6} * set.nrOfDataPoints + (kRtc ? 0 : 18) + 6, fileSize)) {
    return false;
  }
  if (kRtc) {
    set.motionColors = {
        {{255, 50, 50}, {50, 255, 50}, {50, 50, 255}, {255, 255, 0}, {255, 0, 255}, {0, 255, 255}}};
  } else {
    for (auto& color : set.motionColors) {
      for (std::int32_t& component : color) {
        if (!items.integer(component)) return false;
      }
    }
  }
  for (int quotes = 0; quotes < 12;) {
    char c = 0;
    if (!items.nonBlank(c)) return false;
    if (c == '"') ++quotes;
  }
  std::array<std::vector<double>, 6> columns;
  for (int r = 0; r < set.nrOfDataPoints; ++r) {
    for (std::vector<double>& column : columns) {
      double value = 0.0;
      if (!items.number(value)) return false;
      column.push_back(value);
    }
  }
  set.motionColumns = std::move(columns);
  return true;
}

bool readConfoundBody(ReferenceItems& items, std::size_t fileSize, ConfoundSet& set) {
  const std::int32_t count = set.nrOfPredictors;
  const bool constant = set.includesConstant != 0;
  if (count < 0 || set.nrOfDataPoints < 0 || (constant && count == 0)) return false;
  if (!countsFit(
          std::int64_t{count} * set.nrOfDataPoints + count + (kRtc ? 0 : std::int64_t{3} * count),
          fileSize)) {
    return false;
  }
  const std::int32_t retained = constant ? count - 1 : count;
  IntTable colors;
  for (std::int32_t i = 0; i < count; ++i) {
    std::vector<std::int32_t> color = {255, 255, 20 * i};
    if (!kRtc) {
      for (std::int32_t& component : color) {
        if (!items.integer(component)) return false;
      }
    }
    if (i < retained) colors.push_back(color);
  }
  std::vector<std::string> names;
  for (std::int32_t i = 0; i < count; ++i) {
    std::string name;
    if (!items.name(name)) return false;
    if (i < retained) names.push_back(name);
  }
  std::vector<std::vector<double>> columns(static_cast<std::size_t>(retained));
  for (std::int32_t r = 0; r < set.nrOfDataPoints; ++r) {
    for (std::int32_t j = 0; j < count; ++j) {
      double value = 0.0;
      if (!items.number(value)) return false;
      if (j < retained) columns[static_cast<std::size_t>(j)].push_back(value);
    }
  }
  set.colorTable = std::move(colors);
  set.predictorNames = std::move(names);
  set.columns = std::move(columns);
  set.nrOfPredictors = retained;
  set.includesConstant = 0;
  return true;
}

// The set a sound input gives, or false when the input is damaged.
bool referenceRead(std::string_view text, ConfoundSet& set) {
  ReferenceItems items(text);
  if (!readHeader(items, set)) return false;
  return kMotion ? readMotionBody(items, text.size(), set)
                 : readConfoundBody(items, text.size(), set);
}

bool sameValues(const std::vector<double>& a, const std::vector<double>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!(a[i] == b[i])) return false;
  }
  return true;
}

void checkSoundSet(const ConfoundSet& got, const ConfoundSet& want) {
  fuzzCheck(got.readOk, "readOk is false for a sound file");
  fuzzCheck(got.fileVersion == want.fileVersion, "file version");
  fuzzCheck(got.nrOfPredictors == want.nrOfPredictors, "number of predictors");
  fuzzCheck(got.nrOfDataPoints == want.nrOfDataPoints, "number of data points");
  fuzzCheck(got.includesConstant == want.includesConstant, "includes constant");
  fuzzCheck(got.firstConfound == want.firstConfound, "first confound");
  fuzzCheck(!got.zTransformed, "set marked as transformed by its reader");
  const auto points = static_cast<std::size_t>(got.nrOfDataPoints);
  if (kMotion) {
    fuzzCheck(got.motionColors == want.motionColors, "motion colours");
    for (std::size_t c = 0; c < 6; ++c) {
      fuzzCheck(got.motionColumns[c].size() == points, "motion column length");
      fuzzCheck(sameValues(got.motionColumns[c], want.motionColumns[c]), "motion values");
    }
    fuzzCheck(got.columns.empty() && got.colorTable.empty() && got.predictorNames.empty(),
              "motion set holds fields of another kind");
    return;
  }
  const auto count = static_cast<std::size_t>(got.nrOfPredictors);
  fuzzCheck(got.colorTable.size() == count, "colour table size");
  fuzzCheck(got.predictorNames.size() == count, "number of names");
  fuzzCheck(got.columns.size() == count, "number of columns");
  fuzzCheck(got.colorTable == want.colorTable, "colours");
  fuzzCheck(got.predictorNames == want.predictorNames, "names");
  for (std::size_t c = 0; c < count; ++c) {
    fuzzCheck(got.columns[c].size() == points, "column length");
    fuzzCheck(sameValues(got.columns[c], want.columns[c]), "values");
  }
  for (const auto& column : got.motionColumns) {
    fuzzCheck(column.empty(), "confound set holds motion columns");
  }
}

void checkDamagedSet(const ConfoundSet& got) {
  fuzzCheck(!got.readOk, "readOk is true for a damaged file");
  fuzzCheck(got.columns.empty(), "damaged set holds columns");
  for (const auto& column : got.motionColumns) {
    fuzzCheck(column.empty(), "damaged set holds motion columns");
  }
  const std::vector<std::string>& log = fuzzLog();
  fuzzCheck(!log.empty() && log.back() == (kRtc ? "Problem with reading *.rtc file. Please check "
                                                  "results."
                                                : "Problem with reading *.sdm file. Please check "
                                                  "results."),
            "damaged file without its problem line last");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  installRecordingLog();
  fuzzLog().clear();
  const std::string bytes =
      straddlingBlocks(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string_view text(bytes);
  const std::string path = FuzzFolder::instance().write(kRtc ? "input.rtc" : "input.sdm", text);

  ConfoundSet got = readWithPlugin(path.c_str());
  fuzzCheck(got.fileOpened, "the file did not open");
  fuzzCheck(got.kind == kKind, "kind");
  fuzzCheck(!fuzzLog().empty() && fuzzLog().front() == "Reading file: " + path, "first log line");

  ConfoundSet want;
  want.kind = kKind;
  if (referenceRead(text, want)) {
    checkSoundSet(got, want);
  } else {
    checkDamagedSet(got);
  }
  // Whatever the reader returned must be safe to transform and release.
  if (kMotion) {
    zTransformMotion(got);
  } else {
    zTransformConfounds(got);
  }
  fuzzCheck(got.zTransformed, "z-transform did not mark the set");
  releaseConfoundSet(got);
  return 0;
}
