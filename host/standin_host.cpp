#include "host/standin_host.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>

namespace standin {
namespace {

HostConfig& mutableConfig() {
  static HostConfig config;
  return config;
}

std::string trim(const std::string& text) {
  const char* blanks = " \t\r\n";
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  std::size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

void appendLine(const std::string& path, const std::string& line) {
  if (path.empty()) return;
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out << line << '\n';
}

}  // namespace

AnswerScript& answerScript() {
  static AnswerScript script;
  return script;
}

const HostConfig& hostConfig() {
  return mutableConfig();
}

bool addAnswerLine(AnswerScript& script, const std::string& rawLine) {
  std::string line = trim(rawLine);
  if (line.empty() || line[0] == '#') return true;
  std::size_t split = line.find_first_of(" \t");
  std::string kind = line.substr(0, split);
  std::string value = split == std::string::npos ? "" : trim(line.substr(split));
  if (kind == "yesno") {
    script.yesNo.push_back(value);
  } else if (kind == "float") {
    script.numbers.push_back(value);
  } else if (kind == "file") {
    script.files.push_back(value);
  } else {
    return false;
  }
  return true;
}

bool loadAnswerFile(AnswerScript& script, const std::string& path, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot open the answers file " + path;
    return false;
  }
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!addAnswerLine(script, line)) {
      error = path + ":" + std::to_string(number) + ": not an answer: " + line;
      return false;
    }
  }
  return true;
}

void configureHost(const HostConfig& config, const AnswerScript& answers) {
  mutableConfig() = config;
  answerScript() = answers;
  for (const std::string& path : {config.logFile, config.callsFile}) {
    if (!path.empty()) std::ofstream(path, std::ios::binary | std::ios::trunc);
  }
}

void say(const std::string& text) {
  if (!hostConfig().quiet) std::cout << text << std::endl;
}

void recordCall(const char* function, const std::vector<std::string>& arguments) {
  if (hostConfig().callsFile.empty()) return;
  std::string line = function;
  for (const std::string& argument : arguments) line += "\t" + escapeLine(argument);
  appendLine(hostConfig().callsFile, line);
}

std::string escapeLine(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7f) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", c);
          out += hex;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out;
}

std::string unescapeLine(const std::string& line) {
  std::string out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\' || i + 1 == line.size()) {
      out += line[i];
      continue;
    }
    char next = line[++i];
    if (next == 'n') {
      out += '\n';
    } else if (next == 'r') {
      out += '\r';
    } else if (next == 't') {
      out += '\t';
    } else if (next == 'x' && i + 2 < line.size()) {
      int value = 0;
      std::from_chars(line.data() + i + 1, line.data() + i + 3, value, 16);
      out += static_cast<char>(value);
      i += 2;
    } else {
      out += next;
    }
  }
  return out;
}

std::string numberText(double value) {
  char text[64];
  auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

}  // namespace standin
