#include "host/preview_svg.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "host/preview_thinning.h"
#include "host/preview_xml.h"

namespace standin {
namespace {

// The page: a label gutter on the left, the plots to its right.
constexpr double kWidth = 1000;
constexpr double kTextLeft = 16;
constexpr double kPlotLeft = 248;
constexpr double kPlotWidth = 720;

// The heat map: at most this many cells, so that long runs and many predictors stay small.
constexpr double kHeatTop = 92;
constexpr double kHeatHeight = 240;
constexpr double kHeatMaxColumnWidth = 24;
constexpr std::size_t kHeatCellBudget = 14400;
constexpr std::size_t kHeatMinBins = 24;
constexpr std::size_t kHeatMaxBins = 240;
constexpr int kGreyLevels = 32;

// Rows of time courses: taller while there are few.
constexpr double kRowsGap = 40;
constexpr double kRowPadding = 3;

// Longest texts taken from the file.
constexpr std::size_t kLabelCharacters = 30;
constexpr std::size_t kTooltipCharacters = 200;
constexpr std::size_t kTitleCharacters = 90;

// Colours of the page, chosen so that the bright colours design matrices use (white, yellow)
// stand out.
constexpr std::string_view kBackground = "#16181d";
constexpr std::string_view kStripe = "#1c1f26";
constexpr std::string_view kConstantStripe = "#1d2a38";
constexpr std::string_view kText = "#e8eaed";
constexpr std::string_view kDimText = "#9aa0a6";
constexpr std::string_view kGrid = "#2a2e36";
constexpr std::string_view kConstantMark = "#81d4fa";
constexpr std::string_view kFlatMark = "#ffb74d";
constexpr std::string_view kWarningMark = "#ef5350";
// Behind a time course too dark for the page (black, deep blue): a light ground.
constexpr std::string_view kLightGround = "#cfd3d8";
constexpr double kDarkLuminance = 0.2;

constexpr std::string_view kDot = " \xC2\xB7 ";  // a middle dot between caption entries

struct Range {
  double low = 0;
  double high = 0;
  bool flat() const { return !(high > low); }
};

Range rangeOf(std::span<const double> values) {
  Range range;
  if (values.empty()) return range;
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  range.low = *low;
  range.high = *high;
  return range;
}

// value within range as 0 (smallest) to 1 (largest); 0.5 for a flat range. Halves keep the
// arithmetic finite for ranges that span more than the largest double.
double normalised(double value, const Range& range) {
  if (range.flat()) return 0.5;
  const double span = range.high - range.low;
  const double t = std::isfinite(span)
                       ? (value - range.low) / span
                       : (value / 2 - range.low / 2) / (range.high / 2 - range.low / 2);
  return std::clamp(t, 0.0, 1.0);
}

std::string hexColor(const std::array<std::int32_t, 3>& color) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "#";
  for (std::int32_t component : color) {
    const int value = std::clamp(component, 0, 255);
    text += kDigits[value / 16];
    text += kDigits[value % 16];
  }
  return text;
}

// The luminance of a colour, 0 (black) to 1 (white), components limited to 0..255.
double luminance(const std::array<std::int32_t, 3>& color) {
  const auto part = [&](std::size_t i) { return std::clamp(color[i], 0, 255) / 255.0; };
  return 0.2126 * part(0) + 0.7152 * part(1) + 0.0722 * part(2);
}

std::string greyOfLevel(int level) {
  const auto value = static_cast<std::int32_t>(std::lround(level * 255.0 / (kGreyLevels - 1)));
  return hexColor({value, value, value});
}

// The horizontal position of volume index i (from 0) of volumes.
double volumeX(std::size_t i, std::size_t volumes) {
  if (volumes <= 1) return kPlotLeft + kPlotWidth / 2;
  return kPlotLeft + kPlotWidth * static_cast<double>(i) / static_cast<double>(volumes - 1);
}

double rowHeightFor(std::size_t predictors) {
  if (predictors <= 8) return 64;
  return std::max(24.0, std::floor(512.0 / static_cast<double>(predictors)));
}

// A step of 1, 2 or 5 times a power of ten that puts at most ten ticks on volumes.
std::size_t tickStep(std::size_t volumes) {
  std::size_t step = 1;
  for (;;) {
    for (std::size_t factor : {1, 2, 5}) {
      if (volumes / (step * factor) <= 10) return step * factor;
    }
    step *= 10;
  }
}

// Writes the SVG text; every number through appendFixed, every text from the file through
// appendXmlText.
class SvgText {
 public:
  std::string& out() { return out_; }
  SvgText& raw(std::string_view text) {
    out_ += text;
    return *this;
  }
  SvgText& number(double value, int decimals = 1) {
    appendFixed(out_, value, decimals);
    return *this;
  }
  SvgText& integer(long long value) {
    out_ += std::to_string(value);
    return *this;
  }
  SvgText& text(std::string_view text, std::size_t maxCharacters) {
    appendXmlText(out_, text, maxCharacters);
    return *this;
  }
  SvgText& shortNumber(double value) {
    appendShortNumber(out_, value);
    return *this;
  }
  // <text x= y= font-size= fill= [anchor]> opened; the caller writes the content and close.
  SvgText& openText(double x, double y, double size, std::string_view fill,
                    std::string_view anchor = "start", std::string_view extra = "") {
    raw("<text x=\"").number(x).raw("\" y=\"").number(y).raw("\" font-size=\"").number(size);
    raw("\" fill=\"").raw(fill).raw("\"");
    if (anchor != "start") raw(" text-anchor=\"").raw(anchor).raw("\"");
    if (!extra.empty()) raw(" ").raw(extra);
    return raw(">");
  }
  SvgText& closeText() { return raw("</text>\n"); }
  SvgText& line(double x1, double y1, double x2, double y2, std::string_view stroke,
                std::string_view extra = "") {
    raw("<line x1=\"").number(x1).raw("\" y1=\"").number(y1).raw("\" x2=\"").number(x2);
    raw("\" y2=\"").number(y2).raw("\" stroke=\"").raw(stroke).raw("\"");
    if (!extra.empty()) raw(" ").raw(extra);
    return raw("/>\n");
  }
  SvgText& rect(double x, double y, double width, double height, std::string_view fill,
                std::string_view extra = "") {
    raw("<rect x=\"").number(x).raw("\" y=\"").number(y).raw("\" width=\"").number(width);
    raw("\" height=\"").number(height).raw("\" fill=\"").raw(fill).raw("\"");
    if (!extra.empty()) raw(" ").raw(extra);
    return raw("/>\n");
  }

 private:
  std::string out_;
};

std::string fileNameOf(const std::string& path) {
  std::string name = std::filesystem::path(path).filename().string();
  return name.empty() ? path : name;
}

// What a row says beside its name: the range, or why there is none to tell.
struct RowStatus {
  std::string text;
  std::string_view colour;
};

RowStatus rowStatus(const PreviewPredictor& predictor, const Range& range) {
  RowStatus status;
  std::string low;
  std::string high;
  appendShortNumber(low, range.low);
  appendShortNumber(high, range.high);
  if (predictor.values.empty()) {
    status = {"no data points", kDimText};
  } else if (predictor.constant && range.flat()) {
    status = {"constant predictor, " + low, kConstantMark};
  } else if (predictor.constant) {
    status = {"constant predictor varies: " + low + " to " + high, kWarningMark};
  } else if (range.flat()) {
    status = {"flat at " + low, kFlatMark};
  } else {
    status = {"range " + low + " to " + high, kDimText};
  }
  return status;
}

class PreviewDrawing {
 public:
  explicit PreviewDrawing(const PreviewMatrix& matrix)
      : matrix_(matrix),
        predictors_(matrix.predictors.size()),
        volumes_(predictors_ == 0 ? 0 : matrix.predictors.front().values.size()),
        rowHeight_(rowHeightFor(predictors_)),
        rowsTop_(kHeatTop + kHeatHeight + kRowsGap),
        height_(rowsTop_ + rowHeight_ * static_cast<double>(predictors_) + 48) {
    for (const PreviewPredictor& predictor : matrix.predictors) {
      ranges_.push_back(rangeOf(predictor.values));
    }
  }

  std::string draw() {
    svg_.raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg_.raw("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"").number(kWidth);
    svg_.raw("\" height=\"").number(height_).raw("\" viewBox=\"0 0 ").number(kWidth);
    svg_.raw(" ").number(height_).raw("\" font-family=\"DejaVu Sans, Verdana, sans-serif\">\n");
    svg_.raw("<title>Design matrix preview: ").text(fileNameOf(matrix_.path), kTitleCharacters);
    svg_.raw("</title>\n");
    svg_.rect(0, 0, kWidth, height_, kBackground);
    drawCaption();
    drawHeatMap();
    drawRows();
    drawVolumeAxis();
    svg_.raw("</svg>\n");
    return std::move(svg_.out());
  }

 private:
  void drawCaption() {
    const PreviewHeader& header = matrix_.header;
    svg_.openText(kTextLeft, 30, 17, kText, "start", "font-weight=\"bold\"");
    svg_.text(fileNameOf(matrix_.path), kTitleCharacters).closeText();

    svg_.openText(kTextLeft, 52, 12, kText).raw("Predictors: ").integer(header.nrOfPredictors);
    svg_.raw(kDot).raw("Data points: ").integer(header.nrOfDataPoints).raw(kDot);
    if (matrix_.form == PreviewForm::Rtc) {
      svg_.raw("RTC form: no constant");
    } else {
      svg_.raw("Includes constant: ").integer(header.includesConstant);
      if (header.includesConstant != 0) svg_.raw(" (the last predictor)");
      svg_.raw(kDot).raw("First confound: ").integer(header.firstConfound);
    }
    svg_.raw(kDot).raw("File version: ").integer(header.fileVersion).closeText();

    svg_.openText(kTextLeft, 70, 11, kDimText);
    svg_.raw(matrix_.form == PreviewForm::Rtc ? "RTC form" : "SDM form");
    if (matrix_.reader == PreviewReader::Motion) {
      svg_.raw(", read as motion estimates (six a row; the names are not read)");
    } else if (matrix_.form == PreviewForm::Rtc) {
      svg_.raw(", read as predictors with the colours the reader gives them");
    } else {
      svg_.raw(", read as predictors with their colours and names");
    }
    const std::size_t cap = previewPointCap(predictors_);
    if (volumes_ > cap) {
      svg_.raw("; ").integer(static_cast<long long>(cap)).raw(" of ");
      svg_.integer(static_cast<long long>(volumes_));
      svg_.raw(" points drawn a row (smallest and largest of each stretch)");
    }
    svg_.closeText();
  }

  double heatColumnWidth() const {
    if (predictors_ == 0) return 0;
    return std::min(kHeatMaxColumnWidth, kPlotWidth / static_cast<double>(predictors_));
  }

  void drawHeatMap() {
    const double columnWidth = heatColumnWidth();
    const double width = columnWidth * static_cast<double>(predictors_);
    const double bottom = kHeatTop + kHeatHeight;
    const double legendTop = kHeatTop + 4;
    const std::array<std::string_view, 5> legend = {"design matrix:", "volumes down,",
                                                    "predictors across,", "each column scaled",
                                                    "to its own range"};
    for (std::size_t i = 0; i < legend.size(); ++i) {
      svg_.openText(kTextLeft, legendTop + 8 + 14 * static_cast<double>(i), 11, kDimText);
      svg_.raw(legend[i]).closeText();
    }
    // The grey scale, smallest to largest.
    const double keyTop = legendTop + 84;
    svg_.raw("<defs><linearGradient id=\"grey\"><stop offset=\"0\" stop-color=\"#000000\"/>");
    svg_.raw("<stop offset=\"1\" stop-color=\"#ffffff\"/></linearGradient></defs>\n");
    svg_.rect(kTextLeft, keyTop, 120, 10, "url(#grey)", "stroke=\"#5f6368\"");
    svg_.openText(kTextLeft, keyTop + 22, 9, kDimText).raw("smallest").closeText();
    svg_.openText(kTextLeft + 120, keyTop + 22, 9, kDimText, "end").raw("largest").closeText();

    if (predictors_ == 0 || volumes_ == 0) {
      svg_.openText(kPlotLeft, kHeatTop + 20, 12, kDimText);
      svg_.raw(predictors_ == 0 ? "no predictors" : "no data points").closeText();
      return;
    }

    const std::size_t bins =
        std::min(volumes_, std::clamp(kHeatCellBudget / predictors_, kHeatMinBins, kHeatMaxBins));
    const double binHeight = kHeatHeight / static_cast<double>(bins);
    // One path per grey level; each cell joins the cells of its level below it in its column.
    std::array<std::string, kGreyLevels> paths;
    for (std::size_t c = 0; c < predictors_; ++c) {
      const std::vector<double>& values = matrix_.predictors[c].values;
      const double x = kPlotLeft + columnWidth * static_cast<double>(c);
      std::size_t runStart = 0;
      int runLevel = -1;
      for (std::size_t b = 0; b <= bins; ++b) {
        int level = -1;
        if (b < bins) {
          const std::size_t first = b * volumes_ / bins;
          const std::size_t end = (b + 1) * volumes_ / bins;
          double sum = 0;
          for (std::size_t i = first; i < end; ++i) sum += normalised(values[i], ranges_[c]);
          const double mean = sum / static_cast<double>(end - first);
          level = std::min(kGreyLevels - 1, static_cast<int>(mean * kGreyLevels));
        }
        if (level == runLevel) continue;
        if (runLevel >= 0) {
          std::string& path = paths[static_cast<std::size_t>(runLevel)];
          appendCell(path, x, kHeatTop + binHeight * static_cast<double>(runStart), columnWidth,
                     binHeight * static_cast<double>(b - runStart));
        }
        runStart = b;
        runLevel = level;
      }
    }
    svg_.raw("<g shape-rendering=\"crispEdges\">\n");
    for (int level = 0; level < kGreyLevels; ++level) {
      const std::string& path = paths[static_cast<std::size_t>(level)];
      if (path.empty()) continue;
      svg_.raw("<path fill=\"").raw(greyOfLevel(level)).raw("\" d=\"").raw(path).raw("\"/>\n");
    }
    svg_.raw("</g>\n");
    svg_.rect(kPlotLeft, kHeatTop, width, kHeatHeight, "none", "stroke=\"#5f6368\"");

    // Volume ticks on the left, column numbers below; the constant's column is "C".
    svg_.openText(kPlotLeft - 6, kHeatTop + 9, 9, kDimText, "end").raw("1").closeText();
    svg_.openText(kPlotLeft - 6, bottom, 9, kDimText, "end");
    svg_.integer(static_cast<long long>(volumes_)).closeText();
    const std::size_t every = columnWidth >= 12 ? 1 : 5;
    for (std::size_t c = 0; c < predictors_; ++c) {
      const bool constant = matrix_.predictors[c].constant;
      if (!constant && (c + 1) % every != 0) continue;
      const double x = kPlotLeft + columnWidth * (static_cast<double>(c) + 0.5);
      svg_.openText(x, bottom + 12, 8, constant ? kConstantMark : kDimText, "middle");
      if (constant) {
        svg_.raw("C");
      } else {
        svg_.integer(static_cast<long long>(c + 1));
      }
      svg_.closeText();
    }
  }

  static void appendCell(std::string& path, double x, double y, double width, double height) {
    path += 'M';
    appendFixed(path, x, 2);
    path += ' ';
    appendFixed(path, y, 2);
    path += 'h';
    appendFixed(path, width, 2);
    path += 'v';
    appendFixed(path, height, 2);
    path += "h-";
    appendFixed(path, width, 2);
    path += 'z';
  }

  double rowTop(std::size_t row) const { return rowsTop_ + rowHeight_ * static_cast<double>(row); }

  void drawRows() {
    for (std::size_t row = 0; row < predictors_; ++row) {
      const bool constant = matrix_.predictors[row].constant;
      if (constant) {
        svg_.rect(0, rowTop(row), kWidth, rowHeight_, kConstantStripe);
      } else if (row % 2 == 0) {
        svg_.rect(0, rowTop(row), kWidth, rowHeight_, kStripe);
      }
    }
    // Grid lines at the volume ticks, behind the time courses.
    if (volumes_ > 1) {
      const std::size_t step = tickStep(volumes_);
      for (std::size_t volume = step; volume <= volumes_; volume += step) {
        const double x = volumeX(volume - 1, volumes_);
        svg_.line(x, rowsTop_, x, rowTop(predictors_), kGrid);
      }
    }
    for (std::size_t row = 0; row < predictors_; ++row) drawRow(row);
  }

  void drawRow(std::size_t row) {
    const PreviewPredictor& predictor = matrix_.predictors[row];
    const Range& range = ranges_[row];
    const std::string colour = hexColor(predictor.color);
    const double small = rowHeight_ < 30 ? 1 : 0;  // smaller type in narrow rows

    svg_.raw("<g transform=\"translate(0,").number(rowTop(row)).raw(")\">\n<title>");
    svg_.text(predictor.name, kTooltipCharacters).raw(" (colour ");
    svg_.integer(predictor.color[0]).raw(" ").integer(predictor.color[1]).raw(" ");
    svg_.integer(predictor.color[2]).raw(")</title>\n");
    const double middle = rowHeight_ / 2;
    svg_.rect(4, middle - 9 + small, 7, 7, colour);
    if (luminance(predictor.color) < kDarkLuminance) {
      svg_.rect(kPlotLeft - 4, 2, kPlotWidth + 8, rowHeight_ - 4, kLightGround);
    }
    svg_.openText(kTextLeft, middle - 2 + small, 12 - small, kText);
    svg_.text(predictor.name, kLabelCharacters).closeText();
    const RowStatus status = rowStatus(predictor, range);
    svg_.openText(kTextLeft, middle + 10, 9.5 - small, status.colour);
    svg_.text(status.text, kLabelCharacters + 20).closeText();

    const double span = rowHeight_ - 2 * kRowPadding;
    const auto yOf = [&](double value) {
      return kRowPadding + (1 - normalised(value, range)) * span;
    };
    if (!range.flat() && range.low < 0 && range.high > 0) {
      svg_.line(kPlotLeft, yOf(0), kPlotLeft + kPlotWidth, yOf(0), "#5f6368",
                "stroke-dasharray=\"3 3\"");
    }
    const std::vector<std::size_t> volumes =
        thinnedVolumes(predictor.values, previewPointCap(predictors_));
    svg_.raw("<polyline fill=\"none\" stroke=\"").raw(colour);
    svg_.raw("\" stroke-width=\"1.25\" stroke-linejoin=\"round\" points=\"");
    for (std::size_t k = 0; k < volumes.size(); ++k) {
      if (k > 0) svg_.raw(" ");
      svg_.number(volumeX(volumes[k], volumes_)).raw(",").number(yOf(predictor.values[volumes[k]]));
    }
    svg_.raw("\"/>\n</g>\n");
  }

  void drawVolumeAxis() {
    const double top = rowTop(predictors_) + 4;
    svg_.openText(kPlotLeft - 16, top + 14, 10, kDimText, "end").raw("volume").closeText();
    if (volumes_ == 0) return;
    const std::size_t step = tickStep(volumes_);
    std::vector<std::size_t> ticks = {1};
    for (std::size_t volume = step; volume <= volumes_; volume += step) {
      if (volume > 1) ticks.push_back(volume);
    }
    for (std::size_t volume : ticks) {
      const double x = volumeX(volume - 1, volumes_);
      svg_.line(x, top - 4, x, top + 2, kDimText);
      svg_.openText(x, top + 14, 10, kDimText, "middle");
      svg_.integer(static_cast<long long>(volume)).closeText();
    }
  }

  const PreviewMatrix& matrix_;
  std::size_t predictors_;
  std::size_t volumes_;
  double rowHeight_;
  double rowsTop_;
  double height_;
  std::vector<Range> ranges_;
  SvgText svg_;
};

}  // namespace

std::string drawPreviewSvg(const PreviewMatrix& matrix) {
  return PreviewDrawing(matrix).draw();
}

}  // namespace standin
