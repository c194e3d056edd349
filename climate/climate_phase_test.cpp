#include "climate/climate_phase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "grid/grid_geometry.h"
#include "grid/grid_topology.h"
#include "grid/tile_cursor.h"
#include "testing/same_point.h"
#include "testing/test_planet.h"
#include "testing/test_world.h"

namespace geoweave::detail {

namespace {

using climate_test::allPositions;

class Climate : public testing::Test {};

// The whole generation: the terrain phases as the driver runs them, then
// the climate phase.
void generatePlanet(PlanetGrid& planet, PlanetRun& run, int width, uint32_t seed,
                    ProgressCallback progress = nullptr) {
  planet.buildIcosahedron();
  ASSERT_TRUE(planet.allocate(width, 1.0f));
  run.terrain.random.seed(seed);
  run.hooks.progress = progress;
  runTerrainPhases(planet, run, 2);
  ASSERT_TRUE(
      runClimatePhase(planet, run.settings, run.hooks, run.statistics, run.climate, run.rivers));
}

float largestRain(const PlanetGrid& planet) {
  float largest = 0;
  for (const TileCoord& c : allPositions(planet)) {
    if (planet.hotAt(c)->rain > largest) largest = planet.hotAt(c)->rain;
  }
  return largest;
}

// What must hold between turns: no field negative or undefined, no inflow
// left over, sediment within its ceiling, a reserve that only ever lends, and
// every copy of a point alike.
void expectSound(const PlanetGrid& planet, const PlanetRun& run) {
  int bad = 0;
  for (const TileCoord& c : allPositions(planet)) {
    const Tile t = planet.tile(c);
    const bool ok = climate_test::finiteTile(t) && t.humidity >= 0 && t.humidity <= 1 &&
                    t.humidityInflow == 0 && t.rain >= 0 && t.waterDepth >= 0 && t.waterFlow >= 0 &&
                    t.sediment >= 0 && t.sediment <= 0.05f;
    if (!ok && bad++ < 3) {
      ADD_FAILURE() << "tile " << c.diamond << "," << c.x << "," << c.y << " humidity "
                    << t.humidity << " inflow " << t.humidityInflow << " rain " << t.rain
                    << " depth " << t.waterDepth << " flow " << t.waterFlow << " sediment "
                    << t.sediment;
    }
  }
  EXPECT_EQ(bad, 0);
  EXPECT_EQ(climate_test::mismatchedCopies(planet), 0);
  EXPECT_LE(run.climate.waterReserve, 0.0f);
  EXPECT_TRUE(std::isfinite(run.climate.waterReserve));
}

struct Watch {
  const PlanetGrid* planet = nullptr;
  const PlanetRun* run = nullptr;
  std::vector<int> turns;
};

int checkTurn(int turn, void* user) {
  Watch& watch = *static_cast<Watch*>(user);
  watch.turns.push_back(turn);
  SCOPED_TRACE(testing::Message() << "turn " << turn);
  expectSound(*watch.planet, *watch.run);
  // The rain measure follows the latest atmosphere pass; none before the first.
  EXPECT_EQ(watch.run->statistics.rainfall, turn == 0 ? 0.0f : largestRain(*watch.planet));
  return 0;
}

// Finds the tile of a river point by its map position.
std::map<std::pair<float, float>, TileCoord> tilesByPosition(const PlanetGrid& planet) {
  std::map<std::pair<float, float>, TileCoord> out;
  TileCursor cursor;
  for (cursor.start(planet.side()); cursor.valid(); cursor.advance()) {
    float lat, lon;
    mapCoordinates(planet, TilePoint{cursor.coord(), 0, 0}, lat, lon);
    out[{lon, lat}] = cursor.coord();
  }
  return out;
}

std::vector<float> landFlows(const PlanetGrid& planet) {
  std::vector<float> flows;
  TileCursor cursor;
  for (cursor.start(planet.side()); cursor.valid(); cursor.advance()) {
    const Tile t = planet.tile(cursor.coord());
    if (!t.isSea()) flows.push_back(t.waterFlow);
  }
  return flows;
}

int countAbove(const std::vector<float>& flows, double limit) {
  int n = 0;
  for (const float f : flows) n += f > limit;
  return n;
}

std::vector<std::pair<float, std::string>> reports;
void recordReport(float fraction, const char* stage, void*) {
  reports.emplace_back(fraction, stage);
}

}  // namespace

TEST_F(Climate, EveryTurnLeavesTheTilesSound) {
  for (const int width : {32, 64}) {
    for (const uint32_t seed : {1u, 77u}) {
      SCOPED_TRACE(testing::Message() << "width " << width << " seed " << seed);
      PlanetGrid planet;
      PlanetRun run;
      Watch watch{&planet, &run, {}};
      run.settings.turns = 6;
      run.hooks.turnCallback = checkTurn;
      run.hooks.turnCallbackUser = &watch;
      generatePlanet(planet, run, width, seed);
      EXPECT_EQ(watch.turns, (std::vector<int>{0, 1, 2, 3, 4, 5}));
      expectSound(planet, run);
    }
  }
}

TEST_F(Climate, RiversCoverAboutTheRequestedShareOfLand) {
  for (const float fraction : {0.05f, 0.2f}) {
    for (const uint32_t seed : {3u, 11u}) {
      SCOPED_TRACE(testing::Message() << "fraction " << fraction << " seed " << seed);
      PlanetGrid planet;
      PlanetRun run;
      run.settings.riverFraction = fraction;
      generatePlanet(planet, run, 64, seed);
      EXPECT_GE(run.rivers.majorFlowThreshold, run.rivers.flowThreshold);
      EXPECT_EQ(run.statistics.rainfall, largestRain(planet));
      float largestFlow = 0;
      for (const TileCoord& c : allPositions(planet)) {
        if (planet.hotAt(c)->waterFlow > largestFlow) largestFlow = planet.hotAt(c)->waterFlow;
      }
      EXPECT_EQ(run.statistics.waterFlowing, largestFlow);

      // The threshold lies inside the fine bin where the running count
      // reaches the target, so the share is right to within a bin either way.
      const std::vector<float> flows = landFlows(planet);
      const int land = static_cast<int>(flows.size());
      ASSERT_GT(land, 100);
      const int wanted = land - static_cast<int>(land * (1.0 - static_cast<double>(fraction)));
      float p99 = 0;
      {
        std::vector<float> sorted = flows;
        std::sort(sorted.begin(), sorted.end());
        p99 = sorted[static_cast<size_t>(land * 0.99)];
      }
      const double bin = 1.01 * p99 / 1024 + 1e-9;
      EXPECT_LE(countAbove(flows, run.rivers.flowThreshold + bin), wanted);
      EXPECT_GE(countAbove(flows, run.rivers.flowThreshold - bin), wanted);
      EXPECT_GT(countAbove(flows, run.rivers.flowThreshold), 0);

      // Each segment starts at a river tile and runs to a neighbour no higher.
      const auto byPosition = tilesByPosition(planet);
      const GrowableArray<RiverPoint>& points = run.rivers.points;
      EXPECT_EQ(points.count % 2, 0);
      EXPECT_GT(points.count, 0);
      for (int32_t i = 0; i + 1 < points.count; i += 2) {
        const auto up = byPosition.find({points[i].longitude, points[i].latitude});
        const auto down = byPosition.find({points[i + 1].longitude, points[i + 1].latitude});
        ASSERT_NE(up, byPosition.end());
        ASSERT_NE(down, byPosition.end());
        const HotTile& upper = *planet.hotAt(up->second);
        const HotTile& lower = *planet.hotAt(down->second);
        EXPECT_FALSE(samePoint(planet, up->second, down->second));
        EXPECT_FALSE(upper.isSea());
        EXPECT_GT(upper.waterFlow, run.rivers.flowThreshold);
        EXPECT_EQ(points[i].flow, upper.waterFlow);
        EXPECT_EQ(points[i + 1].flow, lower.waterFlow);
        EXPECT_LE(lower.elevation, upper.elevation);
      }
    }
  }
}

TEST_F(Climate, RiverFractionsAtTheEndsStayDefined) {
  for (const float fraction : {0.0f, 1.0f}) {
    SCOPED_TRACE(fraction);
    PlanetGrid planet;
    PlanetRun run;
    run.settings.riverFraction = fraction;
    generatePlanet(planet, run, 32, 9);
    EXPECT_TRUE(std::isfinite(run.rivers.flowThreshold));
    EXPECT_TRUE(std::isfinite(run.rivers.majorFlowThreshold));
    EXPECT_EQ(run.rivers.points.count % 2, 0);
    for (int32_t i = 0; i < run.rivers.points.count; ++i) {
      EXPECT_TRUE(std::isfinite(run.rivers.points[i].flow));
    }
    if (fraction == 0.0f) {
      // Every sample lies at or below the top of the highest filled bin.
      EXPECT_EQ(run.rivers.flowThreshold, run.rivers.majorFlowThreshold);
      EXPECT_GT(run.rivers.flowThreshold, 0.0f);
    } else {
      EXPECT_EQ(run.rivers.flowThreshold, 0.0f);
      const std::vector<float> flows = landFlows(planet);
      EXPECT_GE(run.rivers.points.count, 2);
      EXPECT_LE(run.rivers.points.count, 2 * countAbove(flows, 0));
    }
  }
}

TEST_F(Climate, DegenerateSettingsStayFinite) {
  struct Case {
    float seaFraction;
    float cornerRange;
    int turns;
  };
  for (const Case c :
       {Case{0.0f, 0.2f, 3}, Case{1.0f, 0.2f, 3}, Case{0.75f, 0.2f, 1}, Case{0.75f, 0.0f, 3},
        Case{0.75f, 10.0f, 3}, Case{0.75f, -10.0f, 3}, Case{0.75f, 1e6f, 3},
        // Depths and surfaces at the edge of the float range.
        Case{1.0f, 3.4e38f, 3}, Case{1.05f, 3.4e38f, 3}, Case{1.05f, -3.4e38f, 3},
        Case{0.75f, 1e-38f, 3}}) {
    SCOPED_TRACE(testing::Message()
                 << "sea " << c.seaFraction << " range " << c.cornerRange << " turns " << c.turns);
    PlanetGrid planet;
    PlanetRun run;
    run.settings.seaFraction = c.seaFraction;
    run.settings.cornerElevationRange = c.cornerRange;
    run.settings.turns = c.turns;
    generatePlanet(planet, run, 32, 21);
    int bad = 0;
    for (const TileCoord& tc : allPositions(planet))
      bad += !climate_test::finiteTile(planet.tile(tc));
    EXPECT_EQ(bad, 0);
    const float stats[] = {run.statistics.seaLevel,       run.statistics.elevationMin,
                           run.statistics.elevationMax,   run.statistics.temperatureMin,
                           run.statistics.temperatureMax, run.statistics.waterFlowing,
                           run.statistics.rainfall,       run.climate.waterReserve,
                           run.rivers.flowThreshold,      run.rivers.majorFlowThreshold};
    for (const float s : stats) EXPECT_TRUE(std::isfinite(s)) << s;
    EXPECT_GE(run.statistics.temperatureMax, run.statistics.temperatureMin);
    for (int32_t i = 0; i < run.rivers.points.count; ++i) {
      const RiverPoint& p = run.rivers.points[i];
      EXPECT_TRUE(std::isfinite(p.longitude) && std::isfinite(p.latitude) && std::isfinite(p.flow));
    }
  }
}

TEST_F(Climate, ReportsEachStageInOrder) {
  for (const bool withCallback : {false, true}) {
    SCOPED_TRACE(withCallback);
    reports.clear();
    PlanetGrid planet;
    PlanetRun run;
    Watch watch{&planet, &run, {}};
    run.settings.turns = 4;
    if (withCallback) {
      run.hooks.turnCallback = checkTurn;
      run.hooks.turnCallbackUser = &watch;
    }
    generatePlanet(planet, run, 16, 2, recordReport);
    size_t first = 0;
    while (first < reports.size() && reports[first].second != "Setting up iterations") ++first;
    const std::vector<std::pair<float, std::string>> expected = {
        {0.07f, "Setting up iterations"},
        {static_cast<float>(0.08), "Iterating"},
        {static_cast<float>(0.08 + 0.9 * 1 / 4), "Iterating"},
        {static_cast<float>(0.08 + 0.9 * 2 / 4), "Iterating"},
        {static_cast<float>(0.08 + 0.9 * 3 / 4), "Iterating"},
        {0.98f, "Making rivers"},
        {1.0f, "Done generating planet"}};
    ASSERT_EQ(reports.size() - first, expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(reports[first + i], expected[i]) << "report " << i;
    }
  }
}

}  // namespace geoweave::detail
