#pragma once

#include "grid/diamond_grid.h"
#include "grid/tile_coord.h"
#include "grid/vector.h"

namespace geoweave::detail {

// Where grid points lie on the unit sphere and on the map. Points are those
// of a grid with a level set and its icosahedron built; any thread.

// The unit direction of a point: its place in the diamond's flat
// triangles, pushed out to the sphere.
Vector3f pointPosition(const DiamondGrid& grid, const TilePoint& p);

// Map fractions of a point: latitude from 0 at the south pole to 1 at the
// north pole, longitude a share of a turn eastward in [0, 1] (0 at the
// poles).
void mapCoordinates(const DiamondGrid& grid, const TilePoint& p, float& latitude, float& longitude);

// The latitude mapCoordinates gives, without working out the longitude.
float latitudeOf(const DiamondGrid& grid, const TilePoint& p);

}  // namespace geoweave::detail
