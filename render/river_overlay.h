#pragma once

#include <cmath>

#include "app/growable_array.h"
#include "app/river_point.h"
#include "image/rgb_image.h"

// Rounds halves away from zero (2.5 -> 3, -2.5 -> -3).
inline double roundHalfAway(double v) {
  return v >= 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5);
}

// Opacity of a river line at one end: 0 at or below the river threshold, 1 at
// or above the major-river threshold.
float riverOpacity(float flow);

// Draws each segment (points 2k and 2k + 1) onto both images, faded by the
// red channel of mask. Point positions are scaled by the ground image's size.
void drawRivers(const GrowableArray<RiverPoint>& points, RgbImage& ground, RgbImage& sediment,
                const RgbImage& mask);
