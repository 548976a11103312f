// Which volumes of a time course the preview draws: all of a short run, and for a long run the
// extremes of equal stretches, so that the picture stays small and no peak or dip is lost.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace standin {

// Points that all the time courses of one preview may take together, and the bounds of the
// share of one time course (even numbers: thinned time courses take two points a stretch).
inline constexpr std::size_t kPreviewPointBudget = 36000;
inline constexpr std::size_t kMinPointsPerCourse = 100;
inline constexpr std::size_t kMaxPointsPerCourse = 1440;

// The most points drawn of one time course in a preview of predictors time courses: the
// budget shared out evenly, within [kMinPointsPerCourse, kMaxPointsPerCourse], rounded down
// to an even number. predictors 0 counts as 1.
std::size_t previewPointCap(std::size_t predictors);

// The volumes (indices into values) drawn of a time course when at most cap points may be
// drawn (cap even, at least 2): every volume while there are no more than cap. Otherwise the
// volumes are cut into cap / 2 stretches of equal length (lengths differ by at most one), and
// each stretch gives the volume of its smallest and that of its largest value (the first of
// equal values), the earlier first; so exactly cap volumes, in time order. When smallest and
// largest are one volume (a flat stretch), that volume is given twice.
std::vector<std::size_t> thinnedVolumes(std::span<const double> values, std::size_t cap);

}  // namespace standin
