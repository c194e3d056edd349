#pragma once

#include "grid/diamond_grid.h"
#include "grid/tile_coord.h"

namespace geoweave::detail {

// Which grid positions are one surface point, and which points neighbour
// it. Positions are those of a grid with a level set; any thread.

// Every position of the point at c: 1, 2, 3 or 5 entries, the same order
// from every copy.
int aliases(const DiamondGrid& grid, const TileCoord& c, TileCoord out[5]);

// The distinct neighbouring points: 6, or 5 at the twelve vertices. This
// is the definition, worked out from the aliases; from an edge point's
// other copies the same points may come in another order.
// DiamondGrid::neighborIndices gives the same lists fast.
int neighbors(const DiamondGrid& grid, const TileCoord& c, TileCoord out[6]);

}  // namespace geoweave::detail
