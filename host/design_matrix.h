// The host's current design matrix: predictors by name, in the order they were added.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/boxcar.h"

namespace standin {

struct Predictor {
  std::string name;
  std::vector<float> values;          // one per volume; handed out writable to plug-ins
  std::optional<std::int32_t> color;  // 0xRRGGBB of the condition it was filled from
  std::optional<FineBoxcar> boxcar;   // the fine boxcar it was last filled with
};

class DesignMatrix {
 public:
  void clear() { predictors_.clear(); }

  // Appends a predictor of volumes zeros. Earlier predictors stay where they are in memory, so
  // value pointers handed out stay valid until clear.
  Predictor& add(std::string name, std::size_t volumes);

  // The predictor added last under name, or null. Acting on the last one makes a sequence of
  // add, fill and convolve address the predictor just added, even under a repeated name.
  Predictor* findLast(std::string_view name);

  // Predictor index (from 0), or null when there is none of that number.
  Predictor* at(int index);

  const std::deque<Predictor>& predictors() const { return predictors_; }

 private:
  std::deque<Predictor> predictors_;
};

}  // namespace standin
