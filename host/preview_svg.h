// The preview picture of a design matrix or confound file: a standalone SVG document.
#pragma once

#include <cstddef>
#include <string>

#include "host/preview_matrix.h"

namespace standin {

// The most predictors a preview draws; a file with more is refused by the preview command.
inline constexpr std::size_t kMaxPreviewPredictors = 500;

// Draws matrix (at most kMaxPreviewPredictors predictors, each with header.nrOfDataPoints
// values) as one SVG document in UTF-8: the file name; a caption of the header values
// (predictors, data points, includes constant, first confound, file version) and of the reader;
// a heat map of the whole matrix, volumes down and predictors across, each column scaled to its
// own range from black (smallest) to white (largest), the constant's column marked "C"; below
// it one row per predictor in file order, each with its name, its range (or "flat at", or
// "constant" for the constant predictor, marked as such) and its time course over the volumes
// as one polyline in the predictor's colour (components limited to 0..255), scaled to the row's
// own range, with the points that thinnedVolumes picks under previewPointCap; and a volume axis.
// Any bytes in names are drawn as well-formed XML text. The picture stays under about 1 MB for
// up to 60 predictors of any length.
std::string drawPreviewSvg(const PreviewMatrix& matrix);

}  // namespace standin
