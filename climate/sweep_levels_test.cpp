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
  PlanetRun run;

  SortedPlanet(int width, uint32_t seed) : planet(makePlanet(width)) {
    run.terrain.random.seed(seed);
    runTerrainPhases(*planet, run, 2);
    adjustTemperatures(*planet, run.statistics, run.hooks.workers);
    EXPECT_TRUE(sortTilesByElevation(*planet, run.climate, run.hooks.workers));
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
void expectGroupedInOrder(const PlanetGrid& planet, const ClimateState& climate) {
  const GrowableArray<int32_t>& list = climate.tilesByElevation;
  const GrowableArray<int32_t>& entries = climate.sweepLevelEntries;
  const GrowableArray<int32_t>& starts = climate.sweepLevelStarts;
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
      ASSERT_TRUE(groupSweepLevels(*world.planet, world.run.climate, workers));
      expectGroupedInOrder(*world.planet, world.run.climate);
      const int levels = world.run.climate.sweepLevelStarts.count - 1;
      // Far fewer levels than entries: each level holds many.
      EXPECT_LT(levels * 20, world.run.climate.tilesByElevation.count);
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
  ASSERT_TRUE(groupSweepLevels(*world.planet, world.run.climate, 4));
  const std::vector<int32_t> expected(
      world.run.climate.sweepLevelEntries.data,
      world.run.climate.sweepLevelEntries.data + world.run.climate.sweepLevelEntries.count);
  const int expectedLevels = world.run.climate.sweepLevelStarts.count;
  {
    SweepGrouping grouping(*world.planet, world.run.climate, 16);  // four workers' blocks
    EXPECT_EQ(world.run.climate.sweepLevelEntries.count, 0);
    auto late = [&grouping] { grouping.countLevels(); };
    auto early = [&grouping] { grouping.countLevels(); };
    runAlongside(late, early);
    grouping.countLevels();  // nothing left for a third
    ASSERT_TRUE(grouping.finish(3));
  }
  expectGroupedInOrder(*world.planet, world.run.climate);
  EXPECT_EQ(world.run.climate.sweepLevelStarts.count, expectedLevels);
  EXPECT_TRUE(std::equal(
      expected.begin(), expected.end(), world.run.climate.sweepLevelEntries.data,
      world.run.climate.sweepLevelEntries.data + world.run.climate.sweepLevelEntries.count));
}

TEST(SweepLevels, AnyListIsGroupedAndANewSortDropsTheLevels) {
  SortedPlanet world(48, 3u);
  // A hand-made list in index order, every point once.
  GrowableArray<int32_t>& list = world.run.climate.tilesByElevation;
  std::sort(list.data, list.data + list.count);
  world.run.hooks.workers = 2;
  ASSERT_TRUE(groupSweepLevels(*world.planet, world.run.climate, world.run.hooks.workers));
  expectGroupedInOrder(*world.planet, world.run.climate);
  // Rows of a diamond in index order: a point waits for the row below.
  EXPECT_GT(world.run.climate.sweepLevelStarts.count, world.planet->side());

  list.release();
  ASSERT_TRUE(sortTilesByElevation(*world.planet, world.run.climate, world.run.hooks.workers));
  EXPECT_EQ(world.run.climate.sweepLevelEntries.count, 0);
  EXPECT_EQ(world.run.climate.sweepLevelStarts.count, 0);
}

}  // namespace

}  // namespace geoweave::detail
