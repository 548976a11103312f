#include <array>
#include <cstdint>
#include <vector>

#include "confounds/confound_items.h"
#include "confounds/confound_reader_frame.h"
#include "confounds/confound_readers.h"
#include "plugin/host_services.h"

namespace {

constexpr int kMotionColumns = 6;

// The colours of the six motion predictors when the file carries none (RTC form).
constexpr std::array<std::array<std::int32_t, 3>, kMotionColumns> kDefaultMotionColors = {{
    {255, 50, 50},
    {50, 255, 50},
    {50, 50, 255},
    {255, 255, 0},
    {255, 0, 255},
    {0, 255, 255},
}};

// Passes over the six names, which stand in double quotes and may hold blanks, by counting
// quotes; whatever stands between the colours and the first name is passed over too.
void skipMotionNames(ItemScanner& scanner) {
  int quotes = 0;
  char c = 0;
  while (quotes < 2 * kMotionColumns) {
    if (!scanner.nextNonBlank(c)) throw DamagedFile();
    if (c == '"') ++quotes;
  }
}

void readMotionBody(ItemScanner& scanner, ConfoundForm form, std::uintmax_t fileSize,
                    ConfoundSet& set) {
  if (form == ConfoundForm::Rtc) {
    logText("Adding colors...");
    set.motionColors = kDefaultMotionColors;
  } else {
    logText("Reading colors...");
  }
  // The file must hold the six estimates, and its rows must fit the file.
  if (set.nrOfPredictors != kMotionColumns || set.nrOfDataPoints < 0) throw DamagedFile();
  const std::int64_t colorItems = form == ConfoundForm::Sdm ? 3 * kMotionColumns : 0;
  requireItemsFit(std::int64_t{kMotionColumns} * set.nrOfDataPoints + colorItems + kMotionColumns,
                  fileSize);

  if (form == ConfoundForm::Sdm) {
    std::array<std::array<std::int32_t, 3>, kMotionColumns> colors{};
    for (auto& color : colors) {
      for (std::int32_t& component : color) component = readIntegerItem(scanner);
    }
    set.motionColors = colors;
  }
  skipMotionNames(scanner);

  const auto rows = static_cast<std::size_t>(set.nrOfDataPoints);
  std::array<std::vector<double>, kMotionColumns> columns;
  for (std::vector<double>& column : columns) column.resize(rows);
  logText("Reading motion estimates...");
  for (std::size_t r = 0; r < rows; ++r) {
    for (std::vector<double>& column : columns) column[r] = readNumberItem(scanner);
  }
  set.motionColumns = std::move(columns);
}

}  // namespace

ConfoundSet readMotionRtc(const char* path) {
  return readConfoundFile(path, ConfoundKind::Motion, ConfoundForm::Rtc,
                          "Unable to open the motion estimates file.", readMotionBody);
}

ConfoundSet readMotionSdm(const char* path) {
  return readConfoundFile(path, ConfoundKind::Motion, ConfoundForm::Sdm,
                          "Unable to open the motion estimates file.", readMotionBody);
}
