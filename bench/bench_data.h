// Input files for the benchmarks, written in the forms the plug-in reads and laid out as the host
// and the usual tools write them: motion estimates, heart-rate and respiration predictors in the
// SDM and RTC forms, design matrices as the host saves them, and file lists. Values come from a
// seeded generator, so every run measures the same bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace bench {

// A folder of its own under $FOLWYN_BENCH_DIR (or the system's temporary folder), removed with
// everything in it at the end.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& purpose);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

enum class Form { Sdm, Rtc };

// Six motion estimates a row ("%10.6f" columns, as motion-correction tools write them), quoted
// names with blanks; the SDM form carries six colours.
void writeMotionFile(const std::string& path, Form form, std::int64_t rows, std::uint32_t seed);

// Heart-rate predictors: in the RTC form one column of beats per minute; in the SDM form two
// columns and the constant (includes constant 1), as a physiological-noise tool writes them.
void writeHeartRateFile(const std::string& path, Form form, std::int64_t rows, std::uint32_t seed);

// Respiration predictors in the SDM form: two columns and the constant.
void writeRespirationFile(const std::string& path, std::int64_t rows, std::uint32_t seed);

// A design matrix as the host saves it: predictors HRF-like columns in the shortest float form
// (a tenth of the values exact zeros), then the constant 1; includes constant 1.
void writeDesignMatrix(const std::string& path, int predictors, std::int64_t rows,
                       std::uint32_t seed);

// A file list of groups of four entries each (protocol, VTC, motion and heart-rate file) under
// a study folder of deep paths; entries = 4 x groups.
void writeFileList(const std::string& path, int groups);

// The size of the file at path in bytes.
std::int64_t fileBytes(const std::string& path);

}  // namespace bench
