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
      {-15, 0, Waters::kLand, kBiomeIce},
      {-15, 9000, Waters::kLand, kBiomeIce},
      {-15 + justAbove, 0, Waters::kLand, kBiomeTundra},
      {-5, 4500, Waters::kLand, kBiomeTundra},
      {-5 + justAbove, 249.999, Waters::kLand, kBiomeTemperateGrasslandDesert},
      {-5 + justAbove, 250, Waters::kLand, kBiomeBorealForest},
      {5, 0, Waters::kLand, kBiomeTemperateGrasslandDesert},
      {5, 250, Waters::kLand, kBiomeBorealForest},
      {5, 4500, Waters::kLand, kBiomeBorealForest},
      {5 + justAbove, 499.999, Waters::kLand, kBiomeTemperateGrasslandDesert},
      {5 + justAbove, 500, Waters::kLand, kBiomeWoodlandShrubland},
      {20, 999.999, Waters::kLand, kBiomeWoodlandShrubland},
      {20, 1000, Waters::kLand, kBiomeTemperateSeasonalForest},
      {20, 1999.999, Waters::kLand, kBiomeTemperateSeasonalForest},
      {20, 2000, Waters::kLand, kBiomeTemperateRainForest},
      {20 + justAbove, 0, Waters::kLand, kBiomeSubtropicalDesert},
      {20 + justAbove, 499.999, Waters::kLand, kBiomeSubtropicalDesert},
      {20 + justAbove, 500, Waters::kLand, kBiomeTropicalSeasonalForestSavanna},
      {45, 2499.999, Waters::kLand, kBiomeTropicalSeasonalForestSavanna},
      {45, 2500, Waters::kLand, kBiomeTropicalRainForest},
      {kInf, kInf, Waters::kLand, kBiomeTropicalRainForest},
      {-kInf, 1000, Waters::kLand, kBiomeIce},
      // Below zero counts as no rain; what is not a number as the driest or
      // the coldest.
      {30, -5, Waters::kLand, kBiomeSubtropicalDesert},
      {10, kNaN, Waters::kLand, kBiomeTemperateGrasslandDesert},
      {kNaN, 1000, Waters::kLand, kBiomeIce},
      // The sea freezes where land does; a lake is a lake whatever the weather.
      {-15, 0, Waters::kSea, kBiomeSeaIce},
      {-15 + justAbove, 0, Waters::kSea, kBiomeOcean},
      {40, 4000, Waters::kSea, kBiomeOcean},
      {-40, 0, Waters::kLake, kBiomeLake},
      {30, 3000, Waters::kLake, kBiomeLake},
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
  EXPECT_EQ(biomeOfTile(t, 0.5f, 0.2f), kBiomeOcean);
  EXPECT_EQ(biomeOfTile(t, 0.3f, 0.2f), kBiomeLake);
  t.waterFlow = 0.05f;  // more than depth / 2.2 passes through: no sea
  t.rain = 0.2f;
  EXPECT_EQ(biomeOfTile(t, 0.5f, 0.2f), kBiomeTropicalRainForest);
  t.rain = 0.02f;
  EXPECT_EQ(biomeOfTile(t, 0.5f, 0.2f), kBiomeSubtropicalDesert);
}

}  // namespace
}  // namespace geoweave::detail
