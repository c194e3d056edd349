#include "climate/iteration_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "climate/climate_state.h"
#include "grid/grid_topology.h"
#include "grid/tile_cursor.h"
#include "testing/test_world.h"
#include "world/planet_statistics.h"

namespace geoweave::detail {

using climate_test::TestWorld;

namespace {

// The smallest index among the copies of a point names the point.
int pointKey(const PlanetGrid& planet, int index) {
  TileCoord copies[5];
  const int n = aliases(planet, planet.coordOf(index), copies);
  int key = index;
  for (int i = 0; i < n; ++i) {
    if (planet.tileIndex(copies[i]) < key) key = planet.tileIndex(copies[i]);
  }
  return key;
}

void expectSortedOncePerPoint(const PlanetGrid& planet, const ClimateState& climate) {
  const GrowableArray<int32_t>& list = climate.tilesByElevation;
  const int inner = planet.side() - 1;
  ASSERT_EQ(list.count, 10 * inner * inner + 2);
  EXPECT_EQ(list.capacity, 10 * planet.sideSquared());
  std::set<int> points;
  for (int32_t i = 0; i < list.count; ++i) {
    ASSERT_GE(list[i], 0);
    ASSERT_LT(list[i], 10 * planet.sideSquared());
    points.insert(pointKey(planet, list[i]));
    if (i == 0) continue;
    const float above = planet.hot()[list[i - 1]].elevation;
    const float below = planet.hot()[list[i]].elevation;
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
    ASSERT_TRUE(sortTilesByElevation(world.planet, world.climate, world.hooks.workers));
    SCOPED_TRACE(width);
    expectSortedOncePerPoint(world.planet, world.climate);
    EXPECT_EQ(world.climate.tilesByElevation.count, width == 8 ? 42 : 162);
  }
}

// The sort shares its passes out between workers: on a larger grid with
// heights of either sign, long runs of ties and both zeros, every worker
// count gives the list a plain comparison sort of (height, index) gives.
TEST(IterationSetup, AnyWorkerCountGivesTheComparisonOrder) {
  TestWorld world(192);
  int n = 0;
  world.forEach([&n](Tile& t) {
    const int k = n++;
    t.elevation = k % 7 == 0   ? (k % 2 == 0 ? 0.0f : -0.0f)
                  : k % 3 == 0 ? static_cast<float>(k % 11) * 0.125f - 0.5f
                               : std::ldexp(static_cast<float>((k * 7919) % 100003), -14) - 3.0f;
  });
  std::vector<std::pair<float, int>> expected;
  TileCursor cursor;
  for (cursor.start(world.planet.side()); cursor.valid(); cursor.advance()) {
    const float e = world.planet.hot()[cursor.index()].elevation;
    expected.emplace_back(e == 0 ? 0.0f : e, cursor.index());
  }
  std::sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  for (const int workers : {1, 2, 3, 7}) {
    world.hooks.workers = workers;
    world.climate.tilesByElevation.release();
    ASSERT_TRUE(sortTilesByElevation(world.planet, world.climate, world.hooks.workers));
    const GrowableArray<int32_t>& list = world.climate.tilesByElevation;
    ASSERT_EQ(list.count, static_cast<int32_t>(expected.size()));
    for (int32_t i = 0; i < list.count; ++i) {
      ASSERT_EQ(list[i], expected[static_cast<size_t>(i)].second) << workers << " entry " << i;
    }
  }
}

TEST(IterationSetup, NegativeAndPositiveZeroAreOneHeight) {
  // Both zeros interleaved with heights above and below them: the zeros must
  // form one run in ascending tile index, whatever their sign bits.
  TestWorld world(8);
  int n = 0;
  const float heights[] = {-0.0f, 0.0f, 0.5f, -0.5f, 0.0f, -0.0f};
  world.forEach([&n, &heights](Tile& t) { t.elevation = heights[n++ % 6]; });
  sortTilesByElevation(world.planet, world.climate, world.hooks.workers);
  expectSortedOncePerPoint(world.planet, world.climate);

  const GrowableArray<int32_t>& list = world.climate.tilesByElevation;
  int negativeZeros = 0;
  int positiveZeros = 0;
  int previousZero = -1;
  for (int32_t i = 0; i < list.count; ++i) {
    const float e = world.planet.hot()[list[i]].elevation;
    if (e != 0) continue;
    (std::signbit(e) ? negativeZeros : positiveZeros) += 1;
    EXPECT_GT(list[i], previousZero) << "entry " << i;
    previousZero = list[i];
  }
  EXPECT_EQ(negativeZeros, 14);
  EXPECT_EQ(positiveZeros, 14);
}

TEST(IterationSetup, ErosionScaleSpansTheHeightAboveTheSea) {
  PlanetStatistics statistics;
  statistics.seaLevel = 0.5f;
  statistics.elevationMax = 0.9f;
  EXPECT_EQ(erosionScaleFor(statistics),
            static_cast<float>(2.0 / (static_cast<double>(0.9f) - 0.5)));
  statistics.seaLevel = 0.9f;
  EXPECT_EQ(erosionScaleFor(statistics), 0.0f);
}

}  // namespace geoweave::detail
