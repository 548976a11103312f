// The plug-in library as hosts and other processes load it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_support.h"
#include "tests/support/temp_dir.h"

namespace {

using Strings = std::vector<std::string>;

const char kDescription[] =
    "This tool convert from stimulation protocols (*.prt) to design matrices (*.sdm)<P><I>Use of "
    "the tool</I><BR>Before starting the conversion, load a *.vmr.<BR>The protocol file names "
    "(*.prt), functional data names (*.vtc) and motion estimate names (*_3DMC.sdm) are retrieved "
    "from a text file.<BR><I>Notes</I><BR>- Please ensure that the *.vmr or *.vtc file are in the "
    "same directory as the *.prt files, otherwise the protocol cannot be automatically linked to "
    "the *.vtc.<BR>- The *.sdm files are saved in the same directory as the *.vtc file.<BR>- The "
    "number of time points in the design matrix file will depend from the *.vtc file.<BR><I>New "
    "in v0.7:</I> z-Transform motion estimates.<BR><I>New in v0.8:</I> add other external "
    "confounds (in *.sdm file).<BR><I>Added v0.8.2:</I> Filename now also contains VTC "
    "name.<BR><I>0.8.3:</I> Change of resulting file names ((_z) for each confound), automated "
    "recognition of confound names.<BR><I>0.8.4:</I> Bugfix of skipping first protocol name.<BR>";

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

ProcessResult probe(const std::string& module = "") {
  std::string command = shellQuote(FOLWYN_PROBE_PATH) + " " + shellQuote(FOLWYN_PLUGIN_PATH);
  if (!module.empty()) {
    command +=
        " " + shellQuote(std::string(FOLWYN_FAKE_HOSTS_DIR) + "/" + module + "/TarnwickNZ.exe");
  }
  return runCommand(command);
}

TEST(Loading, TheStandInHostShowsTheTextsAndAcceptsItsVersion) {
  TempDir dir;
  ProcessResult run = runHost("", dir.file("log.txt"));
  EXPECT_EQ(run.status, 4) << run.output;  // no anatomical document: execute returns false
  EXPECT_TRUE(contains(run.output, "getPluginName: folwyn (v0.8.4)\n")) << run.output;
  EXPECT_TRUE(contains(run.output, "getPluginVersion: 0.8.4\n"));
  EXPECT_TRUE(contains(run.output, std::string("getPluginDescription: ") + kDescription + "\n"));
  EXPECT_TRUE(contains(run.output, "initPlugin accepted"));
}

TEST(Loading, HostVersionMatrix) {
  struct Case {
    const char* version;
    bool accepted;
  };
  const Case cases[] = {{"2.8.0", true},   {"2.9.-5", true},   {"3.0.0", true},  {"2.7.0", false},
                        {"2.7.12", false}, {"1.99.99", false}, {"2.8.-1", false}};
  const std::string refusal =
      "[message box] Can not execute this plugin - Tarnwick NZ version 2.8 or higher required.";
  for (const Case& c : cases) {
    TempDir dir;
    // No anatomical document: an accepted plug-in's run stops at once.
    ProcessResult run = runHost(std::string("--host-version ") + c.version, dir.file("log.txt"));
    EXPECT_EQ(run.status, c.accepted ? 4 : 3) << c.version << "\n" << run.output;
    EXPECT_EQ(contains(run.output, refusal), !c.accepted) << c.version;
    EXPECT_EQ(contains(run.output, "initPlugin accepted"), c.accepted) << c.version;
  }
}

TEST(Loading, AProcessThatIsNotTheHostIsRefusedSilently) {
  ProcessResult run = probe();
  EXPECT_EQ(run.output, "initPlugin: false\n");
}

TEST(Loading, AHostModuleWithoutItsVersionFunctionIsRefused) {
  ProcessResult run = probe("all_but_version");
  EXPECT_EQ(run.output, "initPlugin: false\n");
}

TEST(Loading, AHostModuleWithOnlyItsVersionFunctionBindsButNeverRuns) {
  // initPlugin succeeds; execute refuses before calling any of the missing functions (a call
  // through a null entry would crash the host).
  EXPECT_EQ(probe("version_only").output, "initPlugin: true\nexecute: false\n");
  EXPECT_EQ(probe("version_and_message_box").output,
            "initPlugin: true\n"
            "[message box] Can not execute this plugin - the host lacks the function "
            "nzShowLogTab.\n"
            "execute: false\n");
}

TEST(Loading, TheLibraryExportsItsFunctionsAndClassMembers) {
  ProcessResult raw =
      runCommand("nm -D --defined-only " + shellQuote(FOLWYN_PLUGIN_PATH) + " | awk '{print $3}'");
  ASSERT_EQ(raw.status, 0) << raw.output;
  for (const char* name : {"createPlugin", "getPluginName", "getPluginVersion",
                           "getPluginDescription", "getAuthor", "getHelpFile", "getGUIScript"}) {
    EXPECT_TRUE(contains(raw.output, std::string("\n") + name + "\n")) << name;
  }
  ProcessResult demangled = runCommand("nm -DC --defined-only " + shellQuote(FOLWYN_PLUGIN_PATH));
  for (const char* member :
       {"TWNZPluginInterface::TWNZPluginInterface()",
        "TWNZPluginInterface::TWNZPluginInterface(TWNZPluginInterface const&)",
        "TWNZPluginInterface::operator=(TWNZPluginInterface const&)",
        "TWNZPluginInterface::~TWNZPluginInterface()", "vtable for TWNZPluginInterface",
        "Folwyn::Folwyn()", "Folwyn::~Folwyn()", "Folwyn::execute()", "Folwyn::initPlugin()"}) {
    EXPECT_TRUE(contains(demangled.output, member)) << member;
  }
  // Nothing of the plug-in's inner working is exported.
  EXPECT_FALSE(contains(demangled.output, "bindHostApi"));
  EXPECT_FALSE(contains(demangled.output, "readFileList"));
}

TEST(Loading, NoAnatomicalDocumentShowsTheMessageBoxAndLogs) {
  TempDir dir;
  ProcessResult run = runHost("", dir.file("log.txt"));
  EXPECT_TRUE(contains(run.output,
                       "[message box] This plugin requires that a VMR document is "
                       "available and selected in Tarnwick NZ."));
  EXPECT_EQ(readLogEntries(dir.file("log.txt")),
            (Strings{"\nfolwyn (v0.8.4)> Started...", "No VMR present, action cancelled."}));
}

}  // namespace
