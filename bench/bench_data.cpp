#include "bench/bench_data.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <system_error>

namespace bench {
namespace {

// Buffered text output to a file; throws when the file cannot be written.
class TextFile {
 public:
  explicit TextFile(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {
    if (file_ == nullptr) throw std::runtime_error("cannot create " + path);
  }
  ~TextFile() {
    if (file_ != nullptr) std::fclose(file_);
  }
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  TextFile& operator<<(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
      throw std::runtime_error("cannot write a benchmark file");
    }
    return *this;
  }
  TextFile& operator<<(const char* text) { return *this << std::string(text); }
  TextFile& operator<<(long long value) { return *this << std::to_string(value); }

  // value as "%10.6f" (the column layout of motion and physiology files).
  void column(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%10.6f", value);
    *this << text;
  }

 private:
  std::FILE* file_;
};

void sdmHeader(TextFile& out, int predictors, std::int64_t rows, int includesConstant,
               int firstConfound) {
  out << "FileVersion: 1\n\nNrOfPredictors: " << predictors << "\nNrOfDataPoints: " << rows
      << "\nIncludesConstant: " << includesConstant << "\nFirstConfoundPredictor: " << firstConfound
      << "\n\n";
}

void rtcHeader(TextFile& out, int predictors, std::int64_t rows) {
  out << "FileVersion: 1\nType: DesignMatrix\nNrOfPredictors: " << predictors
      << "\nNrOfDataPoints: " << rows << "\n\n";
}

// A slowly wandering value, as motion and physiological traces are.
class Trace {
 public:
  Trace(std::mt19937& random, double level, double step)
      : random_(random), value_(level), level_(level), step_(step) {}
  double next() {
    std::normal_distribution<double> change(0.0, step_);
    value_ += change(random_) - 0.05 * (value_ - level_);
    return value_;
  }

 private:
  std::mt19937& random_;
  double value_;
  double level_;
  double step_;
};

// Two physiology columns and the constant (SDM form), as heart-rate and respiration files hold.
void writePhysiologySdm(const std::string& path, const char* name, std::int64_t rows,
                        std::uint32_t seed, double level) {
  TextFile out(path);
  std::mt19937 random(seed);
  sdmHeader(out, 3, rows, 1, 3);
  out << "0 200 200   0 140 140   255 255 255\n\"" << name << "\" \"" << name
      << "_lag6s\" \"Constant\"\n";
  Trace first(random, level, level * 0.02);
  Trace second(random, level, level * 0.02);
  for (std::int64_t r = 0; r < rows; ++r) {
    out.column(first.next());
    out << " ";
    out.column(second.next());
    out << "   1.000000\n";
  }
}

}  // namespace

ScratchFolder::ScratchFolder(const std::string& purpose) {
  const char* base = std::getenv("FOLWYN_BENCH_DIR");
  std::filesystem::path root = base != nullptr && *base != '\0'
                                   ? std::filesystem::path(base)
                                   : std::filesystem::temp_directory_path();
  std::random_device device;
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = root / ("folwyn-bench-" + purpose + "-" + std::to_string(device()));
    std::error_code error;
    std::filesystem::create_directories(root, error);
    if (std::filesystem::create_directory(path_, error)) return;
  }
  throw std::runtime_error("cannot create a scratch folder under " + root.string());
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

void writeMotionFile(const std::string& path, Form form, std::int64_t rows, std::uint32_t seed) {
  TextFile out(path);
  std::mt19937 random(seed);
  if (form == Form::Sdm) {
    sdmHeader(out, 6, rows, 0, 1);
    out << "255 0 0   0 255 0   0 0 255   255 255 0   255 0 255   0 255 255\n";
  } else {
    rtcHeader(out, 6, rows);
  }
  out << "\"Translation X [mm]\" \"Translation Y [mm]\" \"Translation Z [mm]\" "
         "\"Rotation X [deg]\" \"Rotation Y [deg]\" \"Rotation Z [deg]\"\n";
  Trace traces[6] = {{random, 0.0, 0.01},  {random, 0.0, 0.01},  {random, 0.0, 0.01},
                     {random, 0.0, 0.005}, {random, 0.0, 0.005}, {random, 0.0, 0.005}};
  for (std::int64_t r = 0; r < rows; ++r) {
    for (int c = 0; c < 6; ++c) {
      out << " ";
      out.column(traces[c].next());
    }
    out << "\n";
  }
}

void writeHeartRateFile(const std::string& path, Form form, std::int64_t rows, std::uint32_t seed) {
  if (form == Form::Sdm) {
    writePhysiologySdm(path, "HeartRate", rows, seed, 66.0);
    return;
  }
  TextFile out(path);
  std::mt19937 random(seed);
  rtcHeader(out, 1, rows);
  out << "\"HeartRate_bpm\"\n";
  Trace trace(random, 66.0, 0.8);
  for (std::int64_t r = 0; r < rows; ++r) {
    out.column(trace.next());
    out << "\n";
  }
}

void writeRespirationFile(const std::string& path, std::int64_t rows, std::uint32_t seed) {
  writePhysiologySdm(path, "RVT", rows, seed, 0.5);
}

void writeDesignMatrix(const std::string& path, int predictors, std::int64_t rows,
                       std::uint32_t seed) {
  TextFile out(path);
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> value(-0.35f, 1.0f);
  std::bernoulli_distribution zero(0.1);
  const int count = predictors + 1;
  out << "FileVersion: 1\n\nNrOfPredictors: " << count << "\nNrOfDataPoints: " << rows
      << "\nIncludesConstant: 1\nFirstConfoundPredictor: " << count << "\n\n";
  for (int p = 0; p < predictors; ++p) {
    out << (p > 0 ? "   " : "") << (p * 37 % 256) << " " << (p * 91 % 256) << " " << (p * 53 % 256);
  }
  out << "   255 255 255\n";
  for (int p = 0; p < predictors; ++p) out << "\"Condition" << (p + 1) << "\" ";
  out << "\"Constant\"\n";
  std::string row;
  for (std::int64_t r = 0; r < rows; ++r) {
    row.clear();
    for (int p = 0; p < predictors; ++p) {
      char text[32];
      const float v = zero(random) ? 0.0f : value(random);
      auto [end, error] = std::to_chars(text, text + sizeof text, v);
      row.append(text, end);
      row += ' ';
    }
    row += "1\n";
    out << row;
  }
}

void writeFileList(const std::string& path, int groups) {
  TextFile out(path);
  out << groups << "\n";
  for (int g = 0; g < groups; ++g) {
    const std::string run = "/data/projects/visual-categories/sub-" + std::to_string(g / 8 + 1) +
                            "/ses-1/func/run-" + std::to_string(g % 8 + 1) + "/";
    out << run << "faces_houses.prt\n"
        << run << "run" << std::to_string(g % 8 + 1) << ".vtc\n"
        << run << "run" << std::to_string(g % 8 + 1) << "_3DMC.sdm\n"
        << run << "run" << std::to_string(g % 8 + 1) << "_HR.rtc\n";
  }
}

std::int64_t fileBytes(const std::string& path) {
  return static_cast<std::int64_t>(std::filesystem::file_size(path));
}

}  // namespace bench
