#include "confounds/merged_writer.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

#include "confounds/confound_items.h"
#include "confounds/item_scanner.h"
#include "confounds/merged_name.h"
#include "confounds/output_buffer.h"
#include "confounds/replacing_file.h"
#include "plugin/host_services.h"

namespace {

constexpr const char* kUnreadableInput =
    "Unable to read the design matrix file: no merged design matrix written.";
constexpr const char* kDamagedInput =
    "Problem with reading the design matrix file: no merged design matrix written.";
constexpr const char* kWriteFailed =
    "Unable to write the merged design matrix: no merged design matrix written.";

constexpr int kMotionColumns = 6;

// The names written for the six motion columns, in column order.
constexpr std::array<std::string_view, kMotionColumns> kMotionLabels = {
    "\"Translation TW-X [mm]\"", "\"Translation TW-Y [mm]\"", "\"Translation TW-Z [mm]\"",
    "\"Rotation TW-X [deg]\"",   "\"Rotation TW-Y [deg]\"",   "\"Rotation TW-Z [deg]\"",
};

// What one call appends and how it checks the data points of its sets.
struct Selection {
  const ConfoundSet* motion = nullptr;  // null: the kind is not appended
  const ConfoundSet* heartRate = nullptr;
  const ConfoundSet* respiration = nullptr;
  bool allKinds = false;       // all three: one name suffix, data points must match exactly
  const char* errorLine = "";  // logged for any unexpected error
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// One header entry of the input: a key token and an integer.
struct HeaderEntry {
  std::string key;
  std::int32_t value = 0;
};

bool readHeaderEntry(ItemScanner& scanner, HeaderEntry& entry) {
  std::string_view key;
  if (!scanner.nextToken(key)) return false;
  entry.key.assign(key);
  try {
    entry.value = readIntegerItem(scanner);
  } catch (const DamagedFile&) {
    return false;
  }
  return true;
}

// The key, one space and the value, whatever stood between them in the input.
void writeHeaderEntry(OutputBuffer& out, const std::string& key, long long value) {
  out.text(key);
  out.character(' ');
  out.integer(value);
  out.lineEnd();
}

// Checks the data points of the selected sets against the design matrix's rows, in the order
// motion, heart rate, respiration, and logs the failures. True when the merge may go on.
bool dataPointsFit(const Selection& selection, std::int32_t rows) {
  bool fit = true;
  for (const ConfoundSet* set : {selection.motion, selection.heartRate, selection.respiration}) {
    if (set == nullptr) continue;
    if (selection.allKinds && set->nrOfDataPoints != rows) {
      logText("Number of datapoints in *.sdm/*.rtc file(s) does not match the design matrix!");
      return false;
    }
    if (!selection.allKinds && set->nrOfDataPoints < rows) {
      logText("Number of datapoints in *.sdm/*.rtc file(s) not sufficient!");
      fit = false;
    }
  }
  return fit;
}

// True when a name can stand in the names line: not empty and on one line.
bool isWritableName(const std::string& name) {
  return !name.empty() && name.find_first_of("\r\n") == std::string::npos;
}

// True when the set's storage holds all that its counts promise for rows rows, so that no value
// is taken from storage that was never obtained (a set whose reading stopped early holds less).
bool holdsItsCounts(const ConfoundSet& set, bool motion, std::int32_t rows) {
  const auto length = static_cast<std::size_t>(rows);
  if (motion) {
    if (set.nrOfPredictors != kMotionColumns) return false;
    for (const std::vector<double>& column : set.motionColumns) {
      if (column.size() < length) return false;
    }
    return true;
  }
  if (set.nrOfPredictors < 0) return false;
  const auto count = static_cast<std::size_t>(set.nrOfPredictors);
  if (set.colorTable.size() < count || set.predictorNames.size() < count ||
      set.columns.size() < count) {
    return false;
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (set.colorTable[i].size() < 3 || !isWritableName(set.predictorNames[i]) ||
        set.columns[i].size() < length) {
      return false;
    }
  }
  return true;
}

// The confound sets of heart rate and respiration that are appended, in output order.
std::array<const ConfoundSet*, 2> tableSets(const Selection& selection) {
  return {selection.heartRate, selection.respiration};
}

void writeColorLine(ItemScanner& scanner, OutputBuffer& out, const Selection& selection,
                    std::int32_t predictors, bool hasConstant) {
  std::array<std::int32_t, 3> held{};
  for (std::int32_t i = 0; i < predictors; ++i) {
    std::array<std::int32_t, 3> color{};
    for (std::int32_t& component : color) component = readIntegerItem(scanner);
    if (hasConstant && i == predictors - 1) {
      held = color;
      continue;
    }
    for (std::int32_t component : color) {
      out.integer(component);
      out.character(' ');
    }
  }
  if (selection.motion != nullptr) {
    for (const auto& color : selection.motion->motionColors) {
      for (std::int32_t component : color) {
        out.integer(component);
        out.character(' ');
      }
    }
  }
  for (const ConfoundSet* set : tableSets(selection)) {
    if (set == nullptr) continue;
    for (std::int32_t i = 0; i < set->nrOfPredictors; ++i) {
      for (int k = 0; k < 3; ++k) {
        out.integer(set->colorTable[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)]);
        out.character(' ');
      }
    }
  }
  if (hasConstant) {
    for (std::int32_t component : held) {
      out.integer(component);
      out.character(' ');
    }
  }
  out.lineEnd();
}

void writeNamesLine(ItemScanner& scanner, OutputBuffer& out, const Selection& selection,
                    std::int32_t predictors, bool hasConstant) {
  std::string held;
  for (std::int32_t i = 0; i < predictors; ++i) {
    std::string_view name;
    if (!scanner.nextName(name)) throw DamagedFile();
    if (hasConstant && i == predictors - 1) {
      held.assign(name);
      continue;
    }
    out.text(name);
    out.character('\t');
  }
  if (selection.motion != nullptr) {
    for (std::string_view label : kMotionLabels) {
      out.text(label);
      out.character('\t');
    }
  }
  for (const ConfoundSet* set : tableSets(selection)) {
    if (set == nullptr) continue;
    for (std::int32_t i = 0; i < set->nrOfPredictors; ++i) {
      out.text(set->predictorNames[static_cast<std::size_t>(i)]);
      out.character('\t');
    }
  }
  // Two tabs before the constant's name; without a constant the line ends with a tab.
  if (hasConstant) {
    out.character('\t');
    out.text(held);
  }
  out.lineEnd();
}

// Writes the data rows; false when a write to the output failed, which ends the rows early.
bool writeDataRows(ItemScanner& scanner, OutputBuffer& out, const Selection& selection,
                   std::int32_t predictors, std::int32_t rows, bool hasConstant) {
  for (std::int32_t r = 0; r < rows; ++r) {
    const auto row = static_cast<std::size_t>(r);
    double held = 0.0;
    for (std::int32_t j = 0; j < predictors; ++j) {
      double value = readNumberItem(scanner);
      if (hasConstant && j == predictors - 1) {
        held = value;
        continue;
      }
      out.defaultNumber(value);
      out.character('\t');
    }
    if (selection.motion != nullptr) {
      for (const std::vector<double>& column : selection.motion->motionColumns) {
        out.defaultNumber(column[row]);
        out.character('\t');
      }
    }
    for (const ConfoundSet* set : tableSets(selection)) {
      if (set == nullptr) continue;
      for (std::int32_t i = 0; i < set->nrOfPredictors; ++i) {
        out.fixedNumber(set->columns[static_cast<std::size_t>(i)][row]);
        out.character('\t');
      }
    }
    if (hasConstant) out.fixedNumber(held);
    out.lineEnd();
    if (out.failed()) return false;
  }
  return true;
}

// Streams the input into out with the selected confounds merged in. Logs the line of any stop
// and returns false then; true when the whole merged text went to out.
bool copyMerged(ItemScanner& scanner, OutputBuffer& out, const Selection& selection) {
  HeaderEntry version;
  if (!readHeaderEntry(scanner, version)) {
    logText(kUnreadableInput);
    return false;
  }
  if (version.value > 1) {
    logFormatted<kConfoundLineSize>(
        "Unsupported design matrix file version %d: no merged design matrix written.",
        {version.value});
    return false;
  }
  HeaderEntry predictors;
  HeaderEntry rows;
  if (!readHeaderEntry(scanner, predictors) || !readHeaderEntry(scanner, rows) ||
      predictors.value < 0 || rows.value < 0) {
    logText(kUnreadableInput);
    return false;
  }
  writeHeaderEntry(out, version.key, version.value);
  out.lineEnd();
  long long total = predictors.value;
  for (const ConfoundSet* set : {selection.motion, selection.heartRate, selection.respiration}) {
    if (set != nullptr) total += set->nrOfPredictors;
  }
  writeHeaderEntry(out, predictors.key, total);
  writeHeaderEntry(out, rows.key, rows.value);

  if (!dataPointsFit(selection, rows.value)) return false;
  if ((selection.motion != nullptr && !holdsItsCounts(*selection.motion, true, rows.value)) ||
      (selection.heartRate != nullptr &&
       !holdsItsCounts(*selection.heartRate, false, rows.value)) ||
      (selection.respiration != nullptr &&
       !holdsItsCounts(*selection.respiration, false, rows.value))) {
    logText(selection.errorLine);
    return false;
  }

  HeaderEntry constant;
  HeaderEntry firstConfound;
  // A constant is the last predictor: a header that claims one without predictors is damaged.
  if (!readHeaderEntry(scanner, constant) || !readHeaderEntry(scanner, firstConfound) ||
      (constant.value != 0 && predictors.value == 0)) {
    logText(kUnreadableInput);
    return false;
  }
  writeHeaderEntry(out, constant.key, constant.value);
  writeHeaderEntry(out, firstConfound.key, firstConfound.value);
  out.lineEnd();

  const bool hasConstant = constant.value != 0;
  try {
    writeColorLine(scanner, out, selection, predictors.value, hasConstant);
    writeNamesLine(scanner, out, selection, predictors.value, hasConstant);
    if (!writeDataRows(scanner, out, selection, predictors.value, rows.value, hasConstant)) {
      logText(kWriteFailed);
      return false;
    }
  } catch (const DamagedFile&) {
    logText(kDamagedInput);
    return false;
  }
  return true;
}

// Both operations: forms the output name with name, then merges.
template <typename NameOf>
std::string writeMerged(const std::string& sdmPath, const Selection& selection, NameOf name) {
  std::string outputName;
  try {
    outputName = name();
    logFormatted<kConfoundLineSize>("New filename: %s", {outputName.c_str()});
    if (outputName == sdmPath) {
      logText("Output name equals the input name: no merged design matrix written.");
      return outputName;
    }
    std::unique_ptr<std::FILE, FileCloser> input(std::fopen(sdmPath.c_str(), "rb"));
    ReplacingFile output(outputName);
    if (!output.opened()) {
      logText("Unable to open a file for writing.");
      return outputName;
    }
    if (input == nullptr) {
      logText(kUnreadableInput);
      return outputName;
    }
    ItemScanner scanner(input.get());
    OutputBuffer out(output.file());
    if (!copyMerged(scanner, out, selection)) return outputName;
    if (!out.flush() || !output.commit()) logText(kWriteFailed);
  } catch (...) {
    logText(selection.errorLine);
  }
  return outputName;
}

}  // namespace

std::string writeMergedDesignMatrix(const std::string& sdmPath, const ConfoundSet* motion,
                                    const ConfoundSet* heartRate, const ConfoundSet* respiration,
                                    bool useMotion, bool useHeartRate, bool useRespiration) {
  Selection selection;
  selection.motion = useMotion ? motion : nullptr;
  selection.heartRate = useHeartRate ? heartRate : nullptr;
  selection.respiration = useRespiration ? respiration : nullptr;
  selection.errorLine =
      "Error while converting PRT to SDM with any of 3DMC, heart rate and respiration files.";
  if ((useMotion && motion == nullptr) || (useHeartRate && heartRate == nullptr) ||
      (useRespiration && respiration == nullptr)) {
    logText(selection.errorLine);
    return std::string();
  }
  return writeMerged(sdmPath, selection, [&] {
    return mergedNameOfSelection(sdmPath, selection.motion, selection.heartRate,
                                 selection.respiration);
  });
}

std::string writeMergedDesignMatrixAll(const std::string& sdmPath, const ConfoundSet& motion,
                                       const ConfoundSet& heartRate,
                                       const ConfoundSet& respiration) {
  Selection selection;
  selection.motion = &motion;
  selection.heartRate = &heartRate;
  selection.respiration = &respiration;
  selection.allKinds = true;
  selection.errorLine =
      "Error while converting PRT to SDM with 3DMC, heart rate and respiration files.";
  return writeMerged(sdmPath, selection,
                     [&] { return mergedNameOfAll(sdmPath, motion.zTransformed); });
}
