#pragma once

#include "generation/planet_run.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

// How a generation ended.
enum class GenerateStatus {
  kDone,
  // A fractal pass failed partway (the planet is incomplete).
  kFailed,
  // Storage for the tile order, the river list or a pass's scratch space could
  // not be had; the planet is incomplete and nothing more was reported.
  kOutOfMemory,
};

// Builds the whole planet on an allocated grid: neighbours and move fractions,
// roughness, elevation, sea level, temperatures, the climate turns and the
// rivers, reporting progress and calling the turn callback through run.hooks.
// The random sequence is run.terrain.random as the caller seeded it. The
// move fractions are stored on run.hooks.workers - 1 threads beside the
// fractal passes (on the caller's), which are one thread's work; the
// results are the same for any worker count.
GenerateStatus generatePlanet(PlanetGrid& planet, PlanetRun& run);

}  // namespace geoweave::detail
