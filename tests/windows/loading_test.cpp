// The plug-in DLL as the Windows loader gives it to the host and to other processes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "plugin/host_functions.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/windows_support.h"

namespace {

using namespace wintest;

const char kRefusal[] =
    "[message box] Can not execute this plugin - Tarnwick NZ version 2.8 or higher required.";

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
  for (const std::string& each : lines) {
    if (each == line) return true;
  }
  return false;
}

TEST(WindowsLoading, HostVersionMatrix) {
  struct Case {
    const char* version;
    bool accepted;
  };
  const Case cases[] = {{"2.8.0", true},   {"2.9.-5", true},   {"3.0.0", true},  {"2.7.0", false},
                        {"2.7.12", false}, {"1.99.99", false}, {"2.8.-1", false}};
  for (const Case& c : cases) {
    TempDir dir;
    // No anatomical document: an accepted plug-in's run stops at once (status 4).
    ProcessResult run = runHost({"--host-version", c.version, "--log", "log.txt"}, dir.path());
    EXPECT_EQ(run.status, c.accepted ? 4 : 3) << c.version << "\n" << run.output;
    EXPECT_EQ(contains(run.output, kRefusal), !c.accepted) << c.version;
    EXPECT_EQ(contains(run.output, "initPlugin accepted"), c.accepted) << c.version;
    if (c.accepted) {
      EXPECT_EQ(readLogEntries(dir.path() / "log.txt"),
                (std::vector<std::string>{"\nfolwyn (v0.8.4)> Started...",
                                          "No VMR present, action cancelled."}));
    }
  }
}

TEST(WindowsLoading, TheStandInHostShowsTheTextsOfTheDll) {
  TempDir dir;
  ProcessResult run = runHost({}, dir.path());
  EXPECT_TRUE(contains(run.output, "getPluginName: folwyn (v0.8.4)\n")) << run.output;
  EXPECT_TRUE(contains(run.output, "getPluginVersion: 0.8.4\n"));
  EXPECT_TRUE(contains(run.output,
                       "getPluginDescription: This tool convert from stimulation "
                       "protocols (*.prt) to design matrices (*.sdm)<P>"));
}

TEST(WindowsLoading, AProcessThatIsNotTheHostIsRefusedSilently) {
  // Beside a file named TarnwickNZ.exe: the plug-in looks for a loaded module, it never loads
  // one, so the file next to it makes no difference.
  TempDir dir;
  for (const fs::path& file : {probeFile(), pluginFile(), hostFile()}) {
    fs::copy_file(file, dir.path() / file.filename());
  }
  ProcessResult run = runProgram(dir.path() / probeFile().filename(),
                                 {narrow(dir.path() / pluginFile().filename())}, dir.path());
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "initPlugin: false\n");
}

TEST(WindowsLoading, FakeHostModulesWithMissingFunctions) {
  struct Case {
    const char* module;
    const char* output;
  };
  // The plug-in binds the module it finds by name and keeps no reference to it: once the probe
  // lets the module go, it is unloaded.
  const Case cases[] = {
      {"windows_all_but_version", "initPlugin: false\nhost module unloaded: yes\n"},
      {"windows_version_only", "initPlugin: true\nexecute: false\nhost module unloaded: yes\n"},
      {"windows_version_and_message_box",
       "initPlugin: true\n"
       "[message box] Can not execute this plugin - the host lacks the function nzShowLogTab.\n"
       "execute: false\nhost module unloaded: yes\n"},
  };
  for (const Case& c : cases) {
    ProcessResult run =
        runProgram(probeFile(), {narrow(pluginFile()), narrow(fakeHostFile(c.module))});
    EXPECT_EQ(run.status, 0) << c.module << "\n" << run.output;
    EXPECT_EQ(run.output, c.output) << c.module;
  }
}

TEST(WindowsLoading, TheDllExportsItsFunctionsAndClassMembersAndNothingElse) {
  ProcessResult run = runProgram(probeFile(), {"--exports", narrow(pluginFile())});
  ASSERT_EQ(run.status, 0) << run.output;
  const std::vector<std::string> exports = linesOf(run.output);
  for (const char* name :
       {"createPlugin", "getPluginName", "getPluginVersion", "getPluginDescription", "getAuthor",
        "getHelpFile", "getGUIScript", "TWNZPluginInterface::TWNZPluginInterface()",
        "TWNZPluginInterface::TWNZPluginInterface(TWNZPluginInterface const&)",
        "TWNZPluginInterface::operator=(TWNZPluginInterface const&)",
        "TWNZPluginInterface::~TWNZPluginInterface()", "vtable for TWNZPluginInterface",
        "Folwyn::Folwyn()", "Folwyn::~Folwyn()", "Folwyn::execute()", "Folwyn::initPlugin()"}) {
    EXPECT_TRUE(hasLine(exports, name)) << name << "\n" << run.output;
  }
  // Only the plug-in's face: its C functions and the members of its two classes (constructors
  // and destructors come in several variants, with type information and virtual tables).
  for (const std::string& name : exports) {
    const bool face = name.rfind("get", 0) == 0 || name == "createPlugin" ||
                      contains(name, "TWNZPluginInterface") || contains(name, "Folwyn");
    EXPECT_TRUE(face) << "exported: " << name;
  }
}

TEST(WindowsLoading, TheStandInHostExportsEveryHostFunctionByNameAndNothingElse) {
  ProcessResult run = runProgram(probeFile(), {"--exports", narrow(hostFile())});
  ASSERT_EQ(run.status, 0) << run.output;
  const std::vector<std::string> exports = linesOf(run.output);
#define FOLWYN_EXPECT_EXPORTED(name, ...) EXPECT_TRUE(hasLine(exports, #name)) << #name;
  FOLWYN_HOST_FUNCTIONS(FOLWYN_EXPECT_EXPORTED, FOLWYN_EXPECT_EXPORTED)
#undef FOLWYN_EXPECT_EXPORTED
  // The host links some of the plug-in's objects; none of the plug-in's exports comes with them.
  for (const std::string& name : exports) {
    EXPECT_EQ(name.rfind("nz", 0), 0u) << "exported: " << name;
  }
}

}  // namespace
