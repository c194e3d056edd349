#pragma once

#include <cstdint>
#include <string>

#include "world/tile_fields.h"

namespace geoweave::detail {

// The biome classes, numbered as geoweave::Biome and as layers/biome.tif
// stores them. Land follows Whittaker's biome diagram (annual temperature
// against annual precipitation: R. H. Whittaker, Communities and Ecosystems,
// 2nd ed., Macmillan, New York, 1975, as redrawn in R. E. Ricklefs, The
// Economy of Nature), its boundaries simplified to the bands of
// kLandBiomeRules; frozen ground, the sea and lakes are classes of their own.
// A class's number, 0 to kBiomeClassCount - 1: the public geoweave::Biome
// holds the same classes in the same order, so its values pass straight
// through.
using BiomeClass = int;
enum : int {
  kBiomeOcean,
  kBiomeSeaIce,
  kBiomeLake,
  kBiomeIce,
  kBiomeTundra,
  kBiomeBorealForest,
  kBiomeTemperateGrasslandDesert,
  kBiomeWoodlandShrubland,
  kBiomeTemperateSeasonalForest,
  kBiomeTemperateRainForest,
  kBiomeTropicalSeasonalForestSavanna,
  kBiomeTropicalRainForest,
  kBiomeSubtropicalDesert,
};
constexpr int kBiomeClassCount = 13;

// What stands at a place: dry land, or water the maps draw as sea, whose
// bedrock lies at or below the sea level (the sea) or above it (a lake).
enum class Waters { kLand, kSea, kLake };

// Annual precipitation in millimetres of the planet's wettest place (the
// top of Whittaker's precipitation axis, 450 cm).
constexpr double kWettestRainMm = 4500;

// One band of the land classes: temperatures t with temperatureAbove < t <=
// temperatureAtMost (degrees Celsius), rains r with rainFrom <= r <
// rainBelow (mm a year). The open ends are infinite.
struct BiomeRule {
  BiomeClass biome;
  double temperatureAbove;
  double temperatureAtMost;
  double rainFrom;
  double rainBelow;
};

// The land rules, coldest band first and driest first within a band: every
// temperature and every rain of 0 or more falls in exactly one. Ice is
// ground at or below the temperature where the model's water freezes
// (kFreezingTemperature), where no plant grows and Whittaker's diagram ends.
constexpr int kLandBiomeRuleCount = 11;
extern const BiomeRule kLandBiomeRules[kLandBiomeRuleCount];

// The class of a place from its annual temperature (degrees Celsius) and
// rain (mm a year) and what stands there: land by kLandBiomeRules (a rain
// below 0 counts as 0, a rain or temperature that is not a number as the
// driest or coldest); the sea is sea ice at or below kFreezingTemperature
// and ocean above it; a lake is a lake at any temperature. Pure.
BiomeClass classifyBiome(double temperature, double rainMm, Waters waters);

// The rule of a class as text, T the annual temperature and P the annual
// rain: "5 < T <= 20 °C, 500 <= P < 1000 mm" (UTF-8); a class of two bands
// gives both, joined by "; ".
std::string biomeRuleText(BiomeClass biome);

// The model's rain (moisture units in the last turn) as mm a year: the
// planet's largest rain (rainfall, the statistic) is kWettestRainMm and the
// rest in proportion, as the maps too colour rain relative to the wettest
// place. 0 when rainfall is not above 0.
double annualRainMm(double rain, double rainfall);

// Standing water the maps draw as sea, on bedrock above the sea level: a
// lake, as the sheet's sediment panel marks it. For a Tile or a HotTile.
template <typename Record>
bool isLake(const Record& t, float seaLevel) {
  return t.isSea() && t.elevation > seaLevel;
}

// The class of a (blended) tile of a planet with this sea level and
// largest rain.
BiomeClass biomeOfTile(const Tile& t, float seaLevel, float rainfall);

}  // namespace geoweave::detail
