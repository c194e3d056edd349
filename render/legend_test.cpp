#include "render/legend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "climate/biome.h"
#include "image/bitmap_font.h"

namespace geoweave::detail {
namespace {

Rgb pixel(const RgbImage& image, int x, int yFromTop) {
  return image.at(x, image.height - 1 - yFromTop);
}

// Every column of every bar shows its row's colour at the column's value,
// untouched by labels, ticks or frames; the stops' values fall on the
// columns around them; the bars do not overlap and lie inside the
// picture, above the biomes.
TEST(Legend, BarsShowTheirRowsColoursAtTheirValues) {
  PlanetStatistics p;
  RiverNetwork rivers;
  p.elevationMin = 0.2f;
  p.elevationMax = 0.8f;
  p.seaLevel = 0.55f;
  p.temperatureMin = -40;
  p.temperatureMax = 43;
  p.rainfall = 0.19f;
  const std::vector<ColorKeyRule> keys = colorKeyRules(p, rivers);
  const LegendLayout layout = layOutLegend(keys);
  RgbImage image(layout.width, layout.height);
  ASSERT_TRUE(image.ok());
  drawLegend(keys, layout, image);

  size_t rows = 0;
  for (const ColorKeyRule& key : keys) rows += key.rows.size();
  ASSERT_EQ(layout.bars.size(), rows);
  int previousBottom = 0;
  for (const LegendBar& bar : layout.bars) {
    const ColorKeyRule& key = keys[bar.key];
    const KeyRow& row = key.rows[bar.row];
    SCOPED_TRACE(key.name + " " + row.label);
    EXPECT_GE(bar.top, previousBottom);
    EXPECT_LE(bar.left + bar.width, layout.width);
    previousBottom = bar.top + bar.height;
    int wrong = 0;
    for (int x = 0; x < bar.width; ++x) {
      const Rgb expected = row.colorAt(barValue(key, bar, x));
      for (int y = bar.top; y < bar.top + bar.height; ++y) {
        wrong += pixel(image, bar.left + x, y) != expected;
      }
    }
    EXPECT_EQ(wrong, 0);
    // A stop's colour lies between those of the columns around its value.
    for (const double stop : key.stops) {
      const int x = static_cast<int>((stop - key.from) / (key.to - key.from) * (bar.width - 1));
      const Rgb exact = row.colorAt(stop);
      const uint8_t Rgb::*channels[] = {&Rgb::red, &Rgb::green, &Rgb::blue};
      for (const auto channel : channels) {
        int low = 255, high = 0;
        for (int c = std::max(x - 1, 0); c <= std::min(x + 2, bar.width - 1); ++c) {
          const int v = pixel(image, bar.left + c, bar.top).*channel;
          low = std::min(low, v);
          high = std::max(high, v);
        }
        EXPECT_GE(exact.*channel + 1, low) << "stop " << stop;
        EXPECT_LE(exact.*channel - 1, high) << "stop " << stop;
      }
    }
  }
  EXPECT_LT(previousBottom, layout.height - kBiomeClassCount * kGlyphHeight);
}

}  // namespace
}  // namespace geoweave::detail
