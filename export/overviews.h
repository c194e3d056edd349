#pragma once

#include <cstdint>
#include <vector>

namespace geoweave::detail {

// A raster at half the resolution, for the overviews a reader shows when
// zoomed out: (width + 1) / 2 x (height + 1) / 2 cells, each the mean of
// the 2 x 2 cells it covers (of fewer along an odd width's last column or
// an odd height's last row), summed in double and rounded to float once.
// values holds width x height values, rows from the top; so does the result.
std::vector<float> halved(const float* values, int width, int height);

// The same halving for classes, which have no mean: each cell takes the
// value of the top left of the 2 x 2 cells it covers (GDAL's "nearest").
std::vector<uint8_t> halvedNearest(const uint8_t* values, int width, int height);

}  // namespace geoweave::detail
