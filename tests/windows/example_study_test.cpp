// The bundled example study converted by the DLL in the stand-in host under the Windows loader:
// line ends, Windows paths, files of Windows editors, replacing files.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tests/windows/windows_support.h"

namespace {

using namespace wintest;
using Strings = std::vector<std::string>;

// A run of the study in folder with the study's answers; extra options come first.
struct StudyRun {
  ProcessResult result;
  Strings log;

  StudyRun(const fs::path& folder, const Strings& extra = {}) {
    Strings options = extra;
    for (const char* option : {"--quiet", "--log", "log.txt", "--vmr", "anat/subject01.vmr",
                               "--answers", "answers.txt"}) {
      options.push_back(option);
    }
    result = runHost(options, folder);
    log = readLogEntries(folder / "log.txt");
  }
};

// Log lines that tell of a failure: every such line of the plug-in starts with one of these.
Strings troubleLines(const Strings& log) {
  Strings trouble;
  for (const std::string& line : log) {
    if (line.rfind("Problem", 0) == 0 || line.rfind("Unable", 0) == 0 ||
        line.rfind("Error", 0) == 0) {
      trouble.push_back(line);
    }
  }
  return trouble;
}

bool logged(const Strings& log, const std::string& line) {
  for (const std::string& each : log) {
    if (each == line) return true;
  }
  return false;
}

// True when every line of text ends with CR LF: no lone LF and no CR of its own.
bool endsEveryLineWithCrLf(const std::string& text) {
  if (text.empty() || text.back() != '\n') return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
  }
  return true;
}

// Files of a run's temporary names (the plug-in's and the stand-in host's) left in folder.
Strings leftoverFiles(const fs::path& folder) {
  Strings left;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const fs::path extension = entry.path().extension();
    if (extension == ".tmp" || extension == ".partial") left.push_back(narrow(entry.path()));
  }
  return left;
}

// The outputs of a plain run of the study (relative paths, the files as bundled).
const Strings& plainOutputs() {
  static const Strings outputs = [] {
    TempDir dir;
    copyExampleStudy(dir.path() / "study");
    StudyRun run(dir.path() / "study");
    Strings bytes;
    for (const std::string& name : exampleStudyOutputs()) {
      bytes.push_back(readBytes(dir.path() / "study" / name));
    }
    return bytes;
  }();
  return outputs;
}

void expectPlainOutputs(const fs::path& study) {
  const Strings& names = exampleStudyOutputs();
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_TRUE(readBytes(study / names[i]) == plainOutputs()[i]) << names[i];
  }
}

TEST(WindowsExampleStudy, WritesEveryDesignMatrixAndTheMergedOnesWithCrLfLineEnds) {
  TempDir dir;
  const fs::path study = dir.path() / "study";
  copyExampleStudy(study);
  StudyRun run(study);
  ASSERT_EQ(run.result.status, 0) << run.result.output;
  for (const std::string& name : exampleStudyOutputs()) {
    EXPECT_FALSE(readBytes(study / name).empty()) << name;
  }
  // The plug-in writes the merged design matrices as Windows text files.
  struct Merged {
    const char* name;
    const char* predictors;
  };
  for (const Merged& merged : {Merged{"run1/run1_faces_houses_3DMC_z_HR_z_RVT_z.sdm", "12"},
                               Merged{"run2/run2_faces_houses_msec_3DMC_z.sdm", "9"}}) {
    const std::string bytes = readBytes(study / merged.name);
    EXPECT_TRUE(endsEveryLineWithCrLf(bytes)) << merged.name;
    EXPECT_TRUE(contains(bytes, std::string("\r\nNrOfPredictors: ") + merged.predictors + "\r\n"))
        << merged.name;
  }
  EXPECT_TRUE(troubleLines(run.log).empty()) << troubleLines(run.log).front();
  EXPECT_TRUE(logged(run.log, "New filename: run1/run1_faces_houses_3DMC_z_HR_z_RVT_z.sdm"));
  ASSERT_FALSE(run.log.empty());
  EXPECT_EQ(run.log.back(), "Finished.\n");
  EXPECT_TRUE(leftoverFiles(study).empty()) << leftoverFiles(study).front();
}

TEST(WindowsExampleStudy, AbsoluteWindowsPathsWithBlanksAndLettersOfTheCodePage) {
  // A folder as Windows users name them: blanks, "%" and letters outside ASCII, given to the
  // plug-in in the process code page, with backslashes and a drive letter.
  BOOL lossy = FALSE;
  char letters[16] = {};
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"\u20ac\u0161", -1, letters,
                                         sizeof letters, nullptr, &lossy);
  if (length <= 0 || lossy || GetACP() == CP_UTF8) {
    GTEST_SKIP() << "the code page " << GetACP() << " has no single-byte euro and s-caron";
  }
  TempDir dir;
  const fs::path study = dir.path() / L"100% Stud\u20ac\u0161 1";
  copyExampleStudy(study);
  const std::string root = narrow(study);
  ASSERT_FALSE(root.empty());
  ASSERT_NE(root.find(letters), std::string::npos);
  const char* entries[] = {"run1\\faces_houses.prt", "run1\\run1.vtc",
                           "run1\\run1_3DMC.sdm",    "run1\\run1_HR.rtc",
                           "run1\\run1_RVT.sdm",     "run2\\faces_houses_msec.prt",
                           "run2\\run2.vtc",         "run2\\run2_3DMC.rtc",
                           "run3\\face_trials.prt",  "run3\\run3.vtc"};
  std::string list = "3\r\n";
  for (const char* entry : entries) list += "\"" + root + "\\" + entry + "\"\r\n";
  writeBytes(study / "absolute.txt", list);

  TempDir elsewhere;  // the host runs in another folder: only the absolute paths lead there
  ProcessResult result =
      runHost({"--quiet", "--log", "log.txt", "--vmr", root + "\\anat\\subject01.vmr", "--answer",
               "yesno yes", "--answer", "float 1", "--answer", "yesno yes", "--answer", "yesno yes",
               "--answer", "file " + root + "\\absolute.txt"},
              elsewhere.path());
  const Strings log = readLogEntries(elsewhere.path() / "log.txt");
  ASSERT_EQ(result.status, 0) << result.output;
  EXPECT_TRUE(troubleLines(log).empty()) << troubleLines(log).front();
  EXPECT_TRUE(
      logged(log, "New filename: " + root + "\\run1\\run1_faces_houses_3DMC_z_HR_z_RVT_z.sdm"));
  expectPlainOutputs(study);
}

TEST(WindowsExampleStudy, FilesWithCrLfLineEndsGiveTheSameDesignMatrices) {
  // The file list, the answers, the protocols and the confound files as a Windows editor saves
  // them.
  TempDir dir;
  const fs::path study = dir.path() / "study";
  copyExampleStudy(study);
  int converted = 0;
  for (const auto& entry : fs::recursive_directory_iterator(study)) {
    const fs::path extension = entry.path().extension();
    if (extension != ".txt" && extension != ".prt" && extension != ".sdm" && extension != ".rtc") {
      continue;
    }
    std::string crlf;
    for (char c : readBytes(entry.path())) {
      if (c == '\n') crlf += '\r';
      crlf += c;
    }
    writeBytes(entry.path(), crlf);
    ++converted;
  }
  ASSERT_GT(converted, 0);
  StudyRun run(study);
  ASSERT_EQ(run.result.status, 0) << run.result.output;
  EXPECT_TRUE(troubleLines(run.log).empty()) << troubleLines(run.log).front();
  expectPlainOutputs(study);
}

TEST(WindowsExampleStudy, ASecondRunReplacesEveryFileAndLeavesNoTemporaryFile) {
  TempDir dir;
  const fs::path study = dir.path() / "study";
  copyExampleStudy(study);
  StudyRun run(study, {"--runs", "2"});
  ASSERT_EQ(run.result.status, 0) << run.result.output;
  EXPECT_TRUE(troubleLines(run.log).empty()) << troubleLines(run.log).front();
  expectPlainOutputs(study);
  EXPECT_TRUE(leftoverFiles(study).empty()) << leftoverFiles(study).front();
}

TEST(WindowsExampleStudy, AMergedFileThatAnotherProgramHoldsOpenIsLeftWhole) {
  // Another program (a viewer, an editor) holds the older merged design matrix open without
  // sharing its deletion: Windows refuses to replace it. The older file stays as it was, the
  // log says so, no temporary file remains and the other runs go on.
  TempDir dir;
  const fs::path study = dir.path() / "study";
  copyExampleStudy(study);
  const fs::path held = study / "run1" / "run1_faces_houses_3DMC_z_HR_z_RVT_z.sdm";
  const std::string older = "an older merged design matrix\r\n";
  writeBytes(held, older);
  HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  StudyRun run(study);
  CloseHandle(holder);
  ASSERT_EQ(run.result.status, 0) << run.result.output;
  EXPECT_EQ(readBytes(held), older);
  EXPECT_EQ(troubleLines(run.log),
            Strings{"Unable to write the merged design matrix: no merged design matrix written."});
  EXPECT_TRUE(readBytes(study / "run2" / "run2_faces_houses_msec_3DMC_z.sdm") == plainOutputs()[3]);
  EXPECT_TRUE(leftoverFiles(study).empty()) << leftoverFiles(study).front();
}

}  // namespace
