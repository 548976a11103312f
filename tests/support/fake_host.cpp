#include "tests/support/fake_host.h"

namespace {

int recordLog(const char* text) {
  FakeHost::log().push_back(text != nullptr ? text : "<null>");
  return 1;
}

int recordMessage(const char* text) {
  FakeHost::messages().push_back(text != nullptr ? text : "<null>");
  return 1;
}

}  // namespace

FakeHost::FakeHost() : saved_(hostApi) {
  clear();
  hostApi.nzLogText = recordLog;
  hostApi.nzMessageBox = recordMessage;
}

FakeHost::~FakeHost() {
  hostApi = saved_;
}

std::vector<std::string>& FakeHost::log() {
  static std::vector<std::string> entries;
  return entries;
}

std::vector<std::string>& FakeHost::messages() {
  static std::vector<std::string> entries;
  return entries;
}

void FakeHost::clear() {
  log().clear();
  messages().clear();
}
