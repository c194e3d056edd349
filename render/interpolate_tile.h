#pragma once

#include "grid/planet.h"
#include "grid/tile.h"
#include "grid/tile_coord.h"

// The tile blended from the grid points around a point between tiles: the
// nine state fields, each rounded to float after every corner's share. The
// other fields of the result are their defaults.
Tile interpolateTile(const Planet& planet, const TilePoint& p);

// The blended elevation alone, for the relief shading.
float interpolateElevation(const Planet& planet, const TilePoint& p);
