#include "tests/e2e/e2e_support.h"

#include "host/standin_host.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>

std::string shellQuote(const std::string& argument) {
  std::string quoted = "'";
  for (char c : argument) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

ProcessResult runCommand(const std::string& command) {
  ProcessResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> block;
  std::size_t count;
  while ((count = std::fread(block.data(), 1, block.size(), pipe)) > 0) {
    result.output.append(block.data(), count);
  }
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::vector<std::string> readLogEntries(const std::string& logFile) {
  std::vector<std::string> entries;
  std::ifstream in(logFile, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) entries.push_back(standin::unescapeLine(line));
  return entries;
}

ProcessResult runHost(const std::string& options, const std::string& logFile,
                      const std::string& workDir) {
  std::string command;
  if (!workDir.empty()) command = "cd " + shellQuote(workDir) + " && ";
  command += shellQuote(FOLWYN_HOST_PATH) + " --log " + shellQuote(logFile) + " " + options + " " +
             shellQuote(FOLWYN_PLUGIN_PATH);
  return runCommand(command);
}
