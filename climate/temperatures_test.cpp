#include "climate/temperatures.h"

#include <gtest/gtest.h>

#include <cstring>

#include "grid/grid_geometry.h"
#include "grid/tile_cursor.h"
#include "testing/test_world.h"

namespace geoweave::detail {

using climate_test::TestWorld;

namespace {

const TileCoord kNorthPole{0, 0, 4};
const TileCoord kSouthPole{5, 4, 0};

float latitudeOf(const PlanetGrid& planet, const TileCoord& c) {
  float lat, lon;
  mapCoordinates(planet, TilePoint{c, 0, 0}, lat, lon);
  return lat;
}

}  // namespace

TEST(Temperatures, LatitudeTermIsMinusTwentyAtPolesAndFortyOnEquator) {
  TestWorld world(16);
  adjustTemperatures(world.planet, world.statistics, world.hooks.workers);
  EXPECT_EQ(world.at(kNorthPole).temperature, -20.0f);
  EXPECT_EQ(world.at(kSouthPole).temperature, -20.0f);
  int onEquator = 0;
  TileCursor cursor;
  for (cursor.start(world.planet.side()); cursor.valid(); cursor.advance()) {
    const float lat = latitudeOf(world.planet, cursor.coord());
    const float t = world.at(cursor.coord()).temperature;
    EXPECT_GE(t, -20.0f);
    EXPECT_LE(t, 40.0f);
    if (lat == 0.5f) {
      ++onEquator;
      EXPECT_EQ(t, 40.0f);
    }
  }
  EXPECT_GT(onEquator, 0);
  EXPECT_EQ(world.statistics.temperatureMin, -20.0f);
  EXPECT_EQ(world.statistics.temperatureMax, 40.0f);
}

TEST(Temperatures, HighGroundIsPulledTowardsMinusForty) {
  TestWorld world(16);
  world.statistics.seaLevel = 0.2f;
  world.statistics.elevationMax = 1.2f;
  world.forEach([](Tile& t) { t.elevation = 0.2f; });  // at sea level: no cooling
  const TileCoord top{2, 2, 2};
  const TileCoord nearTop{3, 2, 2};
  const TileCoord halfway{0, 2, 2};
  world.edit(top, [](Tile& t) {
    t.elevation = 1.2f;
    t.temperature = 17.3f;
  });
  world.edit(nearTop, [](Tile& t) {
    t.elevation = 0.6f;
    t.sediment = 0.05f;
    t.waterDepth = 0.5f;  // surface 1.15: 95 % of the way up
  });
  world.edit(kNorthPole, [](Tile& t) { t.elevation = 0.7f; });  // half way: f = 0.3
  world.edit(halfway, [](Tile& t) { t.elevation = -0.5f; });    // below the sea
  const float seaLevelLatitudeTerm = static_cast<float>(
      40.0 - 120.0 * std::fabs(static_cast<double>(latitudeOf(world.planet, halfway)) - 0.5));

  adjustTemperatures(world.planet, world.statistics, world.hooks.workers);
  EXPECT_EQ(world.at(top).temperature, -40.0f);
  EXPECT_EQ(world.at(nearTop).temperature, -40.0f);
  EXPECT_FLOAT_EQ(world.at(kNorthPole).temperature, -26.0f);
  EXPECT_EQ(world.at(halfway).temperature, seaLevelLatitudeTerm);
  EXPECT_EQ(world.statistics.temperatureMin, -40.0f);
}

TEST(Temperatures, RangeStartsFromUnadjustedFirstSlot) {
  TestWorld warm(16);
  // Slot 0 starts hot but lies on the highest ground, so it ends at -40.
  warm.edit(TileCoord{0, 0, 0}, [](Tile& t) {
    t.temperature = 100;
    t.elevation = 1;
  });
  adjustTemperatures(warm.planet, warm.statistics, warm.hooks.workers);
  EXPECT_EQ(warm.at(TileCoord{0, 0, 0}).temperature, -40.0f);
  EXPECT_EQ(warm.statistics.temperatureMax, 100.0f);
  EXPECT_EQ(warm.statistics.temperatureMin, -40.0f);

  TestWorld cold(16);
  cold.edit(TileCoord{0, 0, 0}, [](Tile& t) { t.temperature = -100; });
  adjustTemperatures(cold.planet, cold.statistics, cold.hooks.workers);
  EXPECT_EQ(cold.statistics.temperatureMin, -100.0f);
  EXPECT_EQ(cold.statistics.temperatureMax, 40.0f);
}

TEST(Temperatures, StartingHumidityFollowsTheSeaTest) {
  TestWorld world;
  const TileCoord sea{1, 1, 1};
  const TileCoord shallow{2, 1, 1};
  const TileCoord flowing{3, 1, 1};
  const TileCoord justSea{4, 1, 1};
  world.edit(sea, [](Tile& t) { t.waterDepth = 0.5f; });
  world.edit(shallow, [](Tile& t) { t.waterDepth = kSeaDepth; });
  world.edit(flowing, [](Tile& t) {
    t.waterDepth = 0.22f;
    t.waterFlow = 0.1f;  // 2.2 x flow reaches the depth
  });
  world.edit(justSea, [](Tile& t) {
    t.waterDepth = 0.23f;
    t.waterFlow = 0.1f;
  });
  adjustTemperatures(world.planet, world.statistics, world.hooks.workers);
  EXPECT_EQ(world.at(sea).humidity, 0.5f);
  EXPECT_EQ(world.at(shallow).humidity, 0.1f);
  EXPECT_EQ(world.at(flowing).humidity, 0.1f);
  EXPECT_EQ(world.at(justSea).humidity, 0.5f);
  EXPECT_EQ(world.at(TileCoord{0, 0, 0}).humidity, 0.1f);
  EXPECT_EQ(climate_test::mismatchedCopies(world.planet), 0);
}

TEST(Temperatures, NoHeightAboveTheSeaMeansNoCooling) {
  TestWorld world(16);
  world.statistics.seaLevel = 0.5f;
  world.statistics.elevationMax = 0.5f;
  world.forEach([](Tile& t) { t.elevation = 0.5f; });
  world.edit(kNorthPole, [](Tile& t) { t.sediment = 0.05f; });
  adjustTemperatures(world.planet, world.statistics, world.hooks.workers);
  EXPECT_EQ(world.at(kNorthPole).temperature, -20.0f);
  EXPECT_EQ(world.statistics.temperatureMin, -20.0f);
  EXPECT_EQ(world.statistics.temperatureMax, 40.0f);
}

// The latitudes the move fractions kept give the very temperatures the grid
// gives without them, and are released once used.
TEST(Temperatures, KeptLatitudesGiveTheSameTemperatures) {
  TestWorld kept(48);  // the move fractions kept the latitudes
  TestWorld worked(48);
  worked.planet.releaseLatitudes();
  ASSERT_NE(kept.planet.latitudes(), nullptr);
  for (TestWorld* w : {&kept, &worked}) {
    int n = 0;
    w->forEach([&n](Tile& t) {
      t.elevation = static_cast<float>((n * 7) % 13) / 13.0f;
      t.temperature = static_cast<float>(n++ % 9) - 4.0f;
    });
    w->statistics.elevationMax = 1;
    adjustTemperatures(w->planet, w->statistics, w->hooks.workers);
  }
  EXPECT_EQ(kept.planet.latitudes(), nullptr);
  EXPECT_EQ(std::memcmp(kept.planet.hot(), worked.planet.hot(),
                        sizeof(HotTile) * static_cast<size_t>(kept.planet.records())),
            0);
  EXPECT_EQ(kept.statistics.temperatureMin, worked.statistics.temperatureMin);
  EXPECT_EQ(kept.statistics.temperatureMax, worked.statistics.temperatureMax);
}

}  // namespace geoweave::detail
