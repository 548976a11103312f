// The stand-in host's preview command as a process: well-formed pictures of the example study's
// design matrices and of long runs, refusals that write nothing, and a host that carries none of
// the plug-in's face.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/e2e_support.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

ProcessResult preview(const std::string& arguments, const std::string& environment = "") {
  return runCommand(environment + (environment.empty() ? "" : " ") + shellQuote(FOLWYN_HOST_PATH) +
                    " preview " + arguments);
}

// xmllint's verdict on a file: empty when it is well-formed XML.
std::string xmlProblems(const std::string& path) {
  ProcessResult check = runCommand("xmllint --noout " + shellQuote(path));
  if (check.status == 0) return "";
  return check.output.empty() ? "xmllint failed (is libxml2-utils installed? scripts/setup.sh "
                                "installs it)"
                              : check.output;
}

std::size_t countOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// The stroke colours of the polylines, in order.
std::vector<std::string> strokesOf(const std::string& svg) {
  std::vector<std::string> strokes;
  for (std::size_t at = svg.find("<polyline"); at != std::string::npos;
       at = svg.find("<polyline", at + 1)) {
    const std::size_t start = svg.find(" stroke=\"", at) + 9;
    strokes.push_back(svg.substr(start, 7));
  }
  return strokes;
}

// The colour triples of an SDM text, as the preview writes them: "#rrggbb".
std::vector<std::string> sdmColours(const std::string& sdm, int predictors) {
  std::istringstream in(sdm);
  std::string word;
  for (int i = 0; i < 10; ++i) in >> word;  // the header
  std::vector<std::string> colours;
  for (int i = 0; i < predictors; ++i) {
    char text[8];
    int red = 0;
    int green = 0;
    int blue = 0;
    in >> red >> green >> blue;
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red, green, blue);
    colours.push_back(text);
  }
  return colours;
}

int headerValue(const std::string& sdm, const std::string& key) {
  const std::size_t at = sdm.find(key);
  return at == std::string::npos ? -1 : std::stoi(sdm.substr(at + key.size()));
}

TEST(PreviewCommand, TheHostCarriesNoneOfThePluginsFace) {
  // The host links the plug-in's readers; the plug-in classes and exported functions must stay
  // out of it, or a loaded plug-in could bind to the host's copies.
  const std::string host = shellQuote(FOLWYN_HOST_PATH);
  for (const char* listing : {"nm -D --defined-only -C ", "nm --defined-only -C "}) {
    ProcessResult symbols = runCommand(listing + host);
    ASSERT_EQ(symbols.status, 0) << symbols.output;
    std::istringstream lines(symbols.output);
    std::string line;
    while (std::getline(lines, line)) {
      for (const char* name :
           {"createPlugin", "getPluginName", "getPluginVersion", "getPluginDescription",
            "getAuthor", "getHelpFile", "getGUIScript", "Folwyn", "TWNZPluginInterface"}) {
        EXPECT_EQ(line.find(name), std::string::npos) << listing << ": " << line;
      }
    }
  }
  ProcessResult exported = runCommand("nm -D --defined-only -C " + host);
  EXPECT_EQ(exported.output.find("readConfoundSdm"), std::string::npos);
  EXPECT_EQ(exported.output.find("hostApi"), std::string::npos);
}

TEST(PreviewCommand, EveryDesignMatrixOfTheExampleStudyHasAWellFormedPreview) {
  TempDir dir;
  const fs::path study = dir.path() / "study";
  fs::copy(fs::path(FOLWYN_SOURCE_DIR) / "examples" / "study", study, fs::copy_options::recursive);
  ProcessResult run = runCommand(
      "cd " + shellQuote(study.string()) + " && " + shellQuote(FOLWYN_HOST_PATH) +
      " --quiet --vmr anat/subject01.vmr --answers answers.txt " + shellQuote(FOLWYN_PLUGIN_PATH));
  ASSERT_EQ(run.status, 0) << run.output;
  const char* written[] = {"run1/run1_faces_houses.sdm",
                           "run1/run1_faces_houses_3DMC_z_HR_z_RVT_z.sdm",
                           "run2/run2_faces_houses_msec.sdm",
                           "run2/run2_faces_houses_msec_3DMC_z.sdm", "run3/run3_face_trials.sdm"};
  for (const char* name : written) {
    const std::string in = (study / name).string();
    const std::string out = in.substr(0, in.size() - 4) + ".svg";
    ProcessResult drawn = preview(shellQuote(in) + " " + shellQuote(out));
    ASSERT_EQ(drawn.status, 0) << name << "\n" << drawn.output;
    EXPECT_EQ(xmlProblems(out), "") << name;
    const std::string sdm = readFile(in);
    const std::string svg = readFile(out);
    const int predictors = headerValue(sdm, "NrOfPredictors:");
    EXPECT_EQ(strokesOf(svg), sdmColours(sdm, predictors)) << name;
    EXPECT_EQ(countOf(svg, ">C</text>"), 1u) << name;  // every one ends in the constant
    EXPECT_EQ(countOf(svg, ">constant predictor, 1<"), 1u) << name;
  }
}

TEST(PreviewCommand, ConfoundFilesInBothForms) {
  const fs::path study = fs::path(FOLWYN_SOURCE_DIR) / "examples" / "study";
  TempDir dir;
  struct Case {
    const char* file;
    const char* options;
    std::size_t predictors;
  };
  const Case cases[] = {{"run1/run1_3DMC.sdm", "--motion", 6},
                        {"run2/run2_3DMC.rtc", "--motion", 6},
                        {"run1/run1_HR.rtc", "", 1},
                        {"run1/run1_RVT.sdm", "", 3}};
  for (const Case& c : cases) {
    const std::string out = dir.file(fs::path(c.file).filename().string() + ".svg");
    ProcessResult drawn = preview(std::string(c.options) + " " +
                                  shellQuote((study / c.file).string()) + " " + shellQuote(out));
    ASSERT_EQ(drawn.status, 0) << c.file << "\n" << drawn.output;
    EXPECT_EQ(xmlProblems(out), "") << c.file;
    const std::string svg = readFile(out);
    EXPECT_EQ(countOf(svg, "<polyline"), c.predictors) << c.file;
  }
  // The RTC heart-rate file has the reader's first colour.
  EXPECT_EQ(strokesOf(readFile(dir.file("run1_HR.rtc.svg"))), std::vector<std::string>{"#ffff00"});
}

// A design matrix of predictors (the last the constant) over volumes, with names that need
// escaping and bytes that are not UTF-8.
std::string longDesignMatrix(int predictors, int volumes) {
  std::string text = "FileVersion: 1\n\nNrOfPredictors: " + std::to_string(predictors) +
                     "\nNrOfDataPoints: " + std::to_string(volumes) +
                     "\nIncludesConstant: 1\nFirstConfoundPredictor: 2\n\n";
  for (int p = 0; p < predictors; ++p) {
    text += std::to_string(p * 4 % 256) + " 100 " + std::to_string(255 - p) + "   ";
  }
  text += "\n";
  for (int p = 0; p < predictors - 1; ++p) {
    text += p % 2 == 0 ? "\"R&D <" + std::to_string(p) + ">\" "
                       : "\"caf\xE9_\x01" + std::to_string(p) + "\" ";
  }
  text += "\"Constant\"\n";
  for (int v = 0; v < volumes; ++v) {
    for (int p = 0; p < predictors - 1; ++p) {
      text += std::to_string((v * (p + 3)) % 97 / 10.0) + " ";
    }
    text += "1\n";
  }
  return text;
}

TEST(PreviewCommand, LongRunsStayWellFormedAndSmall) {
  TempDir dir;
  const std::string in = dir.write("long.sdm", longDesignMatrix(60, 10000));
  const std::string out = dir.file("long.svg");
  const auto start = std::chrono::steady_clock::now();
  ProcessResult drawn = preview(shellQuote(in) + " " + shellQuote(out));
  const auto took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
  ASSERT_EQ(drawn.status, 0) << drawn.output;
  std::cout << "[ info ] preview of 60 predictors x 10000 volumes (" << fs::file_size(in)
            << " bytes): " << took.count() << " s, " << fs::file_size(out) << " bytes\n";
  EXPECT_EQ(xmlProblems(out), "");
  EXPECT_LT(fs::file_size(out), 1000000u);
  const std::string svg = readFile(out);
  EXPECT_EQ(countOf(svg, "<polyline"), 60u);
  EXPECT_EQ(countOf(svg, "points drawn a row"), 1u);
}

TEST(PreviewCommand, DamagedInputGivesAClearErrorAndNoFile) {
  TempDir dir;
  std::string text = longDesignMatrix(3, 5);
  text.resize(text.size() - 6);  // the file ends inside its last row
  const std::string in = dir.write("cut.sdm", text);
  const std::string out = dir.file("cut.svg");
  ProcessResult drawn = preview(shellQuote(in) + " " + shellQuote(out));
  EXPECT_EQ(drawn.status, 2);
  EXPECT_NE(drawn.output.find("cut.sdm: the plug-in's reader found it damaged "
                              "(\"Problem with reading *.sdm file. Please check results.\")"),
            std::string::npos)
      << drawn.output;
  EXPECT_NE(drawn.output.find("no preview written"), std::string::npos);
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(PreviewCommand, TheConstantsCopyDoesNotOutliveTheCommand) {
  TempDir dir;
  const fs::path temporary = dir.path() / "tmp";
  fs::create_directories(temporary);
  const std::string in = dir.write("m.sdm", longDesignMatrix(4, 20));
  ProcessResult drawn = preview(shellQuote(in) + " " + shellQuote(dir.file("m.svg")),
                                "TMPDIR=" + shellQuote(temporary.string()));
  ASSERT_EQ(drawn.status, 0) << drawn.output;
  EXPECT_EQ(countOf(readFile(dir.file("m.svg")), ">constant predictor, 1<"), 1u);
  EXPECT_TRUE(fs::is_empty(temporary));
}

}  // namespace
