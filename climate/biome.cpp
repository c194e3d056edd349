#include "climate/biome.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "climate/water_flow.h"

namespace geoweave::detail {

namespace {
constexpr double kOpen = std::numeric_limits<double>::infinity();
}  // namespace

// Whittaker's diagram drawn as rectangles: its biomes meet along slanted
// and curved lines, rounded here to four temperature bands and round
// precipitation steps that keep each biome's core where the diagram has it.
const BiomeRule kLandBiomeRules[kLandBiomeRuleCount] = {
    {BiomeClass::kIce, -kOpen, kFreezingTemperature, 0, kOpen},
    {BiomeClass::kTundra, kFreezingTemperature, -5, 0, kOpen},
    {BiomeClass::kTemperateGrasslandDesert, -5, 5, 0, 250},
    {BiomeClass::kBorealForest, -5, 5, 250, kOpen},
    {BiomeClass::kTemperateGrasslandDesert, 5, 20, 0, 500},
    {BiomeClass::kWoodlandShrubland, 5, 20, 500, 1000},
    {BiomeClass::kTemperateSeasonalForest, 5, 20, 1000, 2000},
    {BiomeClass::kTemperateRainForest, 5, 20, 2000, kOpen},
    {BiomeClass::kSubtropicalDesert, 20, kOpen, 0, 500},
    {BiomeClass::kTropicalSeasonalForestSavanna, 20, kOpen, 500, 2500},
    {BiomeClass::kTropicalRainForest, 20, kOpen, 2500, kOpen},
};

BiomeClass classifyBiome(double temperature, double rainMm, Waters waters) {
  // Written so that a temperature that is not a number fails every "above".
  const bool frozen = !(temperature > kFreezingTemperature);
  if (waters == Waters::kLake) return BiomeClass::kLake;
  if (waters == Waters::kSea) return frozen ? BiomeClass::kSeaIce : BiomeClass::kOcean;
  if (frozen) return BiomeClass::kIce;
  // The driest rule of the temperature's band, then wetter ones while the
  // rain reaches them (a rain that is not a number reaches none).
  const BiomeRule* found = nullptr;
  for (const BiomeRule& rule : kLandBiomeRules) {
    const bool inBand =
        temperature > rule.temperatureAbove && temperature <= rule.temperatureAtMost;
    if (!inBand) continue;
    if (found == nullptr || rainMm >= rule.rainFrom) found = &rule;
  }
  return found != nullptr ? found->biome : BiomeClass::kIce;
}

namespace {
std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string bandText(const BiomeRule& rule) {
  std::string text;
  const bool colder = std::isfinite(rule.temperatureAbove);
  const bool warmer = std::isfinite(rule.temperatureAtMost);
  if (colder) text = number(rule.temperatureAbove) + " < ";
  text += "T";
  if (warmer) text += " <= " + number(rule.temperatureAtMost);
  text += " °C";
  const bool drier = rule.rainFrom > 0;
  const bool wetter = std::isfinite(rule.rainBelow);
  if (drier && wetter) {
    text += ", " + number(rule.rainFrom) + " <= P < " + number(rule.rainBelow) + " mm";
  } else if (drier) {
    text += ", P >= " + number(rule.rainFrom) + " mm";
  } else if (wetter) {
    text += ", P < " + number(rule.rainBelow) + " mm";
  }
  return text;
}
}  // namespace

std::string biomeRuleText(BiomeClass biome) {
  const std::string freezing = number(kFreezingTemperature);
  switch (biome) {
    case BiomeClass::kOcean:
      return "sea, T > " + freezing + " °C";
    case BiomeClass::kSeaIce:
      return "sea, T <= " + freezing + " °C";
    case BiomeClass::kLake:
      return "standing water on bedrock above the sea level";
    default:
      break;
  }
  std::string text;
  for (const BiomeRule& rule : kLandBiomeRules) {
    if (rule.biome != biome) continue;
    text += (text.empty() ? "" : "; ") + bandText(rule);
  }
  return text;
}

double annualRainMm(double rain, double rainfall) {
  if (!(rainfall > 0)) return 0;
  return kWettestRainMm * rain / rainfall;
}

BiomeClass biomeOfTile(const Tile& t, float seaLevel, float rainfall) {
  const Waters waters = !t.isSea()            ? Waters::kLand
                        : isLake(t, seaLevel) ? Waters::kLake
                                              : Waters::kSea;
  return classifyBiome(t.temperature, annualRainMm(t.rain, rainfall), waters);
}

}  // namespace geoweave::detail
