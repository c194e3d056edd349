#include "climate/iteration_setup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "climate/test_world.h"
#include "world/params.h"

using climate_test::TestWorld;

namespace {

// The smallest index among the copies of a point names the point.
int pointKey(const Planet& planet, int index) {
  TileCoord copies[5];
  const int n = planet.aliases(planet.coordOf(index), copies);
  int key = index;
  for (int i = 0; i < n; ++i) {
    if (planet.tileIndex(copies[i]) < key) key = planet.tileIndex(copies[i]);
  }
  return key;
}

void expectSortedOncePerPoint(const Planet& planet, const PlanetParams& params) {
  const GrowableArray<int32_t>& list = params.tilesByElevation;
  const int inner = planet.side - 1;
  ASSERT_EQ(list.count, 10 * inner * inner + 2);
  EXPECT_EQ(list.capacity, 10 * planet.sideSquared);
  std::set<int> points;
  for (int32_t i = 0; i < list.count; ++i) {
    ASSERT_GE(list[i], 0);
    ASSERT_LT(list[i], 10 * planet.sideSquared);
    points.insert(pointKey(planet, list[i]));
    if (i == 0) continue;
    const float above = planet.hot[list[i - 1]].elevation;
    const float below = planet.hot[list[i]].elevation;
    EXPECT_GE(above, below) << "entry " << i;
    if (above == below) {
      EXPECT_LT(list[i - 1], list[i]) << "entry " << i;
    }
  }
  EXPECT_EQ(static_cast<int32_t>(points.size()), list.count);
}

}  // namespace

TEST(IterationSetup, ListsEveryPointOnceHighestFirstTiesByIndex) {
  // 42 points in room for 90 records on the smallest grid, 162 in 250 on the next.
  for (const int width : {8, 16}) {
    TestWorld world(width);
    // Few distinct heights, so most entries tie with others.
    int n = 0;
    world.forEach([&n](Tile& t) { t.elevation = static_cast<float>((n++ * 7) % 5) * 0.25f; });
    ASSERT_TRUE(sortTilesByElevation(world.planet, world.params));
    SCOPED_TRACE(width);
    expectSortedOncePerPoint(world.planet, world.params);
    EXPECT_EQ(world.params.tilesByElevation.count, width == 8 ? 42 : 162);
  }
}

TEST(IterationSetup, NegativeAndPositiveZeroAreOneHeight) {
  // Both zeros interleaved with heights above and below them: the zeros must
  // form one run in ascending tile index, whatever their sign bits.
  TestWorld world(8);
  int n = 0;
  const float heights[] = {-0.0f, 0.0f, 0.5f, -0.5f, 0.0f, -0.0f};
  world.forEach([&n, &heights](Tile& t) { t.elevation = heights[n++ % 6]; });
  sortTilesByElevation(world.planet, world.params);
  expectSortedOncePerPoint(world.planet, world.params);

  const GrowableArray<int32_t>& list = world.params.tilesByElevation;
  int negativeZeros = 0;
  int positiveZeros = 0;
  int previousZero = -1;
  for (int32_t i = 0; i < list.count; ++i) {
    const float e = world.planet.hot[list[i]].elevation;
    if (e != 0) continue;
    (std::signbit(e) ? negativeZeros : positiveZeros) += 1;
    EXPECT_GT(list[i], previousZero) << "entry " << i;
    previousZero = list[i];
  }
  EXPECT_EQ(negativeZeros, 14);
  EXPECT_EQ(positiveZeros, 14);
}

TEST(IterationSetup, ErosionScaleSpansTheHeightAboveTheSea) {
  PlanetParams params;
  params.seaLevel = 0.5f;
  params.elevationMax = 0.9f;
  EXPECT_EQ(erosionScaleFor(params), static_cast<float>(2.0 / (static_cast<double>(0.9f) - 0.5)));
  params.seaLevel = 0.9f;
  EXPECT_EQ(erosionScaleFor(params), 0.0f);
}
