#include "bench/iostream_merge.h"

#include <array>
#include <fstream>
#include <iomanip>
#include <ios>
#include <string_view>

namespace bench {
namespace {

constexpr std::array<std::string_view, 6> kMotionLabels = {
    "\"Translation TW-X [mm]\"", "\"Translation TW-Y [mm]\"", "\"Translation TW-Z [mm]\"",
    "\"Rotation TW-X [deg]\"",   "\"Rotation TW-Y [deg]\"",   "\"Rotation TW-Z [deg]\"",
};

void writeFixed(std::ofstream& out, double value) {
  out << std::fixed << std::setprecision(6) << value << std::defaultfloat;
}

}  // namespace

bool iostreamMerge(const std::string& input, const std::string& output, const ConfoundSet& motion,
                   const ConfoundSet& heartRate, const ConfoundSet& respiration) {
  std::ifstream in(input);
  std::ofstream out(output);
  std::string versionKey, predictorsKey, rowsKey, constantKey, firstKey;
  int version = 0, n = 0, m = 0, c = 0, first = 0;
  in >> versionKey >> version >> predictorsKey >> n >> rowsKey >> m >> constantKey >> c >>
      firstKey >> first;
  if (!in || version > 1) return false;
  const ConfoundSet* tables[] = {&heartRate, &respiration};
  out << versionKey << ' ' << version << '\n' << '\n';
  out << predictorsKey << ' '
      << n + motion.nrOfPredictors + heartRate.nrOfPredictors + respiration.nrOfPredictors << '\n';
  out << rowsKey << ' ' << m << '\n';
  out << constantKey << ' ' << c << '\n';
  out << firstKey << ' ' << first << '\n' << '\n';

  int r = 0, g = 0, b = 0;
  int heldColor[3] = {0, 0, 0};
  for (int i = 0; i < n; ++i) {
    in >> r >> g >> b;
    if (c != 0 && i == n - 1) {
      heldColor[0] = r, heldColor[1] = g, heldColor[2] = b;
    } else {
      out << r << ' ' << g << ' ' << b << ' ';
    }
  }
  for (const auto& color : motion.motionColors) {
    out << color[0] << ' ' << color[1] << ' ' << color[2] << ' ';
  }
  for (const ConfoundSet* set : tables) {
    for (const auto& color : set->colorTable)
      out << color[0] << ' ' << color[1] << ' ' << color[2] << ' ';
  }
  if (c != 0) out << heldColor[0] << ' ' << heldColor[1] << ' ' << heldColor[2] << ' ';
  out << '\n';

  std::string name, heldName;
  for (int i = 0; i < n; ++i) {
    in >> name;
    if (c != 0 && i == n - 1) {
      heldName = name;
    } else {
      out << name << '\t';
    }
  }
  for (std::string_view label : kMotionLabels) out << label << '\t';
  for (const ConfoundSet* set : tables) {
    for (const std::string& predictor : set->predictorNames) out << predictor << '\t';
  }
  if (c != 0) out << '\t' << heldName;
  out << '\n';

  double value = 0.0, held = 0.0;
  for (int row = 0; row < m; ++row) {
    for (int j = 0; j < n; ++j) {
      in >> value;
      if (c != 0 && j == n - 1) {
        held = value;
      } else {
        out << value << '\t';
      }
    }
    for (const auto& column : motion.motionColumns) out << column[row] << '\t';
    for (const ConfoundSet* set : tables) {
      for (const auto& column : set->columns) {
        writeFixed(out, column[row]);
        out << '\t';
      }
    }
    if (c != 0) writeFixed(out, held);
    out << '\n';
  }
  out.close();
  return static_cast<bool>(in) && static_cast<bool>(out);
}

}  // namespace bench
