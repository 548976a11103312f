// The preview: reading through the plug-in's readers, thinning, drawing and the subcommand.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "host/preview_command.h"
#include "host/preview_matrix.h"
#include "host/preview_svg.h"
#include "host/preview_thinning.h"
#include "host/preview_xml.h"
#include "tests/host/host_test_support.h"
#include "tests/support/fake_host.h"

namespace {

using standin::PreviewForm;
using standin::PreviewMatrix;
using standin::PreviewPredictor;
using standin::PreviewReader;
using Color = std::array<std::int32_t, 3>;

// A design matrix as the host saves it: two conditions and the constant.
const char kDesignMatrix[] =
    "FileVersion: 1\n\nNrOfPredictors: 3\nNrOfDataPoints: 4\nIncludesConstant: 1\n"
    "FirstConfoundPredictor: 3\n\n"
    "255 0 0   0 120 255   255 255 255\n"
    "\"Face trials\" \"Houses\" \"Constant\"\n"
    "0 0.5 1\n1 0 1\n0.25 -0.5 1\n0 0 1\n";

const char kRespirationRtc[] =
    "FileVersion: 2\nType: DesignMatrix\nNrOfPredictors: 2\nNrOfDataPoints: 3\n"
    "\"RVT\" \"RVT_lag\"\n0.1 0.2\n0.3 0.4\n0.5 0.6\n";

const char kMotionRtc[] =
    "FileVersion: 1\nType: DesignMatrix\nNrOfPredictors: 6\nNrOfDataPoints: 2\n"
    "\"Translation X\" \"Translation Y\" \"Translation Z\" \"Rotation X\" \"Rotation Y\" "
    "\"Rotation Z\"\n"
    "1 2 3 4 5 6\n7 8 9 10 11 12\n";

const char kMotionSdm[] =
    "FileVersion: 1\nNrOfPredictors: 6\nNrOfDataPoints: 2\nIncludesConstant: 0\n"
    "FirstConfoundPredictor: 1\n"
    "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18\n"
    "\"a x\" \"b\" \"c\" \"d\" \"e\" \"f\"\n"
    "1 2 3 4 5 6\n7 8 9 10 11 12\n";

struct Read {
  bool ok = false;
  PreviewMatrix matrix;
  std::string error;
};

Read readText(const hosttest::Folder& folder, const std::string& name, const std::string& text,
              PreviewReader reader = PreviewReader::Predictors) {
  const std::string path = folder.write(name, text);
  Read read;
  read.ok = standin::readPreviewMatrix(path, standin::previewFormOfPath(path), reader, read.matrix,
                                       read.error);
  return read;
}

std::vector<std::string> namesOf(const PreviewMatrix& matrix) {
  std::vector<std::string> names;
  for (const PreviewPredictor& predictor : matrix.predictors) names.push_back(predictor.name);
  return names;
}

std::vector<Color> colorsOf(const PreviewMatrix& matrix) {
  std::vector<Color> colors;
  for (const PreviewPredictor& predictor : matrix.predictors) colors.push_back(predictor.color);
  return colors;
}

std::vector<bool> constantsOf(const PreviewMatrix& matrix) {
  std::vector<bool> marks;
  for (const PreviewPredictor& predictor : matrix.predictors) marks.push_back(predictor.constant);
  return marks;
}

TEST(PreviewReading, ADesignMatrixKeepsItsConstantLastAndMarked) {
  hosttest::Folder folder;
  Read read = readText(folder, "run1_task.sdm", kDesignMatrix);
  ASSERT_TRUE(read.ok) << read.error;
  const PreviewMatrix& m = read.matrix;
  EXPECT_EQ(m.header.nrOfPredictors, 3);  // the header's count, constant included
  EXPECT_EQ(m.header.nrOfDataPoints, 4);
  EXPECT_EQ(m.header.includesConstant, 1);
  EXPECT_EQ(m.header.firstConfound, 3);
  EXPECT_EQ(namesOf(m),
            (std::vector<std::string>{"\"Face trials\"", "\"Houses\"", "\"Constant\""}));
  EXPECT_EQ(colorsOf(m), (std::vector<Color>{{255, 0, 0}, {0, 120, 255}, {255, 255, 255}}));
  EXPECT_EQ(constantsOf(m), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(m.predictors[0].values, (std::vector<double>{0, 1, 0.25, 0}));
  EXPECT_EQ(m.predictors[1].values, (std::vector<double>{0.5, 0, -0.5, 0}));
  EXPECT_EQ(m.predictors[2].values, (std::vector<double>{1, 1, 1, 1}));
}

TEST(PreviewReading, TheConstantIsShownAsItStandsWhateverTheHeaderLooksLike) {
  // Keys of any words, the header over odd line breaks and tabs, includes constant 7: the
  // constant's values are taken as the file holds them, even when they are not constant.
  const std::string text =
      "Version\t1 Predictors 2\r\n\r\nPoints 3\n\n\nHasConstant \t +7 First 2\n"
      "10 20 30 40 50 60\n\"Drift\" Const\n0.5 2\n1.5 3\n2.5 2\n";
  hosttest::Folder folder;
  Read read = readText(folder, "odd.sdm", text);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.matrix.header.includesConstant, 7);
  EXPECT_EQ(namesOf(read.matrix), (std::vector<std::string>{"\"Drift\"", "Const"}));
  EXPECT_EQ(colorsOf(read.matrix), (std::vector<Color>{{10, 20, 30}, {40, 50, 60}}));
  EXPECT_EQ(constantsOf(read.matrix), (std::vector<bool>{false, true}));
  EXPECT_EQ(read.matrix.predictors[0].values, (std::vector<double>{0.5, 1.5, 2.5}));
  EXPECT_EQ(read.matrix.predictors[1].values, (std::vector<double>{2, 3, 2}));
}

TEST(PreviewReading, WithoutAConstantEveryPredictorIsAnOrdinaryOne) {
  std::string text = kDesignMatrix;
  text.replace(text.find("IncludesConstant: 1"), 19, "IncludesConstant: 0");
  hosttest::Folder folder;
  Read read = readText(folder, "plain.sdm", text);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(constantsOf(read.matrix), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(read.matrix.predictors[2].values, (std::vector<double>{1, 1, 1, 1}));
}

TEST(PreviewReading, OnlyAConstant) {
  hosttest::Folder folder;
  Read read = readText(folder, "c.sdm", "V 1 N 1 D 2 C 1 F 1\n255 255 255\n\"Constant\"\n1\n1\n");
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(constantsOf(read.matrix), (std::vector<bool>{true}));
  EXPECT_EQ(read.matrix.predictors[0].values, (std::vector<double>{1, 1}));
}

TEST(PreviewReading, TheRtcFormGetsTheReadersColoursAndNoConstant) {
  hosttest::Folder folder;
  Read read = readText(folder, "run1_RVT.rtc", kRespirationRtc);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.matrix.form, PreviewForm::Rtc);
  EXPECT_EQ(read.matrix.header.includesConstant, 0);
  EXPECT_EQ(read.matrix.header.firstConfound, 1);
  EXPECT_EQ(colorsOf(read.matrix), (std::vector<Color>{{255, 255, 0}, {255, 255, 20}}));
  EXPECT_EQ(constantsOf(read.matrix), (std::vector<bool>{false, false}));
  EXPECT_EQ(read.matrix.predictors[1].values, (std::vector<double>{0.2, 0.4, 0.6}));
}

TEST(PreviewReading, MotionFilesAsTheMotionReaderReadsThem) {
  hosttest::Folder folder;
  Read rtc = readText(folder, "run2_3DMC.rtc", kMotionRtc, PreviewReader::Motion);
  ASSERT_TRUE(rtc.ok) << rtc.error;
  EXPECT_EQ(colorsOf(rtc.matrix), (std::vector<Color>{{255, 50, 50},
                                                      {50, 255, 50},
                                                      {50, 50, 255},
                                                      {255, 255, 0},
                                                      {255, 0, 255},
                                                      {0, 255, 255}}));
  EXPECT_EQ(rtc.matrix.predictors[5].values, (std::vector<double>{6, 12}));

  Read sdm = readText(folder, "run1_3DMC.sdm", kMotionSdm, PreviewReader::Motion);
  ASSERT_TRUE(sdm.ok) << sdm.error;
  EXPECT_EQ(sdm.matrix.predictors.size(), 6u);
  EXPECT_EQ(sdm.matrix.predictors[0].color, (Color{1, 2, 3}));
  EXPECT_EQ(sdm.matrix.predictors[5].color, (Color{16, 17, 18}));
  EXPECT_EQ(sdm.matrix.predictors[0].values, (std::vector<double>{1, 7}));
  EXPECT_EQ(constantsOf(sdm.matrix), std::vector<bool>(6, false));
}

TEST(PreviewReading, TheReadersLinesStayOutOfTheHostsLog) {
  FakeHost host;
  const auto installed = hostApi.nzLogText;
  hosttest::Folder folder;
  Read read = readText(folder, "run1_task.sdm", kDesignMatrix);
  ASSERT_TRUE(read.ok) << read.error;
  Read damaged = readText(folder, "bad.sdm", "FileVersion: 1 NrOfPredictors: x");
  EXPECT_FALSE(damaged.ok);
  EXPECT_TRUE(FakeHost::log().empty());
  EXPECT_EQ(hostApi.nzLogText, installed);
}

TEST(PreviewReading, DamagedOrMissingFilesAreRefusedWithTheReadersAccount) {
  struct Case {
    const char* name;
    std::string text;
    PreviewReader reader;
    const char* expected;  // a part of the error
  };
  const std::string header = "FileVersion: 1 NrOfPredictors: 2 NrOfDataPoints: 2 ";
  const Case cases[] = {
      {"letters.sdm",
       header + "IncludesConstant: 0 FirstConfound: 1 1 2 3 4 5 6 \"a\" \"b\" "
                "1 2 3 x",
       PreviewReader::Predictors, "Problem with reading *.sdm file"},
      {"short.sdm", header + "IncludesConstant: 1 FirstConfound: 1 1 2 3 4 5 6 \"a\" \"b\" 1 2 3",
       PreviewReader::Predictors, "Problem with reading *.sdm file"},
      {"negative.rtc", "FileVersion: 1 Type: x NrOfPredictors: 1 NrOfDataPoints: -3 \"a\"",
       PreviewReader::Predictors, "Problem with reading *.rtc file"},
      {"constant_only_claimed.sdm",
       "FileVersion: 1 NrOfPredictors: 0 NrOfDataPoints: 2 IncludesConstant: 1 First: 1",
       PreviewReader::Predictors, "includes constant 1"},
      {"seven_3DMC.rtc", "FileVersion: 1 Type: x NrOfPredictors: 7 NrOfDataPoints: 1 \"a\"",
       PreviewReader::Motion, "7 predictors"},
      {"empty.sdm", "", PreviewReader::Predictors, "damaged"},
  };
  hosttest::Folder folder;
  for (const Case& c : cases) {
    Read read = readText(folder, c.name, c.text, c.reader);
    EXPECT_FALSE(read.ok) << c.name;
    EXPECT_NE(read.error.find("damaged"), std::string::npos) << c.name << ": " << read.error;
    EXPECT_NE(read.error.find(c.expected), std::string::npos) << c.name << ": " << read.error;
  }
  PreviewMatrix matrix;
  std::string error;
  EXPECT_FALSE(standin::readPreviewMatrix(folder.file("missing.sdm"), PreviewForm::Sdm,
                                          PreviewReader::Predictors, matrix, error));
  EXPECT_EQ(error, "the file cannot be opened");
}

TEST(PreviewThinning, PointsPerTimeCourseShareTheBudget) {
  const std::pair<std::size_t, std::size_t> cases[] = {
      {0, 1440}, {1, 1440}, {2, 1440}, {25, 1440}, {30, 1200}, {60, 600}, {61, 590}, {500, 100}};
  for (auto [predictors, cap] : cases) {
    EXPECT_EQ(standin::previewPointCap(predictors), cap) << predictors << " predictors";
  }
}

TEST(PreviewThinning, ShortCoursesKeepEveryVolume) {
  const std::vector<double> values = {3, 1, 2};
  EXPECT_EQ(standin::thinnedVolumes(values, 4), (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_EQ(standin::thinnedVolumes(values, 2).size(), 2u);
  EXPECT_TRUE(standin::thinnedVolumes(std::vector<double>{}, 4).empty());
}

TEST(PreviewThinning, LongCoursesKeepTheirPeaksAndDipsInTimeOrder) {
  std::vector<double> values(10000, 0.0);
  values[4321] = 5.0;
  values[8765] = -3.0;
  values[9999] = 0.5;
  const std::vector<std::size_t> volumes = standin::thinnedVolumes(values, 600);
  ASSERT_EQ(volumes.size(), 600u);
  for (std::size_t k = 1; k < volumes.size(); ++k) {
    EXPECT_LE(volumes[k - 1], volumes[k]) << k;
  }
  for (std::size_t kept : {4321u, 8765u, 9999u}) {
    EXPECT_NE(std::find(volumes.begin(), volumes.end(), kept), volumes.end()) << kept;
  }
  EXPECT_EQ(volumes.front(), 0u);
  // A flat course still gives two points a stretch.
  EXPECT_EQ(standin::thinnedVolumes(std::vector<double>(1441, 1.0), 1440).size(), 1440u);
}

TEST(PreviewXml, AnyBytesBecomeWellFormedText) {
  struct Case {
    std::string_view text;
    std::size_t max;
    std::string_view expected;
  };
  const Case cases[] = {
      {"\"A&B<C>'\"", 100, "&quot;A&amp;B&lt;C&gt;&apos;&quot;"},
      {"caf\xC3\xA9 \xE2\x82\xAC", 100, "caf\xC3\xA9 \xE2\x82\xAC"},  // UTF-8 kept
      {"caf\xE9", 100, "caf\xEF\xBF\xBD"},                            // a code-page byte
      {"\xC0\xAF", 100, "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong
      {"\xED\xA0\x80", 100, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // surrogate
      {"\xE2\x82", 100, "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // cut sequence
      {std::string_view("a\0b\x01\x7F", 5), 100,
       "a\xEF\xBF\xBD"
       "b\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"a\tb\r\nc", 100, "a b  c"},
      {"abcdef", 3, "abc..."},
      {"\xC3\xA9\xC3\xA9\xC3\xA9", 2, "\xC3\xA9\xC3\xA9..."},  // cut at characters, not bytes
      {"abc", 3, "abc"},
  };
  for (const Case& c : cases) {
    std::string out;
    standin::appendXmlText(out, c.text, c.max);
    EXPECT_EQ(out, c.expected) << c.text;
  }
}

TEST(PreviewXml, NumbersAreShortAndIgnoreTheLocale) {
  struct Case {
    double value;
    int decimals;
    std::string_view expected;
  };
  const Case cases[] = {{12.5, 1, "12.5"},   {3.0, 1, "3"},   {719.96, 1, "720"},
                        {-0.25, 2, "-0.25"}, {-0.01, 1, "0"}, {1234567.0, 2, "1234567"}};
  for (const Case& c : cases) {
    std::string out;
    standin::appendFixed(out, c.value, c.decimals);
    EXPECT_EQ(out, c.expected) << c.value;
  }
  std::string label;
  standin::appendShortNumber(label, 0.123456);
  label += ' ';
  standin::appendShortNumber(label, 15000.0);
  EXPECT_EQ(label, "0.1235 1.5e+04");
}

// The polylines of a preview, with their stroke colours and points.
struct Polyline {
  std::string stroke;
  std::vector<std::pair<double, double>> points;
};

std::string attribute(std::string_view element, std::string_view name) {
  const std::string key = " " + std::string(name) + "=\"";
  const std::size_t start = element.find(key);
  if (start == std::string_view::npos) return "";
  const std::size_t end = element.find('"', start + key.size());
  return std::string(element.substr(start + key.size(), end - start - key.size()));
}

std::vector<Polyline> polylinesOf(const std::string& svg) {
  std::vector<Polyline> lines;
  for (std::size_t at = svg.find("<polyline"); at != std::string::npos;
       at = svg.find("<polyline", at + 1)) {
    const std::string_view element(svg.data() + at, svg.find("/>", at) - at);
    Polyline line;
    line.stroke = attribute(element, "stroke");
    const std::string points = attribute(element, "points");
    const char* p = points.data();
    const char* end = p + points.size();
    while (p < end) {
      double x = 0;
      double y = 0;
      p = std::from_chars(p, end, x).ptr + 1;  // past the comma
      p = std::from_chars(p, end, y).ptr;
      if (p < end) ++p;  // past the blank
      line.points.emplace_back(x, y);
    }
    lines.push_back(line);
  }
  return lines;
}

bool contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

PreviewMatrix matrixOf(std::size_t predictors, std::size_t volumes) {
  PreviewMatrix matrix;
  matrix.path = "/data/run1_task.sdm";
  matrix.header.nrOfPredictors = static_cast<std::int32_t>(predictors);
  matrix.header.nrOfDataPoints = static_cast<std::int32_t>(volumes);
  matrix.header.fileVersion = 1;
  for (std::size_t p = 0; p < predictors; ++p) {
    PreviewPredictor predictor;
    predictor.name = "\"P" + std::to_string(p + 1) + "\"";
    predictor.color = {static_cast<std::int32_t>(p % 256), 0, 255};
    for (std::size_t v = 0; v < volumes; ++v) {
      predictor.values.push_back(std::sin(static_cast<double>(v * (p + 1)) / 50.0));
    }
    matrix.predictors.push_back(predictor);
  }
  return matrix;
}

TEST(PreviewSvg, OnePolylinePerPredictorInItsColour) {
  PreviewMatrix matrix = matrixOf(4, 5);
  matrix.predictors[0].color = {255, 0, 0};
  matrix.predictors[1].color = {0, 120, 255};
  matrix.predictors[2].color = {255, 255, 260};  // the RTC form's fourteenth colour
  matrix.predictors[3].color = {-5, 300, 16};
  const std::vector<Polyline> lines = polylinesOf(standin::drawPreviewSvg(matrix));
  ASSERT_EQ(lines.size(), 4u);
  const std::string strokes[] = {"#ff0000", "#0078ff", "#ffffff", "#00ff10"};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].stroke, strokes[i]) << i;
    EXPECT_EQ(lines[i].points.size(), 5u) << i;
  }
}

TEST(PreviewSvg, LongRunsAreThinnedAndStaySmall) {
  const PreviewMatrix matrix = matrixOf(60, 10000);
  const std::string svg = standin::drawPreviewSvg(matrix);
  const std::vector<Polyline> lines = polylinesOf(svg);
  ASSERT_EQ(lines.size(), 60u);
  for (const Polyline& line : lines) EXPECT_EQ(line.points.size(), 600u);
  EXPECT_LT(svg.size(), 1000000u);
  EXPECT_TRUE(contains(svg, "600 of 10000 points drawn a row"));
}

TEST(PreviewSvg, EachRowSpansItsOwnRangeLargestAtTheTop) {
  PreviewMatrix matrix = matrixOf(2, 4);
  matrix.predictors[0].values = {0, 0.5, 1, 0.25};
  matrix.predictors[1].values = {-2000, 0, 2000, -1000};  // another scale, the same shape
  const std::vector<Polyline> lines = polylinesOf(standin::drawPreviewSvg(matrix));
  ASSERT_EQ(lines.size(), 2u);
  const auto& small = lines[0].points;
  const auto& large = lines[1].points;
  ASSERT_EQ(small.size(), 4u);
  ASSERT_EQ(large.size(), 4u);
  EXPECT_LT(small[2].second, small[1].second);  // the largest value is drawn highest
  EXPECT_LT(small[1].second, small[3].second);
  EXPECT_LT(small[3].second, small[0].second);  // the smallest lowest
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(small[i].first, large[i].first) << i;  // one volume axis for all rows
  }
  // Each row on its own scale: the same shape on a scale 4000 times larger looks the same.
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(large[i].second, small[i].second) << i;
  EXPECT_LT(small.front().first, small.back().first);
}

TEST(PreviewSvg, CaptionAndMarksTellWhatTheReaderSaw) {
  PreviewMatrix matrix = matrixOf(4, 3);
  matrix.header.nrOfPredictors = 4;
  matrix.header.includesConstant = 1;
  matrix.header.firstConfound = 3;
  matrix.predictors[1].name = "\"A&B <C>\"";
  matrix.predictors[2].values = {0, 0, 0};
  matrix.predictors[3].name = "\"Constant\"";
  matrix.predictors[3].values = {1, 1, 1};
  matrix.predictors[3].constant = true;
  const std::string svg = standin::drawPreviewSvg(matrix);
  EXPECT_TRUE(contains(svg, "Predictors: 4"));
  EXPECT_TRUE(contains(svg, "Data points: 3"));
  EXPECT_TRUE(contains(svg, "Includes constant: 1 (the last predictor)"));
  EXPECT_TRUE(contains(svg, "First confound: 3"));
  EXPECT_TRUE(contains(svg, ">run1_task.sdm</text>"));
  EXPECT_TRUE(contains(svg, "&quot;A&amp;B &lt;C&gt;&quot;"));
  EXPECT_FALSE(contains(svg, "A&B"));
  EXPECT_TRUE(contains(svg, ">flat at 0<"));
  EXPECT_TRUE(contains(svg, ">constant predictor, 1<"));
  EXPECT_TRUE(contains(svg, ">C</text>"));  // the constant's column of the heat map

  matrix.predictors[3].values = {1, 0.5, 1};
  EXPECT_TRUE(contains(standin::drawPreviewSvg(matrix), ">constant predictor varies: 0.5 to 1<"));
}

TEST(PreviewSvg, EmptyMatricesStillMakeAPicture) {
  for (auto [predictors, volumes] : {std::pair<std::size_t, std::size_t>{0, 0}, {3, 0}, {2, 1}}) {
    const std::string svg = standin::drawPreviewSvg(matrixOf(predictors, volumes));
    EXPECT_TRUE(contains(svg, "</svg>\n")) << predictors << " x " << volumes;
    const std::vector<Polyline> lines = polylinesOf(svg);
    ASSERT_EQ(lines.size(), predictors);
    for (const Polyline& line : lines) EXPECT_EQ(line.points.size(), volumes);
    EXPECT_FALSE(contains(svg, "nan")) << svg;
  }
}

TEST(PreviewSvg, ExtremeValuesStayWithinTheRow) {
  PreviewMatrix matrix = matrixOf(1, 3);
  matrix.predictors[0].values = {-1.7e308, 0, 1.7e308};
  const std::vector<Polyline> lines = polylinesOf(standin::drawPreviewSvg(matrix));
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines[0].points.size(), 3u);
  EXPECT_GT(lines[0].points[0].second, lines[0].points[1].second);
  EXPECT_GT(lines[0].points[1].second, lines[0].points[2].second);
  EXPECT_GE(lines[0].points[2].second, 0.0);
}

// Runs the subcommand in this process with the given words.
int runPreview(std::vector<std::string> words) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  return standin::previewCommand(static_cast<int>(argv.size()), argv.data());
}

TEST(PreviewCommand, WritesThePictureOfAGoodFile) {
  hosttest::QuietHost quiet;
  hosttest::Folder folder;
  const std::string in = folder.write("run1_task.sdm", kDesignMatrix);
  EXPECT_EQ(runPreview({in, folder.file("run1_task.svg")}), 0);
  const std::string svg = hosttest::readBytes(folder.file("run1_task.svg"));
  EXPECT_EQ(polylinesOf(svg).size(), 3u);
  EXPECT_EQ(hosttest::readBytes(in), kDesignMatrix);  // the input is left as it was

  // The form can be named when the file name does not tell it.
  const std::string rtc = folder.write("respiration.txt", kRespirationRtc);
  EXPECT_EQ(runPreview({"--form", "rtc", rtc, folder.file("r.svg")}), 0);
  EXPECT_EQ(polylinesOf(hosttest::readBytes(folder.file("r.svg"))).size(), 2u);
}

TEST(PreviewCommand, FailuresWriteNoFile) {
  hosttest::QuietHost quiet;
  hosttest::Folder folder;
  const std::string good = folder.write("good.sdm", kDesignMatrix);
  const std::string bad = folder.write("bad.sdm", "FileVersion: 1\nNrOfPredictors: 3\n");
  const std::string older = folder.write("older.svg", "<svg/>");
  struct Case {
    std::vector<std::string> words;
    int status;
    std::string out;  // must not appear, or must keep its content
  };
  const Case cases[] = {
      {{bad, folder.file("bad.svg")}, 2, folder.file("bad.svg")},
      {{folder.file("missing.sdm"), folder.file("missing.svg")}, 2, folder.file("missing.svg")},
      {{bad, older}, 2, older},
      {{good, folder.file("good.sdm.out")}, 1, folder.file("good.sdm.out")},
      {{"--motion", good, folder.file("motion.svg")}, 2, folder.file("motion.svg")},
      {{"--form", "csv", good, folder.file("csv.svg")}, 1, folder.file("csv.svg")},
      {{good}, 1, ""},
      {{"--colour", good, folder.file("x.svg")}, 1, folder.file("x.svg")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(runPreview(c.words), c.status) << c.words.front();
    if (c.out == older) {
      EXPECT_EQ(hosttest::readBytes(older), "<svg/>");
    } else if (!c.out.empty()) {
      EXPECT_FALSE(std::filesystem::exists(c.out)) << c.out;
    }
  }
  // A picture never replaces the file it shows.
  const std::string svgInput = folder.write("matrix.svg", kDesignMatrix);
  EXPECT_EQ(runPreview({svgInput, svgInput}), 1);
  EXPECT_EQ(hosttest::readBytes(svgInput), kDesignMatrix);
  EXPECT_EQ(hosttest::readBytes(good), kDesignMatrix);
}

TEST(PreviewCommand, RefusesMorePredictorsThanItDraws) {
  hosttest::QuietHost quiet;
  hosttest::Folder folder;
  const std::size_t count = standin::kMaxPreviewPredictors + 1;
  std::string text =
      "FileVersion: 1 Type: x NrOfPredictors: " + std::to_string(count) + " NrOfDataPoints: 1\n";
  for (std::size_t i = 0; i < count; ++i) text += "p" + std::to_string(i) + " ";
  text += "\n";
  for (std::size_t i = 0; i < count; ++i) text += "1 ";
  const std::string in = folder.write("wide.rtc", text);
  EXPECT_EQ(runPreview({in, folder.file("wide.svg")}), 2);
  EXPECT_FALSE(std::filesystem::exists(folder.file("wide.svg")));
}

}  // namespace
