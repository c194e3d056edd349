#pragma once

#include <cstdint>
#include <string>

#include "geoweave/color_key.h"

namespace geoweave {

// A place's biome, as Field::kBiome, biomes.png and layers/biome.tif give
// it (by these numbers). Land follows Whittaker's biome diagram of annual
// temperature against annual precipitation (R. H. Whittaker, Communities
// and Ecosystems, 2nd ed., 1975), its boundaries drawn as the bands that
// biomeRule() states; frozen ground, the sea and lakes are classes of their
// own. The place's temperature is the model's (degrees Celsius); its rain
// is the last turn's, kWettestRainMm a year at the planet's wettest place
// (Statistics::rainfall) and the rest in proportion. Water is what the maps
// draw as sea (see Field::kWater): ocean and sea ice where its bedrock lies
// at or below the sea level, a lake where it lies above.
enum class Biome : uint8_t {
  kOcean,
  kSeaIce,
  kLake,
  kIce,  // land at or below -15 degrees, where the model's water freezes
  kTundra,
  kBorealForest,
  kTemperateGrasslandDesert,
  kWoodlandShrubland,
  kTemperateSeasonalForest,
  kTemperateRainForest,
  kTropicalSeasonalForestSavanna,
  kTropicalRainForest,
  kSubtropicalDesert,
};
inline constexpr int kBiomeCount = 13;

// The annual rain in mm of the planet's wettest place: the top of
// Whittaker's precipitation axis.
inline constexpr double kWettestRainMm = 4500;

// The class's name, e.g. "temperate grassland/desert"; "" for a value
// outside Biome.
const char* biomeName(Biome biome);

// The class's flat colour in biomes.png, the legend and the colour table of
// layers/biome.tif; black for a value outside Biome.
Color biomeColor(Biome biome);

// The class's rule, T the annual temperature and P the annual rain, e.g.
// "5 < T <= 20 °C, 500 <= P < 1000 mm" (UTF-8); "" for a value outside Biome.
std::string biomeRule(Biome biome);

}  // namespace geoweave
