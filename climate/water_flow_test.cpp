#include "climate/water_flow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "climate/atmosphere.h"
#include "climate/iteration_setup.h"
#include "climate/sweep_levels.h"
#include "climate/temperatures.h"
#include "testing/test_planet.h"
#include "testing/test_world.h"

namespace geoweave::detail {

namespace {

// One tile walled in by high neighbours; each test opens the way it needs.
struct Slope : climate_test::TestWorld {
  const TileCoord tile{0, 1, 1};

  Slope() {
    for (int i = 0; i < neighborCount(tile); ++i) {
      edit(neighbor(tile, i), [](Tile& t) { t.elevation = 10; });
    }
    edit(tile, [](Tile& t) { t.temperature = 10; });
  }

  TileCoord next(int i) const { return neighbor(tile, i); }

  // Sweeps the listed tiles only, in the order given.
  void run(std::initializer_list<TileCoord> order, float erosionScale = 0.2f) {
    climate.tilesByElevation.release();
    for (const TileCoord& c : order)
      ASSERT_TRUE(climate.tilesByElevation.append(planet.tileIndex(c)));
    waterPass(planet, climate, hooks.workers, erosionScale);
    EXPECT_EQ(climate_test::mismatchedCopies(planet), 0);
  }
};

}  // namespace

TEST(WaterFlow, ArrivedMoistureBecomesHumidityAndDryTilesStayPut) {
  Slope world;
  world.edit(world.tile, [](Tile& t) {
    t.humidity = 0.9f;
    t.humidityInflow = 0.4f;
    t.sediment = 0.05f;
  });
  world.edit(world.next(0), [](Tile& t) { t.elevation = -1; });
  world.run({world.tile});
  const Tile t = world.at(world.tile);
  EXPECT_EQ(t.humidity, 0.4f);
  EXPECT_EQ(t.humidityInflow, 0.0f);
  EXPECT_EQ(t.waterDepth, 0.0f);
  EXPECT_EQ(t.waterFlow, 0.0f);
  EXPECT_EQ(t.sediment, 0.05f);
  EXPECT_EQ(world.at(world.next(0)).waterFlow, 0.0f);
}

TEST(WaterFlow, LevelsTwoSurfacesWithoutMovingSediment) {
  // Surfaces 1.5 and 0.9 either way; only the share of loose sediment differs.
  for (const float tileSediment : {0.0f, 0.03f}) {
    SCOPED_TRACE(tileSediment);
    const float lowSediment = tileSediment == 0 ? 0.05f : 0.01f;
    Slope world;
    world.edit(world.tile, [tileSediment](Tile& t) {
      t.elevation = 1.0f - tileSediment;
      t.sediment = tileSediment;
      t.waterDepth = 0.5f;
      t.waterFlow = 0.1f;
    });
    world.edit(world.next(2), [lowSediment](Tile& t) {
      t.elevation = 0.9f - lowSediment;
      t.sediment = lowSediment;
      t.waterFlow = 0.2f;
    });
    world.run({world.tile}, 5.0f);
    const Tile t = world.at(world.tile);
    const Tile low = world.at(world.next(2));
    EXPECT_NEAR(t.waterDepth, 0.2, 1e-6);
    EXPECT_NEAR(low.waterDepth, 0.3, 1e-6);
    EXPECT_FLOAT_EQ(t.surfaceHeight(), 1.2f);
    EXPECT_FLOAT_EQ(low.surfaceHeight(), 1.2f);
    EXPECT_NEAR(t.waterFlow, 0.4, 1e-6);
    EXPECT_NEAR(low.waterFlow, 0.5, 1e-6);
    EXPECT_EQ(t.sediment, tileSediment);
    EXPECT_EQ(low.sediment, lowSediment);
  }
}

TEST(WaterFlow, TileThatRunsDryLosesSedimentHalfOfWhichLandsBelow) {
  struct Case {
    float erosionScale;
    float lowSediment;
    double tileAfter;
    double lowAfter;
  };
  for (const Case c : {Case{0.2f, 0.01f, 0.03, 0.02}, Case{0.2f, 0.05f, 0.03, 0.05},
                       Case{5.0f, 0.01f, 0.0, 0.035}, Case{0.0f, 0.01f, 0.05, 0.01}}) {
    SCOPED_TRACE(testing::Message() << c.erosionScale << " " << c.lowSediment);
    Slope world;
    // Ground 1 above the neighbour's surface: all 0.1 of water leaves.
    world.edit(world.tile, [](Tile& t) {
      t.elevation = 1.5f;
      t.sediment = 0.05f;
      t.waterDepth = 0.1f;
    });
    world.edit(world.next(3), [&c](Tile& t) {
      t.elevation = 0.5f - c.lowSediment;
      t.sediment = c.lowSediment;
    });
    world.run({world.tile}, c.erosionScale);
    const Tile t = world.at(world.tile);
    const Tile low = world.at(world.next(3));
    EXPECT_EQ(t.waterDepth, 0.0f);
    EXPECT_EQ(low.waterDepth, 0.1f);
    EXPECT_EQ(t.waterFlow, 0.1f);
    EXPECT_NEAR(t.sediment, c.tileAfter, 1e-8);
    EXPECT_NEAR(low.sediment, c.lowAfter, 1e-8);
    EXPECT_LE(low.sediment, 0.05f);
  }
}

TEST(WaterFlow, PitTakesAllOfItsNeighboursWater) {
  Slope world;
  world.edit(world.tile, [](Tile& t) { t.rain = 1; });  // just enough water to run
  world.edit(world.next(4), [](Tile& t) {
    t.elevation = 1.0f;
    t.sediment = 0.05f;
    t.waterDepth = 0.2f;
  });
  world.run({world.tile});
  const Tile t = world.at(world.tile);
  const Tile low = world.at(world.next(4));
  EXPECT_NEAR(t.waterDepth, 0.2 + 1e-4, 1e-8);
  EXPECT_EQ(low.waterDepth, 0.0f);
  EXPECT_NEAR(t.waterFlow, 0.2, 1e-8);
  EXPECT_NEAR(low.waterFlow, 0.2, 1e-8);
  EXPECT_NEAR(low.sediment, 0.01, 1e-8);
  EXPECT_NEAR(t.sediment, 0.02, 1e-8);
}

TEST(WaterFlow, LowestSurfaceWinsAndTheFirstListedOnATie) {
  for (const float later : {0.2f, 0.1f}) {
    SCOPED_TRACE(later);
    Slope world;
    world.edit(world.tile, [](Tile& t) {
      t.elevation = 1.0f;
      t.waterDepth = 0.1f;
    });
    world.edit(world.next(1), [](Tile& t) { t.elevation = 0.2f; });
    world.edit(world.next(4), [later](Tile& t) { t.elevation = later; });
    world.run({world.tile});
    const bool tie = later == 0.2f;
    EXPECT_EQ(world.at(world.next(1)).waterDepth, tie ? 0.1f : 0.0f);
    EXPECT_EQ(world.at(world.next(4)).waterDepth, tie ? 0.0f : 0.1f);
  }
}

TEST(WaterFlow, FrozenTileKeepsItsWaterButStillFills) {
  for (const float temperature : {-15.0f, -14.9f}) {
    SCOPED_TRACE(temperature);
    Slope world;
    world.edit(world.tile, [temperature](Tile& t) {
      t.temperature = temperature;
      t.elevation = 1.0f;
      t.waterDepth = 0.1f;
      t.rain = 2;
    });
    world.edit(world.next(0), [](Tile& t) { t.elevation = 0.0f; });
    world.run({world.tile});
    const bool frozen = temperature <= -15.0f;
    EXPECT_NEAR(world.at(world.tile).waterDepth, frozen ? 0.1002 : 0.0, 1e-8);
    EXPECT_NEAR(world.at(world.tile).waterFlow, frozen ? 0.0 : 0.1002, 1e-8);
    EXPECT_NEAR(world.at(world.next(0)).waterDepth, frozen ? 0.0 : 0.1002, 1e-8);
  }

  // A frozen tile below still receives what drains into it, and keeps it.
  Slope world;
  const TileCoord frozen = world.next(2);
  world.edit(world.tile, [](Tile& t) {
    t.elevation = 1.0f;
    t.waterDepth = 0.1f;
  });
  world.edit(frozen, [](Tile& t) {
    t.elevation = 0.5f;
    t.temperature = -20;
    t.waterDepth = 0.05f;
  });
  world.run({world.tile, frozen});
  EXPECT_NEAR(world.at(frozen).waterDepth, 0.15, 1e-8);
  EXPECT_NEAR(world.at(frozen).waterFlow, 0.1, 1e-8);
}

TEST(WaterFlow, WaterRunsDownAWholeSlopeInOneSweep) {
  for (const bool downhill : {true, false}) {
    SCOPED_TRACE(downhill);
    Slope world;
    const TileCoord middle = world.next(2);
    world.edit(world.tile, [](Tile& t) {
      t.elevation = 1.0f;
      t.waterDepth = 0.1f;
    });
    world.edit(middle, [](Tile& t) { t.elevation = 0.5f; });
    // The middle tile's other neighbours off the walled ring lie at 0.
    if (downhill) {
      world.run({world.tile, middle});
    } else {
      world.run({middle, world.tile});
    }
    EXPECT_EQ(world.at(world.tile).waterDepth, 0.0f);
    EXPECT_NEAR(world.at(middle).waterDepth, downhill ? 0.0 : 0.1, 1e-8);
    EXPECT_NEAR(world.at(middle).waterFlow, downhill ? 0.2 : 0.1, 1e-8);
  }
}

TEST(WaterFlow, WholeSweepConservesWaterAndKeepsFieldsInRange) {
  climate_test::TestWorld world(16);
  world.statistics.seaLevel = 0.4f;
  int n = 0;
  double before = 0;
  world.forEach([&n, &before](Tile& t) {
    const int k = n++;
    t.elevation = static_cast<float>((k * 37) % 23) / 23.0f;
    t.sediment = 0.05f;
    t.waterDepth = t.elevation < 0.4f ? 0.4f - t.elevation : 0.0f;
    t.temperature = static_cast<float>((k * 13) % 50) - 20.0f;
    t.rain = static_cast<float>(k % 4) * 0.25f;
    t.humidityInflow = static_cast<float>(k % 5) * 0.2f;
    before += t.waterDepth + static_cast<double>(t.rain) * kDepthUnit;
  });
  ASSERT_TRUE(sortTilesByElevation(world.planet, world.climate, world.hooks.workers));
  waterPass(world.planet, world.climate, world.hooks.workers, 5.0f);
  EXPECT_EQ(climate_test::mismatchedCopies(world.planet), 0);
  double after = 0;
  int moved = 0;
  world.forEach([&after, &moved](Tile& t) {
    after += t.waterDepth;
    if (t.waterFlow > 0) ++moved;
    EXPECT_EQ(t.humidityInflow, 0.0f);
    EXPECT_GE(t.waterDepth, 0.0f);
    EXPECT_GE(t.waterFlow, 0.0f);
    EXPECT_GE(t.sediment, 0.0f);
    EXPECT_LE(t.sediment, 0.05f);
  });
  EXPECT_GT(moved, 0);
  EXPECT_NEAR(after, before, 1e-5);
}

// Level after level on several workers, the sweep must leave every bit as in
// list order on one: on a planet with fractal terrain, rain and seas, over
// several sweeps, with one block of levels and with many.
TEST(WaterFlow, SweepsByLevelsMatchTheListOrderBitForBit) {
  for (const int width : {192, 768}) {
    SCOPED_TRACE(width);
    auto planet = makePlanet(width);
    PlanetRun run;
    run.terrain.random.seed(11u);
    runTerrainPhases(*planet, run, 2);
    adjustTemperatures(*planet, run.statistics, run.hooks.workers);
    ASSERT_TRUE(sortTilesByElevation(*planet, run.climate, run.hooks.workers));
    run.hooks.workers = 3;
    ASSERT_TRUE(groupSweepLevels(*planet, run.climate, run.hooks.workers));
    atmospherePass(*planet, run.settings, run.statistics, run.climate);
    const float erosionScale = erosionScaleFor(run.statistics);
    const std::vector<HotTile> start(planet->hot(), planet->hot() + planet->records());
    std::vector<HotTile> once;
    for (const int workers : {1, 2, 3, 7}) {
      std::copy(start.begin(), start.end(), planet->hot());
      run.hooks.workers = workers;
      for (int sweep = 0; sweep < 3; ++sweep) {
        // Untimed, the sweep is shared out: every one of these is.
        run.climate.sweepTimes = SweepTimes{};
        waterPass(*planet, run.climate, run.hooks.workers, erosionScale);
      }
      if (workers == 1) {
        once.assign(planet->hot(), planet->hot() + planet->records());
        // The sweeps moved water and sediment: there is something to compare.
        EXPECT_NE(std::memcmp(once.data(), start.data(), start.size() * sizeof(HotTile)), 0);
        continue;
      }
      EXPECT_EQ(std::memcmp(once.data(), planet->hot(), once.size() * sizeof(HotTile)), 0)
          << workers << " workers";
    }
  }
}

// The sweep takes the way that was faster per entry, and every fourth time
// tries the other again: the one whose time changes is the one it took.
TEST(WaterFlow, SweepsTakeTheFasterWayAndRetryTheOther) {
  auto planet = makePlanet(192);
  PlanetRun run;
  run.terrain.random.seed(3u);
  runTerrainPhases(*planet, run, 2);
  ASSERT_TRUE(sortTilesByElevation(*planet, run.climate, run.hooks.workers));
  run.hooks.workers = 2;
  ASSERT_TRUE(groupSweepLevels(*planet, run.climate, run.hooks.workers));
  // A time no sweep takes, to see which one was measured again.
  constexpr double kUntouched = 1e9;
  const struct {
    double shared, alone;
    int sinceRetry;
    bool takesShared;
    int sinceRetryAfter;
  } cases[] = {{0, 0, 0, true, 0},            // never timed: share
               {kUntouched, 0, 0, false, 0},  // shared timed only: time it alone
               {kUntouched, 2 * kUntouched, 0, true, 1},
               {2 * kUntouched, kUntouched, 2, false, 3},
               {kUntouched, 2 * kUntouched, 3, false, 0},  // the slower way, again
               {2 * kUntouched, kUntouched, 3, true, 0}};
  for (const auto& c : cases) {
    run.climate.sweepTimes = SweepTimes{c.shared, c.alone, c.sinceRetry};
    waterPass(*planet, run.climate, run.hooks.workers, 0.5f);
    const SweepTimes& t = run.climate.sweepTimes;
    EXPECT_EQ(t.shared != c.shared, c.takesShared)
        << c.shared << " " << c.alone << " " << c.sinceRetry;
    EXPECT_EQ(t.alone != c.alone, !c.takesShared)
        << c.shared << " " << c.alone << " " << c.sinceRetry;
    EXPECT_GT(c.takesShared ? t.shared : t.alone, 0.0);
    EXPECT_EQ(t.sinceRetry, c.sinceRetryAfter);
  }
  // One worker, or no levels: the list in order, nothing timed.
  run.climate.sweepTimes = SweepTimes{};
  run.hooks.workers = 1;
  waterPass(*planet, run.climate, run.hooks.workers, 0.5f);
  EXPECT_EQ(run.climate.sweepTimes.shared, 0.0);
  EXPECT_EQ(run.climate.sweepTimes.alone, 0.0);
}

}  // namespace geoweave::detail
