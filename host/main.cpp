// TarnwickNZ.exe, the stand-in host: loads a plug-in library as the host does and runs it,
// answering its dialogs from a script.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "host/call_timing.h"
#include "host/documents.h"
#include "host/library_loader.h"
#include "host/preview_command.h"
#include "host/standin_host.h"
#include "plugin/folwyn_plugin.h"

namespace {

const char kUsage[] =
    "usage: TarnwickNZ.exe [options] PLUGIN_LIBRARY\n"
    "       TarnwickNZ.exe make-vtc --volumes N --tr MS OUT.vtc\n"
    "       TarnwickNZ.exe preview [--motion] [--form sdm|rtc] IN.sdm|IN.rtc OUT.svg\n"
    "options:\n"
    "  --host-version X.Y.Z  version the host reports (default 2.8.0)\n"
    "  --vmr FILE            current anatomical document (must exist); default: none\n"
    "  --answers FILE        answer script, one answer a line: yesno VALUE | float VALUE |\n"
    "                        file PATH (VALUE: yes, no or an integer; a number or cancel;\n"
    "                        a path or cancel)\n"
    "  --answer 'KIND VALUE' one more answer, after those of the answers file\n"
    "  --log FILE            write every log entry to FILE, one escaped line each\n"
    "  --calls FILE          write every host call to FILE, one escaped line each\n"
    "  --runs N              call execute N times (default 1)\n"
    "  --quiet               print nothing but errors\n"
    "  --timing              after each run print its time, the time spent in host functions\n"
    "                        and the difference, the plug-in's own time (also with --quiet)\n"
    "exit status: 0 run succeeded, 1 usage, 2 library not loaded, 3 initPlugin refused,\n"
    "             4 execute returned false\n";

bool parseVersion(const std::string& text, standin::HostConfig& config) {
  return std::sscanf(text.c_str(), "%d.%d.%d", &config.versionMajor, &config.versionMinor,
                     &config.versionSub) == 3;
}

int usageError(const std::string& message) {
  std::cerr << "TarnwickNZ.exe: " << message << "\n" << kUsage;
  return 1;
}

const char* textOf(void* library, const char* name) {
  auto function = reinterpret_cast<PluginTextFunction>(standin::librarySymbol(library, name));
  return function != nullptr ? function() : nullptr;
}

// One line a run: "[timing] run N: execute S s, host functions S s, plug-in S s".
void printRunTiming(int run, double executeSeconds, double hostSeconds) {
  std::printf("[timing] run %d: execute %.6f s, host functions %.6f s, plug-in %.6f s\n", run,
              executeSeconds, hostSeconds, executeSeconds - hostSeconds);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "make-vtc") == 0) {
    return standin::makeVtcCommand(argc - 2, argv + 2);
  }
  if (argc >= 2 && std::strcmp(argv[1], "preview") == 0) {
    return standin::previewCommand(argc - 2, argv + 2);
  }

  standin::HostConfig config;
  standin::AnswerScript answers;
  std::vector<std::string> extraAnswers;
  std::string vmrPath;
  std::string pluginPath;
  int runs = 1;
  bool timing = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::string text;
    if (arg == "--host-version") {
      if (!value(text) || !parseVersion(text, config)) return usageError("bad --host-version");
    } else if (arg == "--vmr") {
      if (!value(vmrPath)) return usageError("--vmr needs a file");
    } else if (arg == "--answers") {
      std::string error;
      if (!value(text)) return usageError("--answers needs a file");
      if (!standin::loadAnswerFile(answers, text, error)) return usageError(error);
    } else if (arg == "--answer") {
      if (!value(text)) return usageError("--answer needs a value");
      extraAnswers.push_back(text);
    } else if (arg == "--log") {
      if (!value(config.logFile)) return usageError("--log needs a file");
    } else if (arg == "--calls") {
      if (!value(config.callsFile)) return usageError("--calls needs a file");
    } else if (arg == "--runs") {
      if (!value(text) || std::sscanf(text.c_str(), "%d", &runs) != 1 || runs < 0) {
        return usageError("bad --runs");
      }
    } else if (arg == "--quiet") {
      config.quiet = true;
    } else if (arg == "--timing") {
      timing = true;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (!arg.empty() && arg[0] == '-') {
      return usageError("unknown option " + arg);
    } else if (pluginPath.empty()) {
      pluginPath = arg;
    } else {
      return usageError("more than one plug-in library given");
    }
  }
  if (pluginPath.empty()) return usageError("no plug-in library given");
  for (const std::string& line : extraAnswers) {
    if (!standin::addAnswerLine(answers, line)) return usageError("not an answer: " + line);
  }

  standin::configureHost(config, answers);
  std::string error;
  if (!standin::openAnatomicalDocument(vmrPath, error)) return usageError(error);

  void* library = standin::openLibrary(pluginPath, error);
  if (library == nullptr) {
    std::cerr << "TarnwickNZ.exe: cannot load " << pluginPath << ": " << error << "\n";
    return 2;
  }
  for (const char* name : {"getPluginName", "getPluginVersion", "getPluginDescription"}) {
    const char* text = textOf(library, name);
    standin::say(std::string("[plug-in] ") + name + ": " + (text != nullptr ? text : "(none)"));
  }
  auto create =
      reinterpret_cast<CreatePluginFunction>(standin::librarySymbol(library, "createPlugin"));
  if (create == nullptr) {
    std::cerr << "TarnwickNZ.exe: " << pluginPath << " exports no createPlugin\n";
    standin::closeLibrary(library);
    return 2;
  }

  TWNZPluginInterface* plugin = create();
  int status = 0;
  if (!plugin->initPlugin()) {
    standin::say("[plug-in] initPlugin refused");
    status = 3;
  } else {
    standin::say("[plug-in] initPlugin accepted");
    for (int run = 0; run < runs; ++run) {
      const double hostBefore = standin::hostCallSeconds();
      const auto start = std::chrono::steady_clock::now();
      bool result = plugin->execute();
      const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
      standin::say(std::string("[plug-in] execute returned ") + (result ? "true" : "false"));
      if (timing) printRunTiming(run + 1, elapsed.count(), standin::hostCallSeconds() - hostBefore);
      if (!result) status = 4;
    }
  }
  delete plugin;
  standin::closeLibrary(library);
  return status;
}
