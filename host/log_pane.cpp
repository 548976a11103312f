// The host's log pane: each nzLogText call is one entry, printed and kept in the log file.
#include <cstdio>
#include <string>

#include "host/call_timing.h"
#include "host/standin_export.h"
#include "host/standin_host.h"

namespace {

void printEntry(const std::string& text) {
  std::string shown = "log| ";
  for (char c : text) {
    shown += c;
    if (c == '\n') shown += "log| ";
  }
  standin::say(shown);
}

}  // namespace

STANDIN_EXPORT int nzShowLogTab() {
  const standin::HostCallTimer timer;
  standin::recordCall("nzShowLogTab");
  return 1;
}

STANDIN_EXPORT int nzLogText(const char* text) {
  const standin::HostCallTimer timer;
  std::string entry = text != nullptr ? text : "";
  standin::recordCall("nzLogText", {entry});
  printEntry(entry);
  const std::string& logFile = standin::hostConfig().logFile;
  if (!logFile.empty()) {
    FILE* out = std::fopen(logFile.c_str(), "ab");
    if (out != nullptr) {
      std::string line = standin::escapeLine(entry) + "\n";
      std::fwrite(line.data(), 1, line.size(), out);
      std::fclose(out);
    }
  }
  return 1;
}
