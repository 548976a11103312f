#include "confounds/confound_readers.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "confounds/confound_items.h"
#include "confounds/confound_reader_frame.h"
#include "plugin/host_services.h"

namespace {

// Blue of the colour that the RTC form's predictor i gets: 20 x i, not limited to 255 (the
// fourteenth predictor gets 260), held at the largest 32-bit value rather than overflowing.
std::int32_t rtcBlue(std::size_t i) {
  const auto blue = static_cast<std::int64_t>(i) * 20;
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(blue, std::numeric_limits<std::int32_t>::max()));
}

void readConfoundBody(ItemScanner& scanner, ConfoundForm form, std::uintmax_t fileSize,
                      ConfoundSet& set) {
  logText(form == ConfoundForm::Rtc ? "Adding colors..." : "Reading colors...");
  const std::int32_t count = set.nrOfPredictors;
  const bool hasConstant = set.includesConstant != 0;
  // A constant needs a predictor to be; counts must be sound and the values must fit the file.
  if (count < 0 || set.nrOfDataPoints < 0 || (hasConstant && count == 0)) throw DamagedFile();
  const std::int64_t colorItems = form == ConfoundForm::Sdm ? std::int64_t{3} * count : 0;
  requireItemsFit(std::int64_t{count} * set.nrOfDataPoints + count + colorItems, fileSize);

  // The constant, when there is one, is the last predictor: its items are read and dropped.
  const auto all = static_cast<std::size_t>(count);
  const std::size_t retained = hasConstant ? all - 1 : all;
  IntTable colors = allocateIntTable(static_cast<std::int32_t>(retained), 3);
  if (form == ConfoundForm::Rtc) {
    for (std::size_t i = 0; i < retained; ++i) colors[i] = {255, 255, rtcBlue(i)};
  } else {
    for (std::size_t i = 0; i < all; ++i) {
      std::int32_t red = readIntegerItem(scanner);
      std::int32_t green = readIntegerItem(scanner);
      std::int32_t blue = readIntegerItem(scanner);
      if (i < retained) colors[i] = {red, green, blue};
    }
  }
  set.colorTable = std::move(colors);

  for (std::size_t i = 0; i < all; ++i) {
    std::string name = readNameItem(scanner);
    if (i < retained) set.predictorNames.push_back(std::move(name));
  }

  const auto rows = static_cast<std::size_t>(set.nrOfDataPoints);
  std::vector<std::vector<double>> columns(retained, std::vector<double>(rows));
  logText("Reading confounds...");
  for (std::size_t r = 0; r < rows; ++r) {
    for (std::size_t j = 0; j < all; ++j) {
      double value = readNumberItem(scanner);
      if (j < retained) columns[j][r] = value;
    }
  }
  set.columns = std::move(columns);
  set.nrOfPredictors = static_cast<std::int32_t>(retained);
  set.includesConstant = 0;
}

}  // namespace

ConfoundSet readConfoundRtc(const char* path, ConfoundKind kind) {
  return readConfoundFile(path, kind, ConfoundForm::Rtc, "Unable to open the design matrix file.",
                          readConfoundBody);
}

ConfoundSet readConfoundSdm(const char* path, ConfoundKind kind) {
  return readConfoundFile(path, kind, ConfoundForm::Sdm, "Unable to open the design matrix file.",
                          readConfoundBody);
}
