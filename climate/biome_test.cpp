#include "climate/biome.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace geoweave::detail {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
  double temperature;
  double rainMm;
  Waters waters;
  BiomeClass expected;
};

// Each corner of the table and each side of every edge: a boundary
// temperature belongs to the colder band, a boundary rain to the wetter
// class. A band or step moved, or an edge taken the other way, shows here.
TEST(Biome, TableCornersAndEdges) {
  const double justAbove = 1e-9;
  const std::vector<Case> cases = {
      {-15, 0, Waters::kLand, BiomeClass::kIce},
      {-15, 9000, Waters::kLand, BiomeClass::kIce},
      {-15 + justAbove, 0, Waters::kLand, BiomeClass::kTundra},
      {-5, 4500, Waters::kLand, BiomeClass::kTundra},
      {-5 + justAbove, 249.999, Waters::kLand, BiomeClass::kTemperateGrasslandDesert},
      {-5 + justAbove, 250, Waters::kLand, BiomeClass::kBorealForest},
      {5, 0, Waters::kLand, BiomeClass::kTemperateGrasslandDesert},
      {5, 250, Waters::kLand, BiomeClass::kBorealForest},
      {5, 4500, Waters::kLand, BiomeClass::kBorealForest},
      {5 + justAbove, 499.999, Waters::kLand, BiomeClass::kTemperateGrasslandDesert},
      {5 + justAbove, 500, Waters::kLand, BiomeClass::kWoodlandShrubland},
      {20, 999.999, Waters::kLand, BiomeClass::kWoodlandShrubland},
      {20, 1000, Waters::kLand, BiomeClass::kTemperateSeasonalForest},
      {20, 1999.999, Waters::kLand, BiomeClass::kTemperateSeasonalForest},
      {20, 2000, Waters::kLand, BiomeClass::kTemperateRainForest},
      {20 + justAbove, 0, Waters::kLand, BiomeClass::kSubtropicalDesert},
      {20 + justAbove, 499.999, Waters::kLand, BiomeClass::kSubtropicalDesert},
      {20 + justAbove, 500, Waters::kLand, BiomeClass::kTropicalSeasonalForestSavanna},
      {45, 2499.999, Waters::kLand, BiomeClass::kTropicalSeasonalForestSavanna},
      {45, 2500, Waters::kLand, BiomeClass::kTropicalRainForest},
      {kInf, kInf, Waters::kLand, BiomeClass::kTropicalRainForest},
      {-kInf, 1000, Waters::kLand, BiomeClass::kIce},
      // Below zero counts as no rain; what is not a number as the driest or
      // the coldest.
      {30, -5, Waters::kLand, BiomeClass::kSubtropicalDesert},
      {10, kNaN, Waters::kLand, BiomeClass::kTemperateGrasslandDesert},
      {kNaN, 1000, Waters::kLand, BiomeClass::kIce},
      // The sea freezes where land does; a lake is a lake whatever the weather.
      {-15, 0, Waters::kSea, BiomeClass::kSeaIce},
      {-15 + justAbove, 0, Waters::kSea, BiomeClass::kOcean},
      {40, 4000, Waters::kSea, BiomeClass::kOcean},
      {-40, 0, Waters::kLake, BiomeClass::kLake},
      {30, 3000, Waters::kLake, BiomeClass::kLake},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(classifyBiome(c.temperature, c.rainMm, c.waters), c.expected)
        << c.temperature << " degC, " << c.rainMm << " mm, waters " << static_cast<int>(c.waters);
  }

  // The table covers every place of the diagram exactly once.
  for (double t = -30; t <= 40; t += 0.5) {
    for (double r = 0; r <= 5000; r += 25) {
      int matches = 0;
      for (const BiomeRule& rule : kLandBiomeRules) {
        matches += t > rule.temperatureAbove && t <= rule.temperatureAtMost && r >= rule.rainFrom &&
                   r < rule.rainBelow;
      }
      EXPECT_EQ(matches, 1) << t << " degC, " << r << " mm";
    }
  }
}

// Rain is scaled by the wettest place; the sea and lakes are told apart by
// the bedrock, deep water that is only flowing through is land, as the
// maps draw them.
TEST(Biome, RainScaleAndWhatStandsAtATile) {
  EXPECT_DOUBLE_EQ(annualRainMm(0.2, 0.2), 4500);
  EXPECT_DOUBLE_EQ(annualRainMm(0.05, 0.2), 1125);
  EXPECT_EQ(annualRainMm(0.05, 0), 0);

  Tile t;
  t.temperature = 25;
  t.elevation = 0.4f;
  t.waterDepth = 0.1f;
  EXPECT_EQ(biomeOfTile(t, 0.5f, 0.2f), BiomeClass::kOcean);
  EXPECT_EQ(biomeOfTile(t, 0.3f, 0.2f), BiomeClass::kLake);
  t.waterFlow = 0.05f;  // more than depth / 2.2 passes through: no sea
  t.rain = 0.2f;
  EXPECT_EQ(biomeOfTile(t, 0.5f, 0.2f), BiomeClass::kTropicalRainForest);
  t.rain = 0.02f;
  EXPECT_EQ(biomeOfTile(t, 0.5f, 0.2f), BiomeClass::kSubtropicalDesert);
}

}  // namespace
}  // namespace geoweave::detail
