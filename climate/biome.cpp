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
    {kBiomeIce, -kOpen, kFreezingTemperature, 0, kOpen},
    {kBiomeTundra, kFreezingTemperature, -5, 0, kOpen},
    {kBiomeTemperateGrasslandDesert, -5, 5, 0, 250},
    {kBiomeBorealForest, -5, 5, 250, kOpen},
    {kBiomeTemperateGrasslandDesert, 5, 20, 0, 500},
    {kBiomeWoodlandShrubland, 5, 20, 500, 1000},
    {kBiomeTemperateSeasonalForest, 5, 20, 1000, 2000},
    {kBiomeTemperateRainForest, 5, 20, 2000, kOpen},
    {kBiomeSubtropicalDesert, 20, kOpen, 0, 500},
    {kBiomeTropicalSeasonalForestSavanna, 20, kOpen, 500, 2500},
    {kBiomeTropicalRainForest, 20, kOpen, 2500, kOpen},
};

BiomeClass classifyBiome(double temperature, double rainMm, Waters waters) {
  // Written so that a temperature that is not a number fails every "above".
  const bool frozen = !(temperature > kFreezingTemperature);
  if (waters == Waters::kLake) return kBiomeLake;
  if (waters == Waters::kSea) return frozen ? kBiomeSeaIce : kBiomeOcean;
  if (frozen) return kBiomeIce;
  // The driest rule of the temperature's band, then wetter ones while the
  // rain reaches them (a rain that is not a number reaches none).
  const BiomeRule* found = nullptr;
  for (const BiomeRule& rule : kLandBiomeRules) {
    const bool inBand =
        temperature > rule.temperatureAbove && temperature <= rule.temperatureAtMost;
    if (!inBand) continue;
    if (found == nullptr || rainMm >= rule.rainFrom) found = &rule;
  }
  return found != nullptr ? found->biome : kBiomeIce;
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
    case kBiomeOcean:
      return "sea, T > " + freezing + " °C";
    case kBiomeSeaIce:
      return "sea, T <= " + freezing + " °C";
    case kBiomeLake:
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
