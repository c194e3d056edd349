#include "terrain/sea_level.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "base/random.h"
#include "grid/grid_topology.h"
#include "grid/tile_cursor.h"
#include "testing/test_planet.h"
#include "world/planet_grid.h"
#include "world/point_copies.h"

namespace geoweave::detail {

namespace {

// Gives every point the elevation f chooses, in all its copies.
void setElevations(PlanetGrid& planet, const std::function<float(const TileCoord&)>& f) {
  TileCursor cursor;
  for (cursor.start(planet.side()); cursor.valid(); cursor.advance()) {
    HotTile t = *planet.hotAt(cursor.coord());
    t.elevation = f(cursor.coord());
    storeToAllCopies(planet, t, cursor.coord());
  }
}

// Share of the records (copies included) with an elevation below `level`.
double shareBelow(const PlanetGrid& planet, double level) {
  int below = 0;
  for (int i = 0; i < diamondRecords(planet); ++i) below += planet.hot()[i].elevation < level;
  return static_cast<double>(below) / diamondRecords(planet);
}

void expectDepthsFollowSeaLevel(const PlanetGrid& planet, float seaLevel) {
  for (int i = 0; i < diamondRecords(planet); ++i) {
    const HotTile& t = planet.hot()[i];
    ASSERT_TRUE(std::isfinite(t.waterDepth)) << i;
    if (t.elevation >= seaLevel) {
      ASSERT_EQ(t.waterDepth, 0.0f) << i;
    } else {
      ASSERT_EQ(t.waterDepth, static_cast<float>(static_cast<double>(seaLevel) - t.elevation)) << i;
    }
  }
}

struct SeaLevel : testing::Test {
  std::unique_ptr<PlanetGrid> planet = makePlanet(48);
  PlanetRun run;

  // Fractal terrain, as the driver makes it.
  void makeTerrain(uint32_t seed) {
    run.terrain.random.seed(seed);
    runTerrainPhases(*planet, run, 1);
  }
};

TEST_F(SeaLevel, RangeBucketRuleAndDepths) {
  makeTerrain(19800518u);
  float lowest = planet->hot()[0].elevation, highest = lowest;
  for (int i = 0; i < diamondRecords(*planet); ++i) {
    lowest = std::fmin(lowest, planet->hot()[i].elevation);
    highest = std::fmax(highest, planet->hot()[i].elevation);
  }
  ASSERT_LT(lowest, highest);
  const float width = static_cast<float>((static_cast<double>(highest) - lowest) / 100);

  for (const float seaFraction : {0.75f, 0.05f, 0.3f, 0.5f, 0.97f}) {
    run.settings.seaFraction = seaFraction;
    calibrateSeaLevel(*planet, run.settings, run.statistics, run.hooks.workers);
    EXPECT_EQ(run.statistics.elevationMin, lowest);
    EXPECT_EQ(run.statistics.elevationMax, highest);
    const float sea = run.statistics.seaLevel;
    EXPECT_GE(sea, lowest);
    EXPECT_LE(sea, highest);

    // On a bucket boundary: min plus a whole number of widths.
    const double k = std::round((static_cast<double>(sea) - lowest) / width);
    EXPECT_GE(k, 0);
    EXPECT_LE(k, 99);
    EXPECT_EQ(sea, static_cast<float>(k * width + lowest)) << seaFraction;

    // The share below is at most the one asked for; the bucket that starts
    // at the sea level takes it past.
    EXPECT_LE(shareBelow(*planet, sea), seaFraction) << seaFraction;
    EXPECT_GT(shareBelow(*planet, (k + 1) * width + lowest), seaFraction) << seaFraction;

    expectDepthsFollowSeaLevel(*planet, sea);
    EXPECT_TRUE(copiesAgree(*planet));
  }
}

TEST_F(SeaLevel, NoLandAndAllLand) {
  makeTerrain(8u);
  run.settings.seaFraction = 0.0f;  // land cover 100 %
  calibrateSeaLevel(*planet, run.settings, run.statistics, run.hooks.workers);
  EXPECT_EQ(run.statistics.seaLevel, run.statistics.elevationMin);
  for (int i = 0; i < diamondRecords(*planet); ++i) ASSERT_EQ(planet->hot()[i].waterDepth, 0.0f);

  // Land cover below 0 %: the share never passes, the sea covers everything.
  run.settings.seaFraction = 1.5f;
  calibrateSeaLevel(*planet, run.settings, run.statistics, run.hooks.workers);
  EXPECT_EQ(run.statistics.seaLevel, run.statistics.elevationMax);
  expectDepthsFollowSeaLevel(*planet, run.statistics.seaLevel);

  // Land cover 0 %: the float running share may end a rounding step above 1,
  // which puts the sea level at the foot of the top bucket instead.
  run.settings.seaFraction = 1.0f;
  calibrateSeaLevel(*planet, run.settings, run.statistics, run.hooks.workers);
  const float width = static_cast<float>(
      (static_cast<double>(run.statistics.elevationMax) - run.statistics.elevationMin) / 100);
  const float topBucket = static_cast<float>(99.0 * width + run.statistics.elevationMin);
  EXPECT_TRUE(run.statistics.seaLevel == run.statistics.elevationMax ||
              run.statistics.seaLevel == topBucket)
      << run.statistics.seaLevel;
  expectDepthsFollowSeaLevel(*planet, run.statistics.seaLevel);
}

TEST_F(SeaLevel, EqualElevationsGiveADefinedLevel) {
  setElevations(*planet, [](const TileCoord&) { return 0.375f; });
  for (const float seaFraction : {0.0f, 0.75f, 1.0f}) {
    run.settings.seaFraction = seaFraction;
    calibrateSeaLevel(*planet, run.settings, run.statistics, run.hooks.workers);
    EXPECT_EQ(run.statistics.seaLevel, 0.375f) << seaFraction;
    EXPECT_EQ(run.statistics.elevationMin, 0.375f);
    EXPECT_EQ(run.statistics.elevationMax, 0.375f);
    EXPECT_EQ(run.statistics.tileElevationDiff, 0.0f);
    for (int i = 0; i < diamondRecords(*planet); ++i) {
      ASSERT_EQ(planet->hot()[i].waterDepth, 0.0f);
    }
  }
}

// With 0 and 1 only, 1 / the float width comes out just above 100: the
// highest records must still land in the top bucket. The share at 0 is asked
// for exactly, and a share that only reaches it does not pass it.
TEST_F(SeaLevel, MaximumCountsInTheTopBucket) {
  setElevations(*planet, [](const TileCoord& c) { return c.x < 3 ? 1.0f : 0.0f; });
  run.settings.seaFraction = static_cast<float>(shareBelow(*planet, 1.0));
  ASSERT_LT(run.settings.seaFraction, 0.95f);
  calibrateSeaLevel(*planet, run.settings, run.statistics, run.hooks.workers);
  EXPECT_EQ(run.statistics.seaLevel, static_cast<float>(99 * 0.01f));
  expectDepthsFollowSeaLevel(*planet, run.statistics.seaLevel);
}

TEST_F(SeaLevel, LargestStepStaysInsideDiamonds) {
  const int L = planet->lastIndex();
  setElevations(*planet, [](const TileCoord&) { return 0.0f; });
  calibrateSeaLevel(*planet, run.settings, run.statistics, run.hooks.workers);
  EXPECT_EQ(run.statistics.tileElevationDiff, 0.0f);

  // One inner point raised: its steps to the points around it count.
  planet->hotAt(3, 5, 6)->elevation = 0.5f;
  calibrateSeaLevel(*planet, run.settings, run.statistics, run.hooks.workers);
  EXPECT_EQ(run.statistics.tileElevationDiff, 0.5f);
  planet->hotAt(3, 5, 6)->elevation = 0.0f;

  // A step downward counts by its size.
  planet->hotAt(7, L - 1, L - 1)->elevation = -0.25f;
  calibrateSeaLevel(*planet, run.settings, run.statistics, run.hooks.workers);
  EXPECT_EQ(run.statistics.tileElevationDiff, 0.25f);
  planet->hotAt(7, L - 1, L - 1)->elevation = 0.0f;

  // Diamond 1 raised but for its last row and column: on the sphere its rim
  // steps down by 1 all round, but every such pair touches the last row or
  // column of its diamond (its x = 0 and y = 0 edges are the last rows of
  // diamonds 0 and 5), so none of them is compared.
  setElevations(*planet, [&](const TileCoord& c) {
    TileCoord copies[5];
    const int n = aliases(*planet, c, copies);
    for (int k = 0; k < n; ++k) {
      if (copies[k].diamond == 1 && copies[k].x < L && copies[k].y < L) return 1.0f;
    }
    return 0.0f;
  });
  calibrateSeaLevel(*planet, run.settings, run.statistics, run.hooks.workers);
  EXPECT_EQ(run.statistics.elevationMax, 1.0f);
  EXPECT_EQ(run.statistics.tileElevationDiff, 0.0f);

  // Raising the last column too moves the step inside diamonds 6 and 2.
  setElevations(*planet, [&](const TileCoord& c) {
    TileCoord copies[5];
    const int n = aliases(*planet, c, copies);
    for (int k = 0; k < n; ++k) {
      if (copies[k].diamond == 1 && copies[k].y < L) return 1.0f;
    }
    return 0.0f;
  });
  calibrateSeaLevel(*planet, run.settings, run.statistics, run.hooks.workers);
  EXPECT_EQ(run.statistics.tileElevationDiff, 1.0f);
}

}  // namespace

}  // namespace geoweave::detail
