// Running the stand-in host and other programs from the Windows tests: started by the Windows
// loader itself (CreateProcess, no shell between), with their output collected.
#pragma once

#include <string>
#include <vector>

struct ProcessResult {
  int status = -1;     // exit code; -1 when the program could not be started
  std::string output;  // standard output and standard error together
};

// Runs program (a path) with the arguments, each quoted as the C runtime splits a command line,
// in workDir (the current folder when empty). Narrow texts in the process code page.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workDir = "");

// One argument quoted so that the C runtime's command-line splitting gives it back unchanged.
std::string quoteArgument(const std::string& argument);
