#include "host/design_matrix.h"

#include <utility>

namespace standin {

Predictor& DesignMatrix::add(std::string name, std::size_t volumes) {
  Predictor& predictor = predictors_.emplace_back();
  predictor.name = std::move(name);
  predictor.values.assign(volumes, 0.0f);
  return predictor;
}

Predictor* DesignMatrix::findLast(std::string_view name) {
  for (auto it = predictors_.rbegin(); it != predictors_.rend(); ++it) {
    if (it->name == name) return &*it;
  }
  return nullptr;
}

Predictor* DesignMatrix::at(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= predictors_.size()) return nullptr;
  return &predictors_[static_cast<std::size_t>(index)];
}

}  // namespace standin
