// The host's dialogs, answered from the answer script. Each question, its answer and whether
// the answer came from the script or was the default (the script ran out) is printed.
#include <charconv>
#include <cstring>
#include <string>

#include "host/call_timing.h"
#include "host/standin_export.h"
#include "host/standin_host.h"

namespace {

// Takes the next answer of a kind; false when the script has run out.
bool nextAnswer(std::deque<std::string>& queue, std::string& answer) {
  if (queue.empty()) return false;
  answer = queue.front();
  queue.pop_front();
  return true;
}

int yesNoValue(const std::string& answer) {
  if (answer == "yes") return 1;
  if (answer == "no") return 0;
  int value = 0;
  std::from_chars(answer.data(), answer.data() + answer.size(), value);
  return value;
}

}  // namespace

STANDIN_EXPORT int nzMessageBox(const char* text) {
  const standin::HostCallTimer timer;
  std::string message = text != nullptr ? text : "";
  standin::recordCall("nzMessageBox", {message});
  standin::say("[message box] " + message);
  return 1;
}

STANDIN_EXPORT int nzYesNoMessageBox(const char* question) {
  const standin::HostCallTimer timer;
  std::string text = question != nullptr ? question : "";
  std::string answer;
  int value = 0;
  if (nextAnswer(standin::answerScript().yesNo, answer)) {
    value = yesNoValue(answer);
    standin::say("[yes/no] " + text + " -> " + answer + " (" + std::to_string(value) + ")");
  } else {
    standin::say("[yes/no] " + text + " -> no (0) (default: the script has no more answers)");
  }
  standin::recordCall("nzYesNoMessageBox", {text, std::to_string(value)});
  return value;
}

STANDIN_EXPORT float nzGetFloatInput(const char* prompt, float initial, float lower, float upper) {
  const standin::HostCallTimer timer;
  std::string text = prompt != nullptr ? prompt : "";
  std::string range = " [" + standin::numberText(initial) + ", " + standin::numberText(lower) +
                      ".." + standin::numberText(upper) + "]";
  std::string answer;
  float value = initial;
  if (nextAnswer(standin::answerScript().numbers, answer)) {
    if (answer == "cancel") {
      value = -101.0f;
    } else {
      auto result = std::from_chars(answer.data(), answer.data() + answer.size(), value);
      if (result.ec != std::errc()) value = initial;
    }
    standin::say("[number] " + text + range + " -> " + answer + " (" + standin::numberText(value) +
                 ")");
  } else {
    standin::say("[number] " + text + range + " -> " + standin::numberText(value) +
                 " (default: the script has no more answers)");
  }
  standin::recordCall("nzGetFloatInput",
                      {text, standin::numberText(initial), standin::numberText(lower),
                       standin::numberText(upper), standin::numberText(value)});
  return value;
}

STANDIN_EXPORT int nzGetOpenFileName(const char* caption, const char* second, const char* filter,
                                     char* path) {
  const standin::HostCallTimer timer;
  std::string text = caption != nullptr ? caption : "";
  std::string answer;
  int chosen = 0;
  if (nextAnswer(standin::answerScript().files, answer) && answer != "cancel" &&
      answer.size() < 512 && path != nullptr) {
    std::memcpy(path, answer.c_str(), answer.size() + 1);
    chosen = 1;
    standin::say("[open file] " + text + " (" + (filter ? filter : "") + ") -> " + answer);
  } else {
    standin::say("[open file] " + text + " (" + (filter ? filter : "") + ") -> cancelled" +
                 (answer.empty() ? " (default: the script has no more answers)" : ""));
  }
  standin::recordCall("nzGetOpenFileName",
                      {text, second != nullptr ? second : "", filter != nullptr ? filter : "",
                       chosen ? answer : std::string()});
  return chosen;
}
