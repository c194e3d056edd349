#pragma once

#include "base/growable_array.h"
#include "climate/rivers.h"
#include "image/rgb_image.h"

namespace geoweave::detail {

// Opacity of a river line at one end: 0 at or below the run's river
// threshold, 1 at or above its major-river threshold.
float riverOpacity(float flow, const RiverNetwork& rivers);

// Draws each segment of the run's river list (points 2k and 2k + 1) onto
// both images, faded by the red channel of mask, where the images hold rows
// [firstRow, firstRow + height) of maps mapHeight rows high (see
// drawWrappedLineRows): point positions are scaled by the whole map's size,
// and each band's pixels get the blends they get on the whole map, in the
// same order.
void drawRiverRows(const RiverNetwork& rivers, int mapHeight, int firstRow, RgbImage& ground,
                   RgbImage& sediment, const RgbImage& mask);

}  // namespace geoweave::detail
