#include "world/point_copies.h"

#include "grid/grid_topology.h"

namespace geoweave::detail {

void copyEdge(PlanetGrid& planet, int diamond, int edge) {
  const int lastIndex = planet.lastIndex();
  for (int i = 1; i <= planet.side() - 2; ++i) {
    TileCoord c{diamond, 0, 0};
    switch (edge) {
      case 0:
        c.x = i;
        c.y = lastIndex;
        break;
      case 1:
        c.x = lastIndex;
        c.y = i;
        break;
      case 2:
        c.x = i;
        c.y = 0;
        break;
      default:
        c.x = 0;
        c.y = i;
        break;
    }
    storeToAllCopies(planet, planet.tile(c), c);
  }
}

void storeToAllCopies(PlanetGrid& planet, const Tile& record, const TileCoord& c) {
  if (!planet.isOnDiamondEdge(c)) {
    planet.setTile(c, record);
    return;
  }
  TileCoord copies[5];
  const int n = aliases(planet, c, copies);
  for (int i = n - 1; i >= 0; --i) planet.setTile(copies[i], record);
}

void storeToAllCopies(PlanetGrid& planet, const HotTile& record, const TileCoord& c) {
  if (!planet.isOnDiamondEdge(c)) {
    *planet.hotAt(c) = record;
    return;
  }
  TileCoord copies[5];
  const int n = aliases(planet, c, copies);
  for (int i = n - 1; i >= 0; --i) *planet.hotAt(copies[i]) = record;
}

}  // namespace geoweave::detail
