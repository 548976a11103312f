#include "tests/windows/windows_support.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "host/native_path.h"
#include "host/standin_host.h"

namespace wintest {

namespace {

std::string withNewlines(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace

fs::path testFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return fs::path(path).parent_path();
}

fs::path buildRoot() {
  return (testFolder() / FOLWYN_TO_BUILD_ROOT).lexically_normal();
}

fs::path sourceRoot() {
  return (testFolder() / FOLWYN_TO_SOURCE_ROOT).lexically_normal();
}

fs::path pluginFile() {
  return buildRoot() / FOLWYN_PLUGIN_FILE;
}

fs::path hostFile() {
  return buildRoot() / FOLWYN_HOST_FILE;
}

fs::path probeFile() {
  return testFolder() / "windows_probe.exe";
}

fs::path fakeHostFile(const std::string& name) {
  return testFolder() / "fake_hosts" / name / "TarnwickNZ.exe";
}

std::string narrow(const fs::path& path) {
  return standin::narrowPath(path);
}

ProcessResult runProgram(const fs::path& program, const std::vector<std::string>& arguments,
                         const fs::path& workDir) {
  ProcessResult result =
      runProcess(narrow(program), arguments, workDir.empty() ? "" : narrow(workDir));
  result.output = withNewlines(result.output);
  return result;
}

ProcessResult runHost(const std::vector<std::string>& options, const fs::path& workDir) {
  std::vector<std::string> arguments = options;
  arguments.push_back(narrow(pluginFile()));
  return runProgram(hostFile(), arguments, workDir);
}

std::vector<std::string> readLogEntries(const fs::path& logFile) {
  std::vector<std::string> entries;
  std::ifstream in(logFile, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) entries.push_back(standin::unescapeLine(line));
  return entries;
}

std::string readBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void writeBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

void copyExampleStudy(const fs::path& folder) {
  fs::copy(sourceRoot() / "examples" / "study", folder, fs::copy_options::recursive);
}

const std::vector<std::string>& exampleStudyOutputs() {
  static const std::vector<std::string> outputs = {
      "run1/run1_faces_houses.sdm", "run1/run1_faces_houses_3DMC_z_HR_z_RVT_z.sdm",
      "run2/run2_faces_houses_msec.sdm", "run2/run2_faces_houses_msec_3DMC_z.sdm",
      "run3/run3_face_trials.sdm"};
  return outputs;
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace wintest
