// Fuzz target of the merged writer's input side. The first byte picks the operation (all three
// kinds, or the kinds of its low bits, none included), which sets are z-transformed and how many
// data points the fixed confound sets hold; the rest is the saved design matrix, written to a
// file. The writer's output must be either exactly the text a plain second reading of the input
// calls for (so its header counts match the rows and sections written), or absent: then an
// older file of the output name is byte for byte as it was, the input is unchanged and no
// temporary file is left. A design matrix of odd size goes to the file after white space that
// puts its middle on the end of the scanner's first 64 KiB block.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "confounds/merged_writer.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/reference_items.h"

namespace {

const char* const kOlder = "an older merged design matrix\n";

const char* const kMotionLabels[6] = {
    "\"Translation TW-X [mm]\"", "\"Translation TW-Y [mm]\"", "\"Translation TW-Z [mm]\"",
    "\"Rotation TW-X [deg]\"",   "\"Rotation TW-Y [deg]\"",   "\"Rotation TW-Z [deg]\"",
};

ConfoundSet motionSet(int points, bool z) {
  ConfoundSet set;
  set.kind = ConfoundKind::Motion;
  set.nrOfPredictors = 6;
  set.nrOfDataPoints = points;
  set.zTransformed = z;
  set.motionColors = {
      {{255, 50, 50}, {50, 255, 50}, {50, 50, 255}, {255, 255, 0}, {255, 0, 255}, {0, 255, 255}}};
  for (int c = 0; c < 6; ++c) {
    for (int r = 0; r < points; ++r) {
      set.motionColumns[static_cast<std::size_t>(c)].push_back(0.125 * (c + 1) - 0.001 * r);
    }
  }
  return set;
}

ConfoundSet tableSet(ConfoundKind kind, std::vector<std::string> names, int points, bool z) {
  ConfoundSet set;
  set.kind = kind;
  set.nrOfPredictors = static_cast<std::int32_t>(names.size());
  set.nrOfDataPoints = points;
  set.zTransformed = z;
  for (std::size_t i = 0; i < names.size(); ++i) {
    set.colorTable.push_back({255, 255, static_cast<std::int32_t>(20 * i)});
    std::vector<double> column;
    for (int r = 0; r < points; ++r) column.push_back(-1.2345678 * static_cast<double>(i + 1) + r);
    set.columns.push_back(column);
  }
  set.predictorNames = std::move(names);
  return set;
}

std::string printed(const char* format, double value) {
  char text[400];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

struct Merge {
  const ConfoundSet* motion = nullptr;
  const ConfoundSet* heartRate = nullptr;
  const ConfoundSet* respiration = nullptr;
  bool all = false;
};

struct Entry {
  std::string_view key;
  std::int32_t value = 0;
};

bool entry(ReferenceItems& items, Entry& e) {
  return items.token(e.key) && items.integer(e.value);
}

// The text the writer must produce from input, or false when it must write nothing.
bool referenceMerge(std::string_view input, const Merge& merge, std::string& out) {
  ReferenceItems items(input);
  Entry version, predictors, rows, constant, first;
  if (!entry(items, version) || version.value > 1) return false;
  if (!entry(items, predictors) || !entry(items, rows) || predictors.value < 0 || rows.value < 0) {
    return false;
  }
  const std::int32_t n = predictors.value;
  const std::int32_t m = rows.value;
  long long total = n;
  for (const ConfoundSet* set : {merge.motion, merge.heartRate, merge.respiration}) {
    if (set == nullptr) continue;
    if (merge.all ? set->nrOfDataPoints != m : set->nrOfDataPoints < m) return false;
    total += set->nrOfPredictors;
  }
  if (!entry(items, constant) || !entry(items, first) || (constant.value != 0 && n == 0)) {
    return false;
  }
  const bool held = constant.value != 0;
  auto line = [&out](std::string_view key, long long value) {
    out.append(key).append(" ").append(std::to_string(value)).append("\n");
  };
  line(version.key, version.value);
  out += "\n";
  line(predictors.key, total);
  line(rows.key, m);
  line(constant.key, constant.value);
  line(first.key, first.value);
  out += "\n";

  std::string heldColor;
  for (std::int32_t i = 0; i < n; ++i) {
    std::string color;
    for (int k = 0; k < 3; ++k) {
      std::int32_t component = 0;
      if (!items.integer(component)) return false;
      color += std::to_string(component) + " ";
    }
    if (held && i == n - 1) {
      heldColor = color;
    } else {
      out += color;
    }
  }
  if (merge.motion != nullptr) {
    for (const auto& color : merge.motion->motionColors) {
      for (std::int32_t component : color) out += std::to_string(component) + " ";
    }
  }
  for (const ConfoundSet* set : {merge.heartRate, merge.respiration}) {
    if (set == nullptr) continue;
    for (const auto& color : set->colorTable) {
      for (std::int32_t component : color) out += std::to_string(component) + " ";
    }
  }
  out += heldColor + "\n";

  std::string heldName;
  for (std::int32_t i = 0; i < n; ++i) {
    std::string name;
    if (!items.name(name)) return false;
    if (held && i == n - 1) {
      heldName = name;
    } else {
      out += name + "\t";
    }
  }
  if (merge.motion != nullptr) {
    for (const char* label : kMotionLabels) out += std::string(label) + "\t";
  }
  for (const ConfoundSet* set : {merge.heartRate, merge.respiration}) {
    if (set == nullptr) continue;
    for (const std::string& name : set->predictorNames) out += name + "\t";
  }
  if (held) out += "\t" + heldName;
  out += "\n";

  for (std::int32_t r = 0; r < m; ++r) {
    const auto row = static_cast<std::size_t>(r);
    std::string heldValue;
    for (std::int32_t j = 0; j < n; ++j) {
      double value = 0.0;
      if (!items.number(value)) return false;
      if (held && j == n - 1) {
        heldValue = printed("%4.6lf", value);
      } else {
        out += printed("%g", value) + "\t";
      }
    }
    if (merge.motion != nullptr) {
      for (const auto& column : merge.motion->motionColumns) {
        out += printed("%g", column[row]) + "\t";
      }
    }
    for (const ConfoundSet* set : {merge.heartRate, merge.respiration}) {
      if (set == nullptr) continue;
      for (const auto& column : set->columns) out += printed("%4.6lf", column[row]) + "\t";
    }
    out += heldValue + "\n";
  }
  return true;
}

// The output name: the input's name with the suffixes put before its ".sdm".
std::string outputName(const std::string& stem, const Merge& merge) {
  std::string name = stem;
  if (merge.all) {
    name += merge.motion->zTransformed ? "_3DMC_z_HR_z_RVT_z" : "_3DMC_HR_RVT";
  } else {
    if (merge.motion != nullptr) name += merge.motion->zTransformed ? "_3DMC_z" : "_3DMC";
    if (merge.heartRate != nullptr) name += merge.heartRate->zTransformed ? "_HR_z" : "_HR";
    if (merge.respiration != nullptr) name += merge.respiration->zTransformed ? "_RVT_z" : "_RVT";
  }
  return name + ".sdm";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  installRecordingLog();
  fuzzLog().clear();
  const FuzzFolder& folder = FuzzFolder::instance();
  folder.clear();

  const std::uint8_t mode = data[0];
  const std::string bytes =
      straddlingBlocks(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  const std::string_view input(bytes);
  const int points = (mode >> 4) & 7;
  const bool z = (mode & 0x80) != 0;
  const ConfoundSet motion = motionSet(points, z);
  const ConfoundSet heartRate =
      tableSet(ConfoundKind::HeartRate, {"HR", "\"HR deriv\""}, points, !z);
  const ConfoundSet respiration = tableSet(ConfoundKind::Respiration, {"RVT"}, points, z);

  Merge merge;
  merge.all = (mode & 8) != 0;
  if (merge.all || (mode & 1) != 0) merge.motion = &motion;
  if (merge.all || (mode & 2) != 0) merge.heartRate = &heartRate;
  if (merge.all || (mode & 4) != 0) merge.respiration = &respiration;

  const std::string inputPath = folder.write("run1_task.sdm", input);
  const std::string expectedName = outputName(folder.file("run1_task"), merge);
  const bool selfNamed = expectedName == inputPath;
  if (!selfNamed) folder.write(expectedName.substr(folder.path().size() + 1), kOlder);
  const std::vector<std::string> before = folder.entries();

  const std::string name =
      merge.all ? writeMergedDesignMatrixAll(inputPath, motion, heartRate, respiration)
                : writeMergedDesignMatrix(inputPath, merge.motion, merge.heartRate,
                                          merge.respiration, merge.motion != nullptr,
                                          merge.heartRate != nullptr, merge.respiration != nullptr);
  fuzzCheck(name == expectedName, "output name");
  fuzzCheck(!fuzzLog().empty() && fuzzLog().front() == "New filename: " + name, "first log line");

  std::string written;
  fuzzCheck(readWholeFile(inputPath, written) && written == input, "input changed");
  fuzzCheck(folder.entries() == before, "files added or removed");
  std::string expected;
  const bool complete = !selfNamed && referenceMerge(input, merge, expected);
  fuzzCheck(readWholeFile(name, written), "output missing");
  if (complete) {
    fuzzCheck(fuzzLog().size() == 1, "a complete merge logged more than its name");
    fuzzCheck(written == expected, "output differs from the merged text");
  } else {
    // One line per stop; the data-point check logs one for each short set.
    const std::size_t selected = merge.all
                                     ? 0
                                     : (merge.motion != nullptr) + (merge.heartRate != nullptr) +
                                           (merge.respiration != nullptr);
    fuzzCheck(fuzzLog().size() >= 2 && fuzzLog().size() <= 1 + std::max<std::size_t>(selected, 1),
              "a stop logged no line, or more lines than it has reasons");
    fuzzCheck(written == (selfNamed ? std::string(input) : std::string(kOlder)),
              "a stop changed the older file");
  }
  return 0;
}
