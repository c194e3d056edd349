#pragma once

#include "climate/climate_state.h"
#include "climate/rivers.h"
#include "terrain/terrain_state.h"
#include "world/generation_settings.h"
#include "world/planet_statistics.h"
#include "world/run_hooks.h"

namespace geoweave::detail {

// Everything one run of generation keeps besides the grid, each part owned
// by the layer that computes it: the caller fills in the settings and hooks
// and seeds the terrain's random sequence; the stages fill in the rest, and
// each is handed only the parts it reads or writes. Each run has its own, so
// planets made at the same time in one process never see each other.
struct PlanetRun {
  GenerationSettings settings;
  RunHooks hooks;
  PlanetStatistics statistics;
  TerrainState terrain;
  ClimateState climate;
  RiverNetwork rivers;

  PlanetRun() = default;
  PlanetRun(const PlanetRun&) = delete;
  PlanetRun& operator=(const PlanetRun&) = delete;
};

}  // namespace geoweave::detail
