// What the Windows tests share: where the built programs are, running the stand-in host, and
// reading what a run left behind.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/windows/child_process.h"

namespace wintest {

namespace fs = std::filesystem;

// The folder of this test program, the build folder and the source folder.
fs::path testFolder();
fs::path buildRoot();
fs::path sourceRoot();

fs::path pluginFile();  // folwyn.dll
fs::path hostFile();    // TarnwickNZ.exe, the stand-in host
fs::path probeFile();   // windows_probe.exe
// The fake host module of that name (a DLL named TarnwickNZ.exe).
fs::path fakeHostFile(const std::string& name);

// A path as the narrow text in the process code page that programs are handed.
std::string narrow(const fs::path& path);

// Runs the stand-in host on the built plug-in with the options, in workDir. Line ends of its
// output are given as "\n".
ProcessResult runHost(const std::vector<std::string>& options, const fs::path& workDir);

// Runs a program and gives its output with "\n" line ends.
ProcessResult runProgram(const fs::path& program, const std::vector<std::string>& arguments,
                         const fs::path& workDir = {});

// The entries of a log that the stand-in host wrote, each recovered exactly.
std::vector<std::string> readLogEntries(const fs::path& logFile);

// The bytes of a file; empty when it cannot be read.
std::string readBytes(const fs::path& file);
void writeBytes(const fs::path& file, const std::string& bytes);

// A copy of the bundled example study in folder.
void copyExampleStudy(const fs::path& folder);

// The design matrices that the example study's run writes, relative to the study's folder.
const std::vector<std::string>& exampleStudyOutputs();

bool contains(const std::string& text, const std::string& part);

}  // namespace wintest
