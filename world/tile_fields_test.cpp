#include "world/tile_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "grid/grid_topology.h"
#include "world/planet_grid.h"
#include "world/point_copies.h"

namespace geoweave::detail {

TEST(TileTest, ConstructorDefaults) {
  const Tile t;
  EXPECT_EQ(t.sediment, 0.05f);
  for (const float f : {t.roughness, t.elevation, t.temperature, t.humidity, t.humidityInflow,
                        t.rain, t.waterDepth, t.waterFlow}) {
    EXPECT_EQ(f, 0.0f);
  }
  // The hot record starts alike, and assembling a tile from it keeps that.
  const HotTile h;
  const HotTile fromTile = t.hot();
  EXPECT_EQ(std::memcmp(&h, &fromTile, sizeof(HotTile)), 0);
  const Tile assembled(0.0f, h);
  EXPECT_EQ(std::memcmp(&assembled, &t, sizeof(Tile)), 0);
  const MoveFractions f;
  for (const float share : f.share) EXPECT_EQ(share, 0.0f);
}

TEST(TileTest, SeaNeedsMoreThanMinimalStillWater) {
  Tile t;
  t.waterDepth = kSeaDepth;
  EXPECT_FALSE(t.isSea());
  t.waterDepth = std::nextafter(kSeaDepth, 1.0f);
  EXPECT_TRUE(t.isSea());

  // The largest flow still below depth / 2.2 keeps the sea; the next float does not.
  t.waterDepth = 1.0f;
  float flow = static_cast<float>(1.0 / 2.2);
  if (flow < 1.0 / 2.2) flow = std::nextafter(flow, 1.0f);
  t.waterFlow = flow;
  EXPECT_FALSE(t.isSea());
  t.waterFlow = std::nextafter(flow, 0.0f);
  EXPECT_TRUE(t.isSea());
  t.waterFlow = 5.0f;
  EXPECT_FALSE(t.isSea());
}

TEST(TileTest, SurfaceHeightSumsInDoubleAndRoundsOnce) {
  Tile t;
  t.elevation = 0.5f;
  t.sediment = 0.25f;
  t.waterDepth = 0.125f;
  EXPECT_EQ(t.surfaceHeight(), 0.875f);
  // Two half-ulp additions would each round away in float.
  t.elevation = 1.0f;
  t.sediment = std::ldexp(1.0f, -24);
  t.waterDepth = std::ldexp(1.0f, -24);
  EXPECT_EQ(t.surfaceHeight(), std::nextafter(1.0f, 2.0f));
}

TEST(TileTest, StoredAndReadBackKeepsEveryField) {
  Tile t;
  float* const floats[] = {&t.roughness,  &t.elevation,      &t.temperature,
                           &t.humidity,   &t.humidityInflow, &t.rain,
                           &t.waterDepth, &t.waterFlow,      &t.sediment};
  for (int i = 0; i < 9; ++i) *floats[i] = 0.1f * static_cast<float>(i + 1);

  PlanetGrid planet;
  ASSERT_TRUE(planet.allocate(6, 1.0f));
  planet.setTile(TileCoord{7, 1, 2}, t);
  // Every field is four bytes wide, so the record has no padding to compare.
  const Tile back = planet.tile(TileCoord{7, 1, 2});
  EXPECT_EQ(std::memcmp(&back, &t, sizeof(Tile)), 0);
  EXPECT_EQ(planet.roughnessAt(TileCoord{7, 1, 2}), 0.1f);
  EXPECT_EQ(planet.hotAt(7, 1, 2)->sediment, t.sediment);
  // The neighbouring slot is untouched, in both arrays.
  EXPECT_EQ(planet.roughnessAt(TileCoord{7, 2, 1}), 0.0f);
  EXPECT_EQ(planet.hotAt(7, 2, 1)->elevation, 0.0f);
  EXPECT_EQ(planet.hotAt(7, 2, 1)->sediment, 0.05f);

  // A point on a diamond edge gets the value at every copy; a hot record
  // stored alone leaves the roughness as it was.
  const TileCoord edge{0, planet.lastIndex(), 1};
  storeToAllCopies(planet, t, edge);
  TileCoord copies[5];
  const int n = aliases(planet, edge, copies);
  ASSERT_EQ(n, 2);
  for (int k = 0; k < n; ++k) {
    const Tile copy = planet.tile(copies[k]);
    EXPECT_EQ(std::memcmp(&copy, &t, sizeof(Tile)), 0) << k;
  }
  HotTile h = t.hot();
  h.rain = 3.0f;
  storeToAllCopies(planet, h, edge);
  for (int k = 0; k < n; ++k) {
    EXPECT_EQ(planet.hotAt(copies[k])->rain, 3.0f) << k;
    EXPECT_EQ(planet.roughnessAt(copies[k]), 0.1f) << k;
  }
}

}  // namespace geoweave::detail
