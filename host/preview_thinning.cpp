#include "host/preview_thinning.h"

#include <algorithm>

namespace standin {

std::size_t previewPointCap(std::size_t predictors) {
  const std::size_t share = kPreviewPointBudget / std::max<std::size_t>(predictors, 1);
  return std::clamp(share, kMinPointsPerCourse, kMaxPointsPerCourse) / 2 * 2;
}

std::vector<std::size_t> thinnedVolumes(std::span<const double> values, std::size_t cap) {
  const std::size_t count = values.size();
  std::vector<std::size_t> volumes;
  if (count <= cap) {
    volumes.resize(count);
    for (std::size_t i = 0; i < count; ++i) volumes[i] = i;
    return volumes;
  }
  const std::size_t stretches = cap / 2;
  volumes.reserve(2 * stretches);
  for (std::size_t s = 0; s < stretches; ++s) {
    // count > cap >= 2 x stretches, so every stretch holds at least two volumes.
    const std::size_t first = s * count / stretches;
    const std::size_t end = (s + 1) * count / stretches;
    std::size_t lowest = first;
    std::size_t highest = first;
    for (std::size_t i = first + 1; i < end; ++i) {
      if (values[i] < values[lowest]) lowest = i;
      if (values[i] > values[highest]) highest = i;
    }
    volumes.push_back(std::min(lowest, highest));
    volumes.push_back(std::max(lowest, highest));
  }
  return volumes;
}

}  // namespace standin
