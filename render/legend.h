#pragma once

#include <vector>

#include "image/rgb_image.h"
#include "render/color_keys.h"

namespace geoweave::detail {

// One colour bar of the legend: row `row` of key `key`, its pixels counted
// from the picture's top left corner.
struct LegendBar {
  int key = 0;
  int row = 0;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Where everything of a legend goes: the picture's size and its bars.
struct LegendLayout {
  int width = 0;
  int height = 0;
  std::vector<LegendBar> bars;
};

// Lays out the legend of these keys: for each key its title and unit, a bar
// per row with the row's label before it, the ticks' values under the bars
// (and the second scale's, where the key has one); then the biome classes,
// each a swatch of its colour, its name and its rule.
LegendLayout layOutLegend(const std::vector<ColorKeyRule>& keys);

// The value a bar's column x (from the bar's left end) shows: from at the
// first column, to at the last.
double barValue(const ColorKeyRule& key, const LegendBar& bar, int x);

// Draws the legend into image, which is layout.width x layout.height: every
// column of a bar in the colour its row's rule gives the column's value.
void drawLegend(const std::vector<ColorKeyRule>& keys, const LegendLayout& layout, RgbImage& image);

}  // namespace geoweave::detail
