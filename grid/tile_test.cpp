#include "grid/tile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "grid/planet.h"

TEST(TileTest, ConstructorDefaults) {
  const Tile t;
  EXPECT_EQ(t.sediment, 0.05f);
  for (const float f : {t.roughness, t.elevation, t.temperature, t.humidity, t.humidityInflow,
                        t.rain, t.waterDepth, t.waterFlow}) {
    EXPECT_EQ(f, 0.0f);
  }
  EXPECT_EQ(t.neighborCount, 0);
  for (const TileCoord& n : t.neighbors) EXPECT_TRUE(sameCoord(n, TileCoord{0, 0, 0}));
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

TEST(TileTest, CopyIntoAnotherSlotKeepsEveryField) {
  Tile t;
  float* const floats[] = {&t.roughness,  &t.elevation,      &t.temperature,
                           &t.humidity,   &t.humidityInflow, &t.rain,
                           &t.waterDepth, &t.waterFlow,      &t.sediment};
  for (int i = 0; i < 9; ++i) *floats[i] = 0.1f * static_cast<float>(i + 1);
  t.neighborCount = 5;
  for (int i = 0; i < 6; ++i) {
    t.neighbors[i] = TileCoord{i + 1, 2 * i + 3, 3 * i + 1};
    t.moveFractions[i] = 0.125f * static_cast<float>(i + 1);
  }

  Planet planet;
  ASSERT_TRUE(planet.allocate(6, 1.0f));
  *planet.tileAt(7, 1, 2) = t;
  // Every field is four bytes wide, so the record has no padding to compare.
  EXPECT_EQ(std::memcmp(planet.tileAt(7, 1, 2), &t, sizeof(Tile)), 0);
  EXPECT_EQ(planet.tileAt(7, 1, 2)->moveFractions[5], 0.75f);
  EXPECT_EQ(planet.tileAt(7, 2, 1)->roughness, 0.0f);  // neighbouring slot untouched
}
