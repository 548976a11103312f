#include "host/preview_command.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "host/atomic_file.h"
#include "host/preview_matrix.h"
#include "host/preview_svg.h"
#include "host/standin_host.h"

namespace standin {
namespace {

constexpr char kPreviewUsage[] =
    "usage: TarnwickNZ.exe preview [--motion] [--form sdm|rtc] IN.sdm|IN.rtc OUT.svg\n";

constexpr int kUsageStatus = 1;
constexpr int kInputStatus = 2;
constexpr int kOutputStatus = 3;

int usageError(const std::string& message) {
  std::cerr << "TarnwickNZ.exe preview: " << message << "\n" << kPreviewUsage;
  return kUsageStatus;
}

int failure(int status, const std::string& message) {
  std::cerr << "TarnwickNZ.exe preview: " << message << "; no preview written\n";
  return status;
}

bool endsInSvg(const std::string& path) {
  if (path.size() < 4) return false;
  std::string end = path.substr(path.size() - 4);
  std::transform(end.begin(), end.end(), end.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return end == ".svg";
}

bool sameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return a == b || std::filesystem::equivalent(a, b, error);
}

}  // namespace

int previewCommand(int argc, char** argv) {
  PreviewReader reader = PreviewReader::Predictors;
  bool formGiven = false;
  PreviewForm form = PreviewForm::Sdm;
  std::string inPath;
  std::string outPath;
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--motion") {
      reader = PreviewReader::Motion;
    } else if (arg == "--form") {
      const std::string value = i + 1 < argc ? argv[++i] : "";
      if (value != "sdm" && value != "rtc") return usageError("--form needs sdm or rtc");
      formGiven = true;
      form = value == "rtc" ? PreviewForm::Rtc : PreviewForm::Sdm;
    } else if (!arg.empty() && arg[0] == '-') {
      return usageError("unknown option " + arg);
    } else if (inPath.empty()) {
      inPath = arg;
    } else if (outPath.empty()) {
      outPath = arg;
    } else {
      return usageError("more than one output file given");
    }
  }
  if (inPath.empty() || outPath.empty()) return usageError("IN and OUT.svg are needed");
  // A preview never replaces a design matrix or confound file by a picture.
  if (!endsInSvg(outPath)) return usageError("the output file must end in .svg");
  if (sameFile(inPath, outPath)) return usageError("the output file is the input file");
  if (!formGiven) form = previewFormOfPath(inPath);

  PreviewMatrix matrix;
  std::string error;
  if (!readPreviewMatrix(inPath, form, reader, matrix, error)) {
    return failure(kInputStatus, inPath + ": " + error);
  }
  if (matrix.predictors.size() > kMaxPreviewPredictors) {
    return failure(kInputStatus, inPath + ": " + std::to_string(matrix.predictors.size()) +
                                     " predictors, more than the " +
                                     std::to_string(kMaxPreviewPredictors) + " a preview draws");
  }
  if (!writeFileAtomically(outPath, drawPreviewSvg(matrix), error)) {
    return failure(kOutputStatus, error);
  }
  say("[host] preview of " + inPath + " written to " + outPath + " (" +
      std::to_string(matrix.predictors.size()) + " predictors, " +
      std::to_string(matrix.header.nrOfDataPoints) + " data points)");
  return 0;
}

}  // namespace standin
