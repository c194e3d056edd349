#pragma once

#include "grid/tile_coord.h"
#include "world/planet_grid.h"
#include "world/tile_fields.h"

namespace geoweave::detail {

// The tile blended from the grid points around a point between tiles: the
// nine state fields, each rounded to float after every corner's share. The
// other fields of the result are their defaults.
Tile interpolateTile(const PlanetGrid& planet, const TilePoint& p);

// The blended elevation alone, for the relief shading.
float interpolateElevation(const PlanetGrid& planet, const TilePoint& p);

}  // namespace geoweave::detail
