#include "climate/sweep_levels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "base/parallel.h"
#include "climate/iteration_setup.h"
#include "climate/temperatures.h"
#include "grid/grid_topology.h"
#include "testing/test_planet.h"

namespace geoweave::detail {

namespace {

// A planet with fractal terrain whose sweep list is sorted, as the climate
// phase has it before its turns.
struct SortedPlanet {
  std::unique_ptr<PlanetGrid> planet;
  PlanetParams params;

  SortedPlanet(int width, uint32_t seed) : planet(makePlanet(width)) {
    params.random.seed(seed);
    runTerrainPhases(*planet, params, 2);
    adjustTemperatures(*planet, params);
    EXPECT_TRUE(sortTilesByElevation(*planet, params));
  }
};

// Every record's place in the sweep list (the place of its point, for every
// copy), -1 for records of no listed point.
std::vector<int32_t> placesInList(const PlanetGrid& planet, const GrowableArray<int32_t>& list) {
  std::vector<int32_t> place(static_cast<size_t>(planet.records()), -1);
  for (int32_t i = 0; i < list.count; ++i) {
    TileCoord copies[5];
    const int n = aliases(planet, planet.coordOf(list[i]), copies);
    for (int k = 0; k < n; ++k) place[static_cast<size_t>(planet.tileIndex(copies[k]))] = i;
  }
  return place;
}

// The levels are a regrouping of the list in which two entries whose points
// lie within two steps of each other keep their order, in different levels.
void expectGroupedInOrder(const PlanetGrid& planet, const PlanetParams& params) {
  const GrowableArray<int32_t>& list = params.tilesByElevation;
  const GrowableArray<int32_t>& entries = params.sweepLevelEntries;
  const GrowableArray<int32_t>& starts = params.sweepLevelStarts;
  ASSERT_EQ(entries.count, list.count);
  ASSERT_GE(starts.count, 2);
  EXPECT_EQ(starts[0], 0);
  EXPECT_EQ(starts[starts.count - 1], list.count);
  std::vector<int32_t> sortedList(list.data, list.data + list.count);
  std::vector<int32_t> sortedEntries(entries.data, entries.data + entries.count);
  std::sort(sortedList.begin(), sortedList.end());
  std::sort(sortedEntries.begin(), sortedEntries.end());
  ASSERT_EQ(sortedEntries, sortedList);

  const std::vector<int32_t> place = placesInList(planet, list);
  std::vector<int> levelAt(static_cast<size_t>(list.count), -1);
  for (int k = 0; k + 1 < starts.count; ++k) {
    ASSERT_LT(starts[k], starts[k + 1]) << "level " << k << " is empty";
    for (int32_t e = starts[k]; e < starts[k + 1]; ++e) {
      const int32_t p = place[static_cast<size_t>(entries[e])];
      // Within a level the list order is kept too (not needed, but made so).
      if (e > starts[k]) {
        EXPECT_LT(place[static_cast<size_t>(entries[e - 1])], p);
      }
      levelAt[static_cast<size_t>(p)] = k;
    }
  }
  int pairs = 0;
  for (int32_t i = 0; i < list.count; ++i) {
    const TileCoord c = planet.coordOf(list[i]);
    TileCoord ring[6];
    const int n = neighbors(planet, c, ring);
    for (int a = 0; a < n; ++a) {
      TileCoord outer[6];
      const int m = neighbors(planet, ring[a], outer);
      for (int b = -1; b < m; ++b) {
        const TileCoord& q = b < 0 ? ring[a] : outer[b];
        const int32_t j = place[static_cast<size_t>(planet.tileIndex(q))];
        if (j < 0 || j >= i) continue;
        ++pairs;
        ASSERT_LT(levelAt[static_cast<size_t>(j)], levelAt[static_cast<size_t>(i)])
            << "entries " << j << " and " << i;
      }
    }
  }
  EXPECT_GT(pairs, list.count);
}

TEST(SweepLevels, NearbyEntriesKeepTheirOrderInOneBlockAndMany) {
  // One worker makes one block; with four, 41 thousand points still make one
  // block and 655 thousand make ten, which three threads count.
  for (const int width : {192, 768}) {
    SortedPlanet world(width, 7u);
    int oneBlock = 0;
    for (const int workers : {1, 4}) {
      SCOPED_TRACE(testing::Message() << width << " " << workers);
      ASSERT_TRUE(groupSweepLevels(*world.planet, world.params, workers));
      expectGroupedInOrder(*world.planet, world.params);
      const int levels = world.params.sweepLevelStarts.count - 1;
      // Far fewer levels than entries: each level holds many.
      EXPECT_LT(levels * 20, world.params.tilesByElevation.count);
      // Blocks only add levels where one gives way to the next.
      if (workers == 1) oneBlock = levels;
      EXPECT_GE(levels, oneBlock);
    }
  }
}

// Threads may join the counting late or find nothing left: the levels come
// out the same as from one call per block.
TEST(SweepLevels, LateThreadsShareTheBlocks) {
  SortedPlanet world(768, 5u);
  ASSERT_TRUE(groupSweepLevels(*world.planet, world.params, 4));
  const std::vector<int32_t> expected(
      world.params.sweepLevelEntries.data,
      world.params.sweepLevelEntries.data + world.params.sweepLevelEntries.count);
  const int expectedLevels = world.params.sweepLevelStarts.count;
  {
    SweepGrouping grouping(*world.planet, world.params, 16);  // four workers' blocks
    EXPECT_EQ(world.params.sweepLevelEntries.count, 0);
    auto late = [&grouping] { grouping.countLevels(); };
    auto early = [&grouping] { grouping.countLevels(); };
    runAlongside(late, early);
    grouping.countLevels();  // nothing left for a third
    ASSERT_TRUE(grouping.finish(3));
  }
  expectGroupedInOrder(*world.planet, world.params);
  EXPECT_EQ(world.params.sweepLevelStarts.count, expectedLevels);
  EXPECT_TRUE(
      std::equal(expected.begin(), expected.end(), world.params.sweepLevelEntries.data,
                 world.params.sweepLevelEntries.data + world.params.sweepLevelEntries.count));
}

TEST(SweepLevels, AnyListIsGroupedAndANewSortDropsTheLevels) {
  SortedPlanet world(48, 3u);
  // A hand-made list in index order, every point once.
  GrowableArray<int32_t>& list = world.params.tilesByElevation;
  std::sort(list.data, list.data + list.count);
  world.params.workers = 2;
  ASSERT_TRUE(groupSweepLevels(*world.planet, world.params, world.params.workers));
  expectGroupedInOrder(*world.planet, world.params);
  // Rows of a diamond in index order: a point waits for the row below.
  EXPECT_GT(world.params.sweepLevelStarts.count, world.planet->side);

  list.release();
  ASSERT_TRUE(sortTilesByElevation(*world.planet, world.params));
  EXPECT_EQ(world.params.sweepLevelEntries.count, 0);
  EXPECT_EQ(world.params.sweepLevelStarts.count, 0);
}

}  // namespace

}  // namespace geoweave::detail
