#include "climate/iteration_setup.h"

#include <algorithm>

#include "grid/planet.h"

void sortTilesByElevation(const Planet& planet, PlanetParams& params) {
  GrowableArray<int32_t>& list = params.tilesByElevation;
  list.reserve(10 * planet.sideSquared);
  TileCursor cursor;
  for (cursor.start(planet.side); cursor.valid(); cursor.advance()) list.append(cursor.index());
  const Tile* tiles = planet.tiles;
  std::sort(list.data, list.data + list.count, [tiles](int32_t a, int32_t b) {
    const float ea = tiles[a].elevation;
    const float eb = tiles[b].elevation;
    return ea != eb ? ea > eb : a < b;
  });
}

float erosionScaleFor(const PlanetParams& params) {
  const double range = static_cast<double>(params.elevationMax) - params.seaLevel;
  return range != 0 ? static_cast<float>(2.0 / range) : 0.0f;
}
