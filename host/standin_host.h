// The stand-in host's own state and services: what a run is configured with (version, answers,
// log file, call journal) and the helpers its exported host functions share.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace standin {

// The answers of the dialogs, one queue per kind of dialog, each taken in order.
struct AnswerScript {
  std::deque<std::string> yesNo;    // "yes", "no" or an integer the dialog returns
  std::deque<std::string> numbers;  // a number, or "cancel"
  std::deque<std::string> files;    // a path, or "cancel"
};

struct HostConfig {
  int versionMajor = 2;
  int versionMinor = 8;
  int versionSub = 0;
  std::string logFile;    // every log entry, one escaped line each; empty: none
  std::string callsFile;  // every host call, one escaped line each; empty: none
  bool quiet = false;     // print nothing but errors
};

// Adds one answer line "KIND VALUE" (yesno, float or file) to the script; false for a line of
// no known kind. Blank lines and lines starting with "#" are accepted and ignored.
bool addAnswerLine(AnswerScript& script, const std::string& line);

// Reads an answers file; false when it cannot be opened or holds a line of no known kind
// (error names the line).
bool loadAnswerFile(AnswerScript& script, const std::string& path, std::string& error);

// Sets up the host for a run: config, answers; truncates the log and calls files.
void configureHost(const HostConfig& config, const AnswerScript& answers);

const HostConfig& hostConfig();
AnswerScript& answerScript();

// Prints a line of the host's own (not a log entry) unless quiet.
void say(const std::string& text);

// Records one host call with its arguments in the call journal.
void recordCall(const char* function, const std::vector<std::string>& arguments = {});

// One text as one line: backslash, line ends, tabs and other control bytes escaped as \\, \n,
// \r, \t and \xHH, so that the exact text can be recovered with unescapeLine.
std::string escapeLine(const std::string& text);
std::string unescapeLine(const std::string& line);

// A float as text, locale-independent, shortest form that reads back the same.
std::string numberText(double value);

}  // namespace standin
