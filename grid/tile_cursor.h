#pragma once

#include "grid/tile_coord.h"

namespace geoweave::detail {

// Walks every distinct surface point once: the column x = lastIndex belongs
// to every diamond but 9, the row y = lastIndex to diamonds 0 to 3.
struct TileCursor {
  int diamond = 0;
  int x = 0;
  int y = 0;
  int side = 0;
  int lastIndex = 0;
  int sideSquared = 0;

  void start(int gridSide) {
    diamond = x = y = 0;
    side = gridSide;
    lastIndex = gridSide - 1;
    sideSquared = gridSide * gridSide;
  }
  // Starts at the first point the walk visits in one diamond; the diamond's
  // points follow until the walk moves on (diamond changes).
  void startAt(int gridSide, int firstDiamond) {
    start(gridSide);
    diamond = firstDiamond;
    x = firstDiamond == 0 ? 0 : 1;
    y = firstDiamond >= 6 ? 1 : 0;
  }
  bool valid() const { return diamond >= 0 && diamond <= 9; }
  TileCoord coord() const { return TileCoord{diamond, x, y}; }
  int index() const { return diamond * sideSquared + y * side + x; }
  void advance() {
    ++x;
    if (x < lastIndex || (x == lastIndex && diamond != 9)) return;
    x = diamond == 0 ? 0 : 1;
    ++y;
    if (y < lastIndex || (y == lastIndex && diamond < 4)) return;
    ++diamond;
    if (diamond == 10) {
      x = y = -1;
      return;
    }
    x = 1;
    y = diamond >= 6 ? 1 : 0;
  }
};

}  // namespace geoweave::detail
