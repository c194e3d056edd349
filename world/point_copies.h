#pragma once

#include "grid/tile_coord.h"
#include "world/planet_grid.h"
#include "world/tile_fields.h"

namespace geoweave::detail {

// Keeping the copies of a point alike: a point on a diamond edge has a
// record at each of its positions (see aliases()), and every pass that
// writes one copy stores the result to the others too. A point is written
// by one thread at a time; points apart may be written side by side.

// The points along one edge of a diamond (0 top, 1 right, 2 bottom, 3
// left), corners excluded: roughness and hot fields stored to every copy.
void copyEdge(PlanetGrid& planet, int diamond, int edge);

// The record stored at every copy of the point at c.
void storeToAllCopies(PlanetGrid& planet, const Tile& record, const TileCoord& c);

// The hot fields stored at every copy of the point at c.
void storeToAllCopies(PlanetGrid& planet, const HotTile& record, const TileCoord& c);

// After the hot record at c was changed in place: the point's other copies
// get it too. Interior points have no other copies and cost one test.
inline void copyToOtherCopies(PlanetGrid& planet, const TileCoord& c) {
  if (planet.isOnDiamondEdge(c)) storeToAllCopies(planet, *planet.hotAt(c), c);
}

}  // namespace geoweave::detail
