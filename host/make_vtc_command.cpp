// The make-vtc subcommand: writes a VTC file of the stand-in's own format with a header of the
// given volumes and repetition time, followed by a short block of placeholder data.
#include <charconv>
#include <cstring>
#include <iostream>
#include <string>

#include "host/documents.h"
#include "host/standin_host.h"
#include "host/vtc_file.h"

namespace standin {
namespace {

constexpr char kMakeVtcUsage[] = "usage: TarnwickNZ.exe make-vtc --volumes N --tr MS OUT.vtc\n";

// The data the stand-in carries after the header without interpreting it.
constexpr std::size_t kPlaceholderDataSize = 16;

int makeVtcError(const std::string& message) {
  std::cerr << "TarnwickNZ.exe make-vtc: " << message << "\n" << kMakeVtcUsage;
  return 1;
}

template <typename Number>
bool readWhole(const char* text, Number& value) {
  const char* end = text + std::strlen(text);
  auto result = std::from_chars(text, end, value);
  return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

int makeVtcCommand(int argc, char** argv) {
  std::int32_t volumes = -1;
  float repetitionTime = 0.0f;
  std::string outPath;
  for (int i = 0; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--volumes") {
      if (!hasValue || !readWhole(argv[++i], volumes)) return makeVtcError("bad --volumes");
    } else if (arg == "--tr") {
      if (!hasValue || !readWhole(argv[++i], repetitionTime)) return makeVtcError("bad --tr");
    } else if (!arg.empty() && arg[0] == '-') {
      return makeVtcError("unknown option " + arg);
    } else if (outPath.empty()) {
      outPath = arg;
    } else {
      return makeVtcError("more than one output file given");
    }
  }
  if (volumes < 0) return makeVtcError("--volumes N is needed");
  if (repetitionTime == 0.0f) return makeVtcError("--tr MS is needed");
  if (outPath.empty()) return makeVtcError("no output file given");

  VtcFile vtc;
  vtc.header = makeVtcHeader(volumes, repetitionTime);
  vtc.data.assign(kPlaceholderDataSize, '\0');
  std::string error;
  if (!checkVtcHeader(vtc.header, error)) return makeVtcError(error);
  if (!writeVtcFile(outPath, vtc, error)) {
    std::cerr << "TarnwickNZ.exe make-vtc: " << error << "\n";
    return 2;
  }
  say("[host] wrote " + outPath + " (" + std::to_string(volumes) + " volumes, TR " +
      numberText(repetitionTime) + " ms)");
  return 0;
}

}  // namespace standin
