#pragma once

#include "image/rgb.h"
#include "image/rgb_image.h"

// A straight line blended into the image: the colour ramps from startColor to
// endColor and the opacity from startOpacity to endOpacity along it, each
// pixel's opacity scaled by the red channel of mask (when given). Pixels
// outside the image are skipped.
void drawBlendedLine(RgbImage& image, int x0, int y0, int x1, int y1, Rgb startColor, Rgb endColor,
                     float startOpacity, float endOpacity, const RgbImage* mask);

// The same line on a map that wraps: where it spans more than half the width
// (or height) it is split at the seam (or pole) and each piece drawn.
void drawWrappedLine(RgbImage& image, int x0, int y0, int x1, int y1, Rgb startColor, Rgb endColor,
                     float startOpacity, float endOpacity, const RgbImage* mask);
