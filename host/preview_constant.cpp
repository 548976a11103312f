#include "host/preview_constant.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#include "confounds/confound_readers.h"
#include "host/preview_reader_log.h"

namespace standin {
namespace {

namespace fs = std::filesystem;

// The includes-constant value is the eighth item of the header: four keys and values before it.
constexpr int kIncludesConstantItem = 8;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// White space as the plug-in's item scanner takes it (that of the classic locale).
bool isWhite(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A file of a new name in the temporary folder, removed with the object.
class TemporaryCopy {
 public:
  TemporaryCopy() {
    std::error_code error;
    const fs::path folder = fs::temp_directory_path(error);
    if (error) return;
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 16 && file_ == nullptr; ++attempt) {
      path_ = folder / ("folwyn-preview-" + std::to_string(random()) + ".sdm");
      // "x": created here, never an existing file taken over.
      file_.reset(std::fopen(path_.string().c_str(), "wbx"));
    }
  }
  ~TemporaryCopy() {
    file_.reset();
    if (!path_.empty()) {
      std::error_code ignored;
      fs::remove(path_, ignored);
    }
  }
  TemporaryCopy(const TemporaryCopy&) = delete;
  TemporaryCopy& operator=(const TemporaryCopy&) = delete;

  std::FILE* file() const { return file_.get(); }
  std::string path() const { return path_.string(); }
  // Closes the file; true when everything written reached it.
  bool close() {
    bool written = file_ != nullptr && std::ferror(file_.get()) == 0;
    written = std::fclose(file_.release()) == 0 && written;
    return written;
  }

 private:
  fs::path path_;
  File file_;
};

// Copies in to out with the includes-constant value replaced by "0"; true when the whole file
// was copied.
bool copyWithoutConstantFlag(std::FILE* in, std::FILE* out) {
  int item = 0;
  bool inItem = false;
  int c = 0;
  while ((c = std::getc(in)) != EOF) {
    if (isWhite(c)) {
      inItem = false;
    } else if (!inItem) {
      inItem = true;
      ++item;
      if (item == kIncludesConstantItem && std::fputc('0', out) == EOF) return false;
    }
    if (item == kIncludesConstantItem && inItem) continue;
    if (std::fputc(c, out) == EOF) return false;
    if (item >= kIncludesConstantItem) break;
  }
  std::array<char, 64 * 1024> block;
  std::size_t count = 0;
  while ((count = std::fread(block.data(), 1, block.size(), in)) > 0) {
    if (std::fwrite(block.data(), 1, count, out) != count) return false;
  }
  return std::ferror(in) == 0 && item >= kIncludesConstantItem;
}

// True when the copy's first predictors are those the reader read from the file itself.
bool sameRetainedPredictors(const ConfoundSet& all, const ConfoundSet& withoutConstant) {
  const auto retained = static_cast<std::size_t>(withoutConstant.nrOfPredictors);
  if (all.colorTable.size() != retained + 1 || all.predictorNames.size() != retained + 1 ||
      all.columns.size() != retained + 1 || withoutConstant.colorTable.size() != retained ||
      withoutConstant.predictorNames.size() != retained ||
      withoutConstant.columns.size() != retained) {
    return false;
  }
  for (std::size_t i = 0; i < retained; ++i) {
    if (all.colorTable[i] != withoutConstant.colorTable[i] ||
        all.predictorNames[i] != withoutConstant.predictorNames[i] ||
        all.columns[i] != withoutConstant.columns[i]) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool readConstantPredictor(const std::string& path, const PreviewHeader& header,
                           const ConfoundSet& withoutConstant, PreviewPredictor& constant,
                           std::string& error) {
  File in(std::fopen(path.c_str(), "rb"));
  if (in == nullptr) {
    error = "the file could not be opened again to read its constant predictor";
    return false;
  }
  TemporaryCopy copy;
  if (copy.file() == nullptr) {
    error = "no temporary copy could be made to read the constant predictor";
    return false;
  }
  const bool copied = copyWithoutConstantFlag(in.get(), copy.file());
  if (!copy.close() || !copied) {
    error = "no temporary copy could be made to read the constant predictor";
    return false;
  }

  ConfoundSet all;
  {
    ReaderLog quiet;  // the reader's lines of the copy are not the file's
    all = readConfoundSdm(copy.path().c_str(), ConfoundKind::HeartRate);
  }
  if (!all.readOk || all.nrOfPredictors != header.nrOfPredictors ||
      all.nrOfDataPoints != header.nrOfDataPoints ||
      !sameRetainedPredictors(all, withoutConstant) || all.colorTable.back().size() != 3) {
    error = "the constant predictor could not be read like the other predictors";
    return false;
  }
  const std::vector<std::int32_t>& color = all.colorTable.back();
  constant.name = all.predictorNames.back();
  constant.color = {color[0], color[1], color[2]};
  constant.values = std::move(all.columns.back());
  constant.constant = true;
  return true;
}

}  // namespace standin
