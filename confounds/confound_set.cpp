#include "confounds/confound_set.h"

#include <new>

IntTable allocateIntTable(std::int32_t count, std::int32_t width) {
  if (count < 0 || width < 0) throw std::bad_alloc();
  return IntTable(static_cast<std::size_t>(count),
                  std::vector<std::int32_t>(static_cast<std::size_t>(width)));
}

void releaseConfoundSet(ConfoundSet& set) {
  switch (set.kind) {
    case ConfoundKind::Motion:
      for (std::vector<double>& column : set.motionColumns) std::vector<double>().swap(column);
      break;
    case ConfoundKind::HeartRate:
    case ConfoundKind::Respiration:
      std::vector<std::vector<double>>().swap(set.columns);
      break;
    default:
      break;
  }
}
