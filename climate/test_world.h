#pragma once

// Small hand-made planets for the climate tests.

#include <cmath>
#include <cstring>
#include <vector>

#include "grid/planet.h"
#include "terrain/move_fractions.h"
#include "world/params.h"

namespace climate_test {

// A grid with stored neighbours and move fractions whose tiles all start
// flat at height 0: no sediment, no water, land. Sea level 0, highest ground 1.
struct TestWorld {
  Planet planet;
  PlanetParams params;

  explicit TestWorld(int width = 8) {
    planet.buildIcosahedron();
    planet.allocate(width, 1.0f);
    storeNeighborsAndMoveFractions(planet, 1);
    forEach([](Tile& t) { t.sediment = 0; });
    params.seaLevel = 0;
    params.elevationMax = 1;
  }

  // Edits every distinct point and stores it to all its copies.
  template <typename F>
  void forEach(F edit) {
    TileCursor cursor;
    for (cursor.start(planet.side); cursor.valid(); cursor.advance()) {
      Tile t = *planet.tileAt(cursor.coord());
      edit(t);
      planet.storeToAllCopies(t, cursor.coord());
    }
  }

  template <typename F>
  void edit(const TileCoord& c, F change) {
    Tile t = *planet.tileAt(c);
    change(t);
    planet.storeToAllCopies(t, c);
  }

  const Tile& at(const TileCoord& c) const { return *planet.tileAt(c); }
  TileCoord neighbor(const TileCoord& c, int i) const { return at(c).neighbors[i]; }

  // Cuts the neighbour links of every point but `keep`: the others then
  // neither send moisture nor feel their surroundings.
  void isolateAllBut(const TileCoord& keep) {
    TileCursor cursor;
    for (cursor.start(planet.side); cursor.valid(); cursor.advance()) {
      if (planet.samePoint(cursor.coord(), keep)) continue;
      edit(cursor.coord(), [](Tile& t) { t.neighborCount = 0; });
    }
  }
};

// Every grid position of the ten diamonds.
inline std::vector<TileCoord> allPositions(const Planet& planet) {
  std::vector<TileCoord> out;
  for (int d = 0; d < 10; ++d) {
    for (int y = 0; y < planet.side; ++y) {
      for (int x = 0; x < planet.side; ++x) out.push_back(TileCoord{d, x, y});
    }
  }
  return out;
}

// The number of positions whose copies differ from their first alias.
inline int mismatchedCopies(const Planet& planet) {
  int mismatches = 0;
  for (const TileCoord& c : allPositions(planet)) {
    TileCoord copies[5];
    const int n = planet.aliases(c, copies);
    for (int i = 1; i < n; ++i) {
      if (std::memcmp(planet.tileAt(copies[0]), planet.tileAt(copies[i]), sizeof(Tile)) != 0) {
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
