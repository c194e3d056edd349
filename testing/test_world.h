#pragma once

// Small hand-made planets for the climate tests.

#include <cmath>
#include <cstring>
#include <vector>

#include "climate/climate_state.h"
#include "climate/rivers.h"
#include "grid/grid_topology.h"
#include "grid/tile_cursor.h"
#include "terrain/move_fractions.h"
#include "testing/same_point.h"
#include "world/generation_settings.h"
#include "world/planet_grid.h"
#include "world/planet_statistics.h"
#include "world/point_copies.h"
#include "world/run_hooks.h"

namespace geoweave::detail {

namespace climate_test {

// A grid with stored neighbours and move fractions whose tiles all start
// flat at height 0: no sediment, no water, land. Sea level 0, highest ground 1.
// Beside it the parts of a run the climate stages read and write.
struct TestWorld {
  PlanetGrid planet;
  GenerationSettings settings;
  RunHooks hooks;
  PlanetStatistics statistics;
  ClimateState climate;
  RiverNetwork rivers;

  explicit TestWorld(int width = 8) {
    planet.buildIcosahedron();
    planet.allocate(width, 1.0f);
    storeMoveFractions(planet, 1);
    forEach([](Tile& t) { t.sediment = 0; });
    statistics.seaLevel = 0;
    statistics.elevationMax = 1;
  }

  // Edits every distinct point and stores it to all its copies.
  template <typename F>
  void forEach(F edit) {
    TileCursor cursor;
    for (cursor.start(planet.side()); cursor.valid(); cursor.advance()) {
      Tile t = planet.tile(cursor.coord());
      edit(t);
      storeToAllCopies(planet, t, cursor.coord());
    }
  }

  template <typename F>
  void edit(const TileCoord& c, F change) {
    Tile t = planet.tile(c);
    change(t);
    storeToAllCopies(planet, t, c);
  }

  Tile at(const TileCoord& c) const { return planet.tile(c); }
  int neighborCount(const TileCoord& c) const {
    TileCoord around[6];
    return neighbors(planet, c, around);
  }
  TileCoord neighbor(const TileCoord& c, int i) const {
    TileCoord around[6];
    neighbors(planet, c, around);
    return around[i];
  }
  float moveFraction(const TileCoord& c, int i) const { return planet.fractionsAt(c).share[i]; }

  // Gives every point but `keep` shares of 0 for all its neighbours: the
  // others then send no moisture on and their surroundings weigh nothing.
  void isolateAllBut(const TileCoord& keep) {
    for (int i = 0; i < planet.records(); ++i) {
      if (!samePoint(planet, planet.coordOf(i), keep)) planet.fractions()[i] = MoveFractions{};
    }
  }
};

// Every grid position of the ten diamonds.
inline std::vector<TileCoord> allPositions(const PlanetGrid& planet) {
  std::vector<TileCoord> out;
  for (int d = 0; d < 10; ++d) {
    for (int y = 0; y < planet.side(); ++y) {
      for (int x = 0; x < planet.side(); ++x) out.push_back(TileCoord{d, x, y});
    }
  }
  return out;
}

// The number of positions whose copies differ from their first alias.
inline int mismatchedCopies(const PlanetGrid& planet) {
  int mismatches = 0;
  for (const TileCoord& c : allPositions(planet)) {
    TileCoord copies[5];
    const int n = aliases(planet, c, copies);
    const Tile first = planet.tile(copies[0]);
    for (int i = 1; i < n; ++i) {
      const Tile other = planet.tile(copies[i]);
      if (std::memcmp(&first, &other, sizeof(Tile)) != 0 ||
          std::memcmp(&planet.fractionsAt(copies[0]), &planet.fractionsAt(copies[i]),
                      sizeof(MoveFractions)) != 0) {
        ++mismatches;
      }
    }
  }
  return mismatches;
}

inline bool finiteTile(const Tile& t) {
  const float fields[] = {t.roughness, t.elevation,  t.temperature, t.humidity, t.humidityInflow,
                          t.rain,      t.waterDepth, t.waterFlow,   t.sediment};
  for (const float f : fields) {
    if (!std::isfinite(f)) return false;
  }
  return true;
}

}  // namespace climate_test

}  // namespace geoweave::detail
