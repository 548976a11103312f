// Running the stand-in host and other processes from end-to-end tests.
#pragma once

#include <string>
#include <vector>

struct ProcessResult {
  int status = -1;     // exit status, -1 when the process did not exit normally
  std::string output;  // standard output and standard error together
};

// Runs a command line through the shell (arguments already quoted) and collects its output.
ProcessResult runCommand(const std::string& command);

// Quotes one argument for the shell.
std::string shellQuote(const std::string& argument);

// The entries of a log file that the stand-in host wrote, each recovered exactly.
std::vector<std::string> readLogEntries(const std::string& logFile);

// Runs the stand-in host on the built plug-in with the given options (already quoted), writing
// its log to logFile; the working directory is workDir when not empty.
ProcessResult runHost(const std::string& options, const std::string& logFile,
                      const std::string& workDir = "");
