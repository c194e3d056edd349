#pragma once

// Shared helpers of the terrain tests.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "generation/planet_run.h"
#include "grid/grid_topology.h"
#include "terrain/fractal.h"
#include "terrain/move_fractions.h"
#include "terrain/sea_level.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

// A planet with fresh tiles and the grid chosen for an image of this width
// at zoom 1 (width 8: side 3, 16: side 5, 24: side 9, 48: side 17).
inline std::unique_ptr<PlanetGrid> makePlanet(int width) {
  auto planet = std::make_unique<PlanetGrid>();
  planet->buildIcosahedron();
  if (!planet->allocate(width, 1.0f)) ADD_FAILURE() << "no grid for width " << width;
  return planet;
}

// Records of the ten diamonds, copies of shared points included.
inline int diamondRecords(const PlanetGrid& planet) {
  return 10 * planet.sideSquared();
}

inline std::string describe(const TileCoord& c) {
  return "(" + std::to_string(c.diamond) + ", " + std::to_string(c.x) + ", " + std::to_string(c.y) +
         ")";
}

// Every copy of every point holds the very same bytes as the first copy
// listed: roughness, hot fields and move fractions.
inline testing::AssertionResult copiesAgree(const PlanetGrid& planet) {
  for (int i = 0; i < diamondRecords(planet); ++i) {
    const TileCoord c = planet.coordOf(i);
    TileCoord copies[5];
    const int n = aliases(planet, c, copies);
    for (int k = 0; k < n; ++k) {
      const Tile copy = planet.tile(copies[k]);
      const Tile own = planet.tile(c);
      if (std::memcmp(&copy, &own, sizeof(Tile)) != 0 ||
          std::memcmp(&planet.fractionsAt(copies[k]), &planet.fractionsAt(c),
                      sizeof(MoveFractions)) != 0) {
        return testing::AssertionFailure()
               << describe(c) << " differs from its copy " << describe(copies[k]);
      }
    }
  }
  return testing::AssertionSuccess();
}

// The work the generation driver does before fractal pass `phase`: the
// neighbour tables before roughness, the sea level before temperatures.
inline void prepareTerrainPhase(PlanetGrid& planet, PlanetRun& run, int phase) {
  if (phase == 0) {
    ASSERT_TRUE(storeMoveFractions(planet, 1));
  }
  if (phase == 2) calibrateSeaLevel(planet, run.settings, run.statistics, run.hooks.workers);
}

// Runs the driver's steps of phases 0 to lastPhase (at most 2) as generation
// does, without the climate phase.
inline void runTerrainPhases(PlanetGrid& planet, PlanetRun& run, int lastPhase) {
  Tile vertexTiles[12];
  const FractalRun fractal{planet, run.settings, run.terrain};
  for (int phase = 0; phase <= lastPhase; ++phase) {
    prepareTerrainPhase(planet, run, phase);
    ASSERT_EQ(fractalPass(fractal, phase, vertexTiles), PassResult::kDone);
  }
}

}  // namespace geoweave::detail
