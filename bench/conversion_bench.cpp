// The number-conversion limit of a merge: the numbers of the writer benchmark's merge parsed with
// std::from_chars and formatted with std::to_chars (the default form as general with precision
// 6, the fixed form as fixed with precision 6) into memory, with their separators, and nothing
// else: no file, no tokenising, no header. Reported in the same bytes as the merge, so that the
// writer's rate over this one is the share of the conversion limit it reaches. The same work with
// the plug-in's own number reader and writers (OwnConversionLimit) shows what share of the
// writer's time goes to anything but numbers.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/bench_names.h"
#include "bench/bench_registry.h"
#include "bench/merge_case.h"
#include "bench/ratio_report.h"
#include "confounds/number_format.h"
#include "confounds/number_parse.h"

namespace bench {
namespace {

// The texts of the numbers of the design matrix's data rows, in file order, over text.
std::vector<std::string_view> dataNumbers(const std::string& text, int predictors) {
  std::vector<std::string_view> items;
  std::size_t position = 0;
  while (true) {
    position = text.find_first_not_of(" \t\r\n", position);
    if (position == std::string::npos) break;
    std::size_t end = text.find_first_of(" \t\r\n", position);
    if (end == std::string::npos) end = text.size();
    items.emplace_back(text.data() + position, end - position);
    position = end;
  }
  // Ten header items, three colour items and one name per predictor, then the rows.
  const std::size_t head = 10 + 4 * static_cast<std::size_t>(predictors);
  return std::vector<std::string_view>(items.begin() + static_cast<std::ptrdiff_t>(head),
                                       items.end());
}

// Which number conversions a run uses.
enum class Conversions { Standard, Own };

class MemoryText {
 public:
  explicit MemoryText(Conversions conversions) : conversions_(conversions) {}

  // Room for the longest row item; the text wraps around, as only the work counts.
  void ensureRoom() {
    if (used_ + 400 > sizeof text_) used_ = 0;
  }
  void general(double value) {
    char* const end = text_ + sizeof text_;
    used_ = static_cast<std::size_t>(
        (conversions_ == Conversions::Own
             ? writeDefaultNumber(text_ + used_, end, value)
             : std::to_chars(text_ + used_, end, value, std::chars_format::general, 6).ptr) -
        text_);
  }
  void fixed(double value) {
    char* const end = text_ + sizeof text_;
    used_ = static_cast<std::size_t>(
        (conversions_ == Conversions::Own
             ? writeFixedNumber(text_ + used_, end, value)
             : std::to_chars(text_ + used_, end, value, std::chars_format::fixed, 6).ptr) -
        text_);
  }
  void character(char c) { text_[used_++] = c; }
  const char* data() const { return text_; }

 private:
  Conversions conversions_;
  char text_[64 * 1024];
  std::size_t used_ = 0;
};

void conversionBenchmark(benchmark::State& state, Conversions conversions) {
  const std::int64_t rows = state.range(0);
  const MergeCase& merged = mergeCase(rows);
  std::ifstream in(merged.input, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  const std::string text = content.str();
  const int predictors = kDesignPredictors + 1;
  const std::vector<std::string_view> numbers = dataNumbers(text, predictors);
  if (numbers.size() != static_cast<std::size_t>(rows * predictors)) {
    state.SkipWithError("the design matrix does not hold its rows");
    return;
  }
  const MergeSets& sets = *merged.sets;
  const ConfoundSet* tables[] = {&sets.heartRate, &sets.respiration};
  auto out = std::make_unique<MemoryText>(conversions);
  for (auto _ : state) {
    std::size_t item = 0;
    for (std::int64_t r = 0; r < rows; ++r) {
      const auto row = static_cast<std::size_t>(r);
      double held = 0.0;
      for (int j = 0; j < predictors; ++j) {
        const std::string_view number = numbers[item++];
        double value = 0.0;
        if (conversions == Conversions::Own) {
          parseNumber(number, value);
        } else {
          std::from_chars(number.data(), number.data() + number.size(), value);
        }
        out->ensureRoom();
        if (j == predictors - 1) {
          held = value;
          continue;
        }
        out->general(value);
        out->character('\t');
      }
      for (const auto& column : sets.motion.motionColumns) {
        out->ensureRoom();
        out->general(column[row]);
        out->character('\t');
      }
      for (const ConfoundSet* set : tables) {
        for (const auto& column : set->columns) {
          out->ensureRoom();
          out->fixed(column[row]);
          out->character('\t');
        }
      }
      out->ensureRoom();
      out->fixed(held);
      out->character('\n');
    }
    benchmark::DoNotOptimize(out->data());
    benchmark::ClobberMemory();
  }
  reportBytes(state, merged.textBytes);
}

}  // namespace

void registerConversionBenchmarks() {
  for (auto [name, conversions] : {std::pair{kConversionLimit, Conversions::Standard},
                                   std::pair{kOwnConversionLimit, Conversions::Own}}) {
    auto* registered = benchmark::RegisterBenchmark(name, conversionBenchmark, conversions);
    for (const char* rows : kWriterRowCounts) registered->Arg(std::stoll(rows));
    registered->Unit(benchmark::kMillisecond);
  }
}

}  // namespace bench
