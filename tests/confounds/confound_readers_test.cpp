#include "confounds/confound_readers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/confounds/temp_folder.h"
#include "tests/support/fake_host.h"

namespace {

const char* const kMotionRtc =
    "Version 1\n"
    "Kind estimates\n"
    "Predictors 6\n"
    "Rows 2\n"
    "\"Translation X [mm]\" \"Translation Y\" \"Translation Z\" \"Rotation X\" \"Rotation Y\" "
    "\"Rotation Z\"\n"
    "0.1 -0.2 0.05 0 0.01 -0.03\n"
    "0.15 -0.25 +0.05 0.002 1e-3 -0.035\n";

const char* const kMotionSdm =
    "Version 1\n"
    "Predictors 6\n"
    "Rows 2\n"
    "Constant 0\n"
    "First 1\n"
    "\n"
    "255 0 0 0 255 0 0 0 255 1 2 3 4 5 6 7 8 9\n"
    "\"Translation X [mm]\" \"Translation Y\" \"Translation Z\" \"Rotation X\" \"Rotation Y\" "
    "\"Rotation Z\"\n"
    "0.1 -0.2 0.05 0 0.01 -0.03\n"
    "0.15 -0.25 0.05 0.002 0.01 -0.035\n";

// Three predictors, the last being the constant; names in quotes with blanks.
std::string heartRateSdm(int includesConstant) {
  return "Version 1\nPredictors 3\nRows 2\nConstant " + std::to_string(includesConstant) +
         "\nFirst 1\n\n"
         "10 20 30 40 50 60 255 255 255\n"
         "\"Heart rate\"\t\"Heart rate deriv\"\t\"Constant\"\n"
         "72.5 0.5 1\n"
         "-0.25 -1 1\n";
}

const char* const kRespirationRtc =
    "Version 1\n"
    "Kind respiration\n"
    "Predictors 2\n"
    "Rows 3\n"
    "\"RVT\" \"RVT delayed\"\n"
    "0.3 1\n"
    "0.4 2\n"
    "0.5 3\n";

// A readable summary of everything a set holds, for comparing sets.
std::string describe(const ConfoundSet& set) {
  std::ostringstream out;
  out << "ok " << set.readOk << " opened " << set.fileOpened << " version " << set.fileVersion
      << " n " << set.nrOfPredictors << " d " << set.nrOfDataPoints << " c " << set.includesConstant
      << " first " << set.firstConfound << " z " << set.zTransformed << " kind "
      << static_cast<int>(set.kind) << "\nmotion colors";
  for (const auto& color : set.motionColors) {
    for (int component : color) out << ' ' << component;
  }
  out << "\nmotion";
  for (const auto& column : set.motionColumns) {
    out << " |";
    for (double value : column) out << ' ' << value;
  }
  out << "\ncolors";
  for (const auto& row : set.colorTable) {
    for (int component : row) out << ' ' << component;
  }
  out << "\nnames";
  for (const auto& name : set.predictorNames) out << " [" << name << ']';
  out << "\ncolumns";
  for (const auto& column : set.columns) {
    out << " |";
    for (double value : column) out << ' ' << value;
  }
  return out.str();
}

std::string report(int version, int predictors, int points, int constant, int first) {
  return "Fileversion: " + std::to_string(version) +
         "\nNr of Predictors: " + std::to_string(predictors) +
         "\nNr of datapoints: " + std::to_string(points) +
         "\nIncludes constant: " + std::to_string(constant) +
         "\nFirst confound: " + std::to_string(first);
}

using Log = std::vector<std::string>;

TEST(MotionReaders, RtcFormGetsTheDefaultColours) {
  FakeHost host;
  TempFolder folder;
  std::string path = folder.write("run1_3DMC.rtc", kMotionRtc);
  ConfoundSet set = readMotionRtc(path.c_str());
  EXPECT_EQ(FakeHost::log(), (Log{"Reading file: " + path, report(1, 6, 2, 0, 1),
                                  "Adding colors...", "Reading motion estimates..."}));
  EXPECT_TRUE(set.readOk);
  EXPECT_TRUE(set.fileOpened);
  EXPECT_EQ(set.kind, ConfoundKind::Motion);
  EXPECT_EQ(set.nrOfPredictors, 6);
  EXPECT_EQ(set.nrOfDataPoints, 2);
  const std::array<std::array<std::int32_t, 3>, 6> defaults = {
      {{255, 50, 50}, {50, 255, 50}, {50, 50, 255}, {255, 255, 0}, {255, 0, 255}, {0, 255, 255}}};
  EXPECT_EQ(set.motionColors, defaults);
  const std::vector<std::vector<double>> expected = {{0.1, 0.15}, {-0.2, -0.25}, {0.05, 0.05},
                                                     {0, 0.002},  {0.01, 0.001}, {-0.03, -0.035}};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(set.motionColumns[k], expected[k]) << k;
  EXPECT_TRUE(set.columns.empty());
  EXPECT_TRUE(set.predictorNames.empty());
}

TEST(MotionReaders, SdmFormReadsItsColours) {
  FakeHost host;
  TempFolder folder;
  std::string path = folder.write("run1_3DMC.sdm", kMotionSdm);
  ConfoundSet set = readMotionSdm(path.c_str());
  EXPECT_EQ(FakeHost::log(), (Log{"Reading file: " + path, report(1, 6, 2, 0, 1),
                                  "Reading colors...", "Reading motion estimates..."}));
  EXPECT_TRUE(set.readOk);
  const std::array<std::array<std::int32_t, 3>, 6> colors = {
      {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}}};
  EXPECT_EQ(set.motionColors, colors);
  EXPECT_EQ(set.motionColumns[5], (std::vector<double>{-0.03, -0.035}));
}

TEST(ConfoundReaders, SdmFormDropsTheConstantAndKeepsQuotedNamesWhole) {
  FakeHost host;
  TempFolder folder;
  std::string path = folder.write("run1_HR.sdm", heartRateSdm(1));
  ConfoundSet set = readConfoundSdm(path.c_str(), ConfoundKind::HeartRate);
  EXPECT_EQ(FakeHost::log(), (Log{"Reading file: " + path, report(1, 3, 2, 1, 1),
                                  "Reading colors...", "Reading confounds..."}));
  EXPECT_TRUE(set.readOk);
  EXPECT_EQ(set.kind, ConfoundKind::HeartRate);
  EXPECT_EQ(set.nrOfPredictors, 2);
  EXPECT_EQ(set.includesConstant, 0);
  EXPECT_EQ(set.colorTable, (IntTable{{10, 20, 30}, {40, 50, 60}}));
  EXPECT_EQ(set.predictorNames,
            (std::vector<std::string>{"\"Heart rate\"", "\"Heart rate deriv\""}));
  EXPECT_EQ(set.columns, (std::vector<std::vector<double>>{{72.5, -0.25}, {0.5, -1}}));
}

TEST(ConfoundReaders, SdmFormWithoutConstantKeepsEveryPredictor) {
  FakeHost host;
  TempFolder folder;
  std::string path = folder.write("run1_HR.sdm", heartRateSdm(0));
  ConfoundSet set = readConfoundSdm(path.c_str(), ConfoundKind::Respiration);
  EXPECT_EQ(FakeHost::log()[1], report(1, 3, 2, 0, 1));
  EXPECT_EQ(set.kind, ConfoundKind::Respiration);
  EXPECT_EQ(set.nrOfPredictors, 3);
  EXPECT_EQ(set.colorTable.back(), (std::vector<std::int32_t>{255, 255, 255}));
  EXPECT_EQ(set.predictorNames.back(), "\"Constant\"");
  EXPECT_EQ(set.columns.back(), (std::vector<double>{1, 1}));
}

TEST(ConfoundReaders, RtcFormColoursEveryPredictor) {
  FakeHost host;
  TempFolder folder;
  std::string path = folder.write("run1_RVT.rtc", kRespirationRtc);
  ConfoundSet set = readConfoundRtc(path.c_str(), ConfoundKind::Respiration);
  EXPECT_EQ(FakeHost::log(), (Log{"Reading file: " + path, report(1, 2, 3, 0, 1),
                                  "Adding colors...", "Reading confounds..."}));
  EXPECT_EQ(set.colorTable, (IntTable{{255, 255, 0}, {255, 255, 20}}));
  EXPECT_EQ(set.predictorNames, (std::vector<std::string>{"\"RVT\"", "\"RVT delayed\""}));
  EXPECT_EQ(set.columns, (std::vector<std::vector<double>>{{0.3, 0.4, 0.5}, {1, 2, 3}}));

  std::string many = "Version 1 Kind x Predictors 14 Rows 1\n";
  for (int i = 0; i < 14; ++i) many += "P" + std::to_string(i) + " ";
  for (int i = 0; i < 14; ++i) many += "0.5 ";
  ConfoundSet wide =
      readConfoundRtc(folder.write("wide_HR.rtc", many).c_str(), ConfoundKind::HeartRate);
  ASSERT_EQ(wide.colorTable.size(), 14u);
  EXPECT_EQ(wide.colorTable[13], (std::vector<std::int32_t>{255, 255, 260}));
}

// Keys are any words and line structure carries no meaning.
TEST(ConfoundReaders, ReadTheSameWhateverTheKeysAndLayout) {
  FakeHost host;
  TempFolder folder;
  const std::string original = heartRateSdm(1);
  std::string oneLine = original;
  for (char& c : oneLine) {
    if (c == '\n') c = ' ';
  }
  std::string crlf;
  for (char c : original) crlf += c == '\n' ? std::string("\r\n\r\n") : std::string(1, c);
  std::string otherKeys = original;
  for (const char* key : {"Version", "Predictors", "Rows", "Constant", "First"}) {
    otherKeys.replace(otherKeys.find(key), std::string(key).size(), "Whatever:");
  }
  std::string expected =
      describe(readConfoundSdm(folder.write("a.sdm", original).c_str(), ConfoundKind::HeartRate));
  for (const std::string& text : {oneLine, crlf, otherKeys}) {
    EXPECT_EQ(
        describe(readConfoundSdm(folder.write("b.sdm", text).c_str(), ConfoundKind::HeartRate)),
        expected)
        << text;
  }
  std::string motionCrlf;
  for (const char* c = kMotionRtc; *c != '\0'; ++c)
    motionCrlf += *c == '\n' ? "\r\n" : std::string(1, *c);
  EXPECT_EQ(describe(readMotionRtc(folder.write("c.rtc", motionCrlf).c_str())),
            describe(readMotionRtc(folder.write("d.rtc", kMotionRtc).c_str())));
}

TEST(ConfoundReaders, ZeroDataPointsGiveEmptyColumns) {
  FakeHost host;
  TempFolder folder;
  ConfoundSet set = readConfoundRtc(folder.write("e_HR.rtc", "V 1 K x P 2 R 0 \"a\" \"b\"").c_str(),
                                    ConfoundKind::HeartRate);
  EXPECT_TRUE(set.readOk);
  EXPECT_EQ(set.columns, (std::vector<std::vector<double>>{{}, {}}));
  ConfoundSet motion = readMotionRtc(folder
                                         .write("e_3DMC.rtc",
                                                "V 1 K x P 6 R 0 "
                                                "\"a\" \"b\" \"c\" \"d\" \"e\" \"f\"")
                                         .c_str());
  EXPECT_TRUE(motion.readOk);
  EXPECT_TRUE(motion.motionColumns[0].empty());
}

TEST(ConfoundReaders, ReadTheSameUnderADecimalCommaLocale) {
  FakeHost host;
  TempFolder folder;
  std::string path = folder.write("run1_RVT.rtc", kRespirationRtc);
  const std::string expected = describe(readConfoundRtc(path.c_str(), ConfoundKind::Respiration));
  const char* previous = std::setlocale(LC_ALL, nullptr);
  std::string saved = previous != nullptr ? previous : "C";
  bool comma = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      comma = true;
      break;
    }
  }
  if (!comma) GTEST_SKIP() << "no decimal-comma locale installed";
  std::string read = describe(readConfoundRtc(path.c_str(), ConfoundKind::Respiration));
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(read, expected);
  EXPECT_NE(read.find("0.3 0.4 0.5"), std::string::npos);
}

struct Reader {
  const char* name;
  std::function<ConfoundSet(const char*)> read;
  const char* openFailure;
};

const Reader kReaders[] = {
    {"motion rtc", [](const char* p) { return readMotionRtc(p); },
     "Unable to open the motion estimates file."},
    {"motion sdm", [](const char* p) { return readMotionSdm(p); },
     "Unable to open the motion estimates file."},
    {"confound rtc", [](const char* p) { return readConfoundRtc(p, ConfoundKind::HeartRate); },
     "Unable to open the design matrix file."},
    {"confound sdm", [](const char* p) { return readConfoundSdm(p, ConfoundKind::Respiration); },
     "Unable to open the design matrix file."},
};

TEST(ConfoundReaders, MissingFileLogsItsKindsLineAndReturnsAnEmptySet) {
  TempFolder folder;
  std::string path = folder.file("missing_3DMC.sdm");
  for (const Reader& reader : kReaders) {
    FakeHost host;
    ConfoundSet set = reader.read(path.c_str());
    EXPECT_EQ(FakeHost::log(), (Log{"Reading file: " + path, reader.openFailure})) << reader.name;
    EXPECT_FALSE(set.fileOpened) << reader.name;
    EXPECT_TRUE(set.readOk) << reader.name;
    EXPECT_EQ(set.nrOfPredictors, 0) << reader.name;
    EXPECT_EQ(set.nrOfDataPoints, 0) << reader.name;
  }
}

TEST(ConfoundReaders, CutTheFileLineOfALongPath) {
  FakeHost host;
  std::string path = "/no/such/folder/" + std::string(300, 'p') + ".sdm";
  readConfoundSdm(path.c_str(), ConfoundKind::HeartRate);
  ASSERT_FALSE(FakeHost::log().empty());
  EXPECT_EQ(FakeHost::log()[0], ("Reading file: " + path).substr(0, 255));
}

// Damaged files: each is caught, logged with its form's line, and leaves no columns.
TEST(ConfoundReaders, DetectDamagedFiles) {
  const std::string motionNames = " \"a\" \"b\" \"c\" \"d\" \"e\" \"f\" ";
  const std::string motionRow = " 1 2 3 4 5 6 ";
  struct Case {
    const char* what;
    int reader;  // index into kReaders
    std::string text;
  };
  const Case cases[] = {
      {"count is not an integer", 0, "V 1 K x P 6 R 2.5" + motionNames + motionRow + motionRow},
      {"count is text", 2, "V 1 K x P two R 1 a b 1 2"},
      {"version is text", 3, "V one P 1 R 1 C 0 F 1 1 2 3 a 1"},
      {"header ends early", 3, "V 1 P 1 R"},
      {"negative data points", 0, "V 1 K x P 6 R -1" + motionNames},
      {"negative data points", 1, "V 1 P 6 R -1 C 0 F 1" + motionNames},
      {"negative predictors", 2, "V 1 K x P -1 R 1"},
      {"constant without predictors", 3, "V 1 P 0 R 0 C 1 F 1"},
      {"motion file of five predictors", 0,
       "V 1 K x P 5 R 1 \"a\" \"b\" \"c\" \"d\" \"e\" 1 2 3 4 5"},
      {"counts too large for the file", 0, "V 1 K x P 6 R 2000000000" + motionNames + motionRow},
      {"counts too large for the file", 2, "V 1 K x P 100000 R 100000 a 1"},
      {"rows end early", 0, "V 1 K x P 6 R 3" + motionNames + motionRow + motionRow},
      {"rows end early", 3, "V 1 P 2 R 2 C 0 F 1 1 2 3 4 5 6 a b 1 2 3"},
      {"names end early", 1, "V 1 P 6 R 0 C 0 F 1 1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 9 \"a\""},
      {"colour is not an integer", 3, "V 1 P 1 R 1 C 0 F 1 1 2 x a 1"},
      {"quoted name never closed", 2, "V 1 K x P 2 R 1 \"a b\" \"c d\n 1 2"},
      {"nan", 2, "V 1 K x P 2 R 1 a b 1 nan"},
      {"inf", 3, "V 1 P 1 R 1 C 0 F 1 1 2 3 a inf"},
      {"hexadecimal", 0, "V 1 K x P 6 R 1" + motionNames + "1 2 3 4 5 0x1p3"},
      {"out of range", 1,
       "V 1 P 6 R 1 C 0 F 1 1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 9" + motionNames + "1 2 3 4 5 1e400"},
      {"text in a row", 2, "V 1 K x P 2 R 2 a b 1 2 3 four"},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    FakeHost host;
    const Reader& reader = kReaders[c.reader];
    ConfoundSet set = reader.read(folder.write("damaged.txt", c.text).c_str());
    const bool rtc = c.reader % 2 == 0;
    ASSERT_FALSE(FakeHost::log().empty()) << c.what;
    EXPECT_EQ(FakeHost::log().back(),
              rtc ? "Problem with reading *.rtc file. Please check results."
                  : "Problem with reading *.sdm file. Please check results.")
        << c.what << " / " << reader.name;
    EXPECT_FALSE(set.readOk) << c.what;
    EXPECT_TRUE(set.fileOpened) << c.what;
    EXPECT_TRUE(set.columns.empty()) << c.what;
    for (const auto& column : set.motionColumns) EXPECT_TRUE(column.empty()) << c.what;
  }
}

}  // namespace
