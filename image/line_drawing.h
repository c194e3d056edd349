#pragma once

#include "image/rgb.h"
#include "image/rgb_image.h"

namespace geoweave::detail {

// A straight line blended into the image: the colour ramps from startColor to
// endColor and the opacity from startOpacity to endOpacity along it, each
// pixel's opacity scaled by the red channel of mask (when given). Pixels
// outside the image are skipped.
void drawBlendedLine(RgbImage& image, int x0, int y0, int x1, int y1, Rgb startColor, Rgb endColor,
                     float startOpacity, float endOpacity, const RgbImage* mask);

// The same line drawn into a window of a larger picture: window (and mask,
// when given) holds the picture's columns [firstColumn, firstColumn +
// window.width) and rows [firstRow, firstRow + window.height), and gets
// exactly the blends those pixels get from drawBlendedLine on the whole
// picture. The ends are in the whole picture's coordinates.
void drawBlendedLineInWindow(RgbImage& window, int firstColumn, int firstRow, int x0, int y0,
                             int x1, int y1, Rgb startColor, Rgb endColor, float startOpacity,
                             float endOpacity, const RgbImage* mask);

// The same line on a map that wraps (where it spans more than half the width
// or height it is split at the seam or pole and each piece drawn), mapHeight
// rows high and as wide as the image, of which image holds rows
// [firstRow, firstRow + image.height) (the whole map: mapHeight =
// image.height, firstRow = 0): the
// image's row 0, and mask's, is map row firstRow. The line splits at the seam
// and the poles exactly as on the whole map and blends, in the same order,
// the same colours into the pixels that lie in these rows, so a map drawn in
// bands of rows gets the bytes of one drawn whole.
void drawWrappedLineRows(RgbImage& image, int mapHeight, int firstRow, int x0, int y0, int x1,
                         int y1, Rgb startColor, Rgb endColor, float startOpacity, float endOpacity,
                         const RgbImage* mask);

}  // namespace geoweave::detail
