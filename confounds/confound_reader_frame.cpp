#include "confounds/confound_reader_frame.h"

#include <cstdio>
#include <memory>

#include "confounds/confound_items.h"
#include "plugin/host_services.h"
#include "plugin/open_file_size.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

void readHeader(ItemScanner& scanner, ConfoundForm form, ConfoundSet& set) {
  skipTokenItem(scanner);
  set.fileVersion = readIntegerItem(scanner);
  if (form == ConfoundForm::Rtc) {
    skipTokenItem(scanner);
    skipTokenItem(scanner);  // a text value that no step uses
    skipTokenItem(scanner);
    set.nrOfPredictors = readIntegerItem(scanner);
    skipTokenItem(scanner);
    set.nrOfDataPoints = readIntegerItem(scanner);
    set.includesConstant = 0;
    set.firstConfound = 1;
    return;
  }
  skipTokenItem(scanner);
  set.nrOfPredictors = readIntegerItem(scanner);
  skipTokenItem(scanner);
  set.nrOfDataPoints = readIntegerItem(scanner);
  skipTokenItem(scanner);
  set.includesConstant = readIntegerItem(scanner);
  skipTokenItem(scanner);
  set.firstConfound = readIntegerItem(scanner);
}

void logHeaderReport(const ConfoundSet& set) {
  logFormatted<kConfoundLineSize>(
      "Fileversion: %i\nNr of Predictors: %i\nNr of datapoints: %i\nIncludes constant: "
      "%i\nFirst confound: %i",
      {set.fileVersion, set.nrOfPredictors, set.nrOfDataPoints, set.includesConstant,
       set.firstConfound});
}

}  // namespace

ConfoundSet readConfoundFile(const char* path, ConfoundKind kind, ConfoundForm form,
                             const char* openFailureLine, ConfoundBody body) {
  ConfoundSet set;
  set.kind = kind;
  std::unique_ptr<std::FILE, FileCloser> file(path != nullptr ? std::fopen(path, "rb") : nullptr);
  logFormatted<kConfoundLineSize>("Reading file: %s", {path});
  if (file == nullptr) {
    logText(openFailureLine);
    return set;
  }
  set.fileOpened = true;
  try {
    std::uintmax_t fileSize = 0;
    if (!openFileSize(file.get(), fileSize)) throw DamagedFile();
    ItemScanner scanner(file.get());
    readHeader(scanner, form, set);
    logHeaderReport(set);
    body(scanner, form, fileSize, set);
  } catch (...) {
    logText(form == ConfoundForm::Rtc ? "Problem with reading *.rtc file. Please check results."
                                      : "Problem with reading *.sdm file. Please check results.");
    set.readOk = false;
  }
  return set;
}

void requireItemsFit(std::int64_t items, std::uintmax_t fileSize) {
  if (items < 0 || static_cast<std::uintmax_t>(items) > fileSize) throw DamagedFile();
}
