#include "geoweave/color_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "geoweave/planet.h"

namespace geoweave {
namespace {

// The colour a key row gives value, read between its two nearest stops.
Color between(const ColorKeyRow& row, double value) {
  const std::vector<ColorStop>& s = row.stops;
  size_t i = 1;
  while (i + 1 < s.size() && s[i].value < value) ++i;
  const double t =
      std::min(1.0, std::max(0.0, (value - s[i - 1].value) / (s[i].value - s[i - 1].value)));
  const auto mix = [t](uint8_t a, uint8_t b) {
    return static_cast<uint8_t>(a + (static_cast<double>(b) - a) * t + 0.5);
  };
  return {mix(s[i - 1].color.red, s[i].color.red), mix(s[i - 1].color.green, s[i].color.green),
          mix(s[i - 1].color.blue, s[i].color.blue)};
}

const ColorKeyRow& rowOf(const std::vector<ColorKey>& keys, const std::string& key,
                         const std::string& label) {
  for (const ColorKey& k : keys) {
    for (const ColorKeyRow& row : k.rows) {
      if (k.name == key && row.label == label) return row;
    }
  }
  ADD_FAILURE() << "no row " << label << " in key " << key;
  return keys.front().rows.front();
}

// Every pixel of the sheet's five data panels has, within a unit of
// rounding, the colour its key gives the value sampled at its place, read
// between the key's stops on the row for what stands there (land, sea,
// lake): the keys follow the rules the panels are drawn with. The biomes'
// key lists each class's number and name.
TEST(ColorKeys, PanelsOfTheSheetHaveTheirKeysColours) {
  Settings settings;
  settings.seed = 11;
  settings.width = 64;
  settings.turns = 3;
  const int w = 64, h = 32;
  // The last turn's pictures, drawn before the rivers are chosen: the
  // sediment panel carries the rivers, which no key covers.
  struct Seen {
    Image sheet;
    std::vector<std::vector<float>> f;
    std::vector<ColorKey> keys;
  } seen;
  Callbacks callbacks;
  callbacks.turnUser = &seen;
  callbacks.turn = [](const Planet& planet, int turn, void* user) {
    if (turn != 2) return;
    Seen& s = *static_cast<Seen*>(user);
    EXPECT_EQ(planet.renderSheet(64, 32, &s.sheet, nullptr), Status::kOk);
    EXPECT_EQ(planet.sampleMaps({Field::kTemperature, Field::kHumidity, Field::kElevation,
                                 Field::kRain, Field::kSediment, Field::kWater, Field::kBiome},
                                64, 32, MapLayout::kFrame, &s.f, nullptr),
              Status::kOk);
    s.keys = planet.colorKeys();
  };
  Planet planet;
  ASSERT_EQ(planet.generate(settings, callbacks, nullptr), Status::kOk);
  const Image& sheet = seen.sheet;
  const std::vector<std::vector<float>>& f = seen.f;
  const std::vector<ColorKey>& keys = seen.keys;
  ASSERT_EQ(f.size(), 7u);
  ASSERT_EQ(keys.size(), 7u);

  struct Panel {
    const char* key;
    int field;
    int left;
    int top;
  };
  const Panel panels[] = {{"temperature", 0, 0, 0},
                          {"humidity", 1, w, 0},
                          {"elevation", 2, 0, h},
                          {"rain", 3, w, h},
                          {"sediment", 4, w, 2 * h}};
  int checked = 0;
  int seaPixels = 0;
  for (const Panel& panel : panels) {
    SCOPED_TRACE(panel.key);
    int faults = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const size_t i = static_cast<size_t>(y) * w + x;
        const bool water = f[5][i] == 1;
        const bool lake = f[6][i] == static_cast<float>(Biome::kLake);
        std::string label = water ? "sea" : "land";
        if (panel.field <= 1) label = "everywhere";
        if (panel.field == 4) label = lake ? "lake" : "land and sea";
        const Color expected = between(rowOf(keys, panel.key, label), f[panel.field][i]);
        const uint8_t* got = sheet.pixel(panel.left + x, panel.top + y);
        const bool near = std::abs(got[0] - expected.red) <= 1 &&
                          std::abs(got[1] - expected.green) <= 1 &&
                          std::abs(got[2] - expected.blue) <= 1;
        if (!near && ++faults <= 3) {
          ADD_FAILURE() << x << "," << y << " " << label << " value " << f[panel.field][i]
                        << ": drawn " << int(got[0]) << " " << int(got[1]) << " " << int(got[2])
                        << ", key " << int(expected.red) << " " << int(expected.green) << " "
                        << int(expected.blue);
        }
        ++checked;
        seaPixels += water;
      }
    }
  }
  EXPECT_EQ(checked, 5 * w * h);
  EXPECT_GT(seaPixels, 0);
  EXPECT_LT(seaPixels, 5 * w * h);

  const ColorKey& biomes = keys.back();
  EXPECT_EQ(biomes.name, "biomes");
  ASSERT_EQ(biomes.rows.size(), static_cast<size_t>(kBiomeCount));
  for (int c = 0; c < kBiomeCount; ++c) {
    const ColorKeyRow& row = biomes.rows[c];
    ASSERT_EQ(row.stops.size(), 1u);
    EXPECT_EQ(row.stops[0].value, c);
    EXPECT_EQ(row.label, biomeName(static_cast<Biome>(c)));
  }
}

}  // namespace
}  // namespace geoweave
