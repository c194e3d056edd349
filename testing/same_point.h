#pragma once

#include "grid/diamond_grid.h"
#include "grid/grid_topology.h"
#include "grid/tile_coord.h"

namespace geoweave::detail {

// Whether a and b are positions of one point: the tests' check of the copies
// of points on diamond edges (the generator itself works from aliases()).
inline bool samePoint(const DiamondGrid& grid, const TileCoord& a, const TileCoord& b) {
  if (a.diamond == b.diamond) return a.x == b.x && a.y == b.y;
  if (!grid.isOnDiamondEdge(a) || !grid.isOnDiamondEdge(b)) return false;
  TileCoord copies[5];
  const int n = aliases(grid, a, copies);
  for (int i = 0; i < n; ++i) {
    if (copies[i].diamond == b.diamond && copies[i].x == b.x && copies[i].y == b.y) return true;
  }
  return false;
}

}  // namespace geoweave::detail
