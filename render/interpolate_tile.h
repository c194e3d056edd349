#pragma once

#include "grid/tile_coord.h"
#include "world/planet_grid.h"
#include "world/tile_fields.h"

namespace geoweave::detail {

// The tile blended from the grid points around a point between tiles: the
// eight hot fields (elevation to sediment), each rounded to float after
// every corner's share. Roughness, which no picture or sample shows, is
// left at 0, so that its array is not read.
Tile interpolateTile(const PlanetGrid& planet, const TilePoint& p);

// The blended elevation alone, for the relief shading.
float interpolateElevation(const PlanetGrid& planet, const TilePoint& p);

}  // namespace geoweave::detail
