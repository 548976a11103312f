#include "host/boxcar.h"

#include <algorithm>
#include <cmath>

namespace standin {
namespace {

std::int64_t sampleAt(double ms) {
  return std::llround(ms / kFineStepMs);
}

}  // namespace

FineBoxcar makeBoxcar(const Condition& condition, TimeUnit unit, double repetitionTimeMs,
                      double value) {
  FineBoxcar boxcar;
  boxcar.value = value;
  boxcar.repetitionTimeMs = repetitionTimeMs;
  std::vector<std::pair<std::int64_t, std::int64_t>> spans;
  for (std::size_t i = 0; i < condition.starts.size() && i < condition.ends.size(); ++i) {
    double start = condition.starts[i];
    double end = condition.ends[i];
    std::pair<std::int64_t, std::int64_t> span =
        unit == TimeUnit::Volumes ? std::pair{sampleAt((start - 1.0) * repetitionTimeMs),
                                              sampleAt(end * repetitionTimeMs)}
                                  : std::pair{sampleAt(start), sampleAt(end + 1.0)};
    if (span.first < span.second) spans.push_back(span);
  }
  std::sort(spans.begin(), spans.end());
  for (const auto& span : spans) {
    if (!boxcar.on.empty() && span.first <= boxcar.on.back().second) {
      boxcar.on.back().second = std::max(boxcar.on.back().second, span.second);
    } else {
      boxcar.on.push_back(span);
    }
  }
  return boxcar;
}

std::int64_t volumeSample(std::size_t volume, double repetitionTimeMs) {
  return sampleAt(static_cast<double>(volume) * repetitionTimeMs);
}

void sampleBoxcar(const FineBoxcar& boxcar, std::span<float> values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    std::int64_t sample = volumeSample(i, boxcar.repetitionTimeMs);
    bool on = std::any_of(boxcar.on.begin(), boxcar.on.end(), [sample](const auto& span) {
      return span.first <= sample && sample < span.second;
    });
    values[i] = on ? static_cast<float>(boxcar.value) : 0.0f;
  }
}

}  // namespace standin
