#pragma once

namespace geoweave::detail {

// A grid position: diamond 0..9, x and y 0..lastIndex.
struct TileCoord {
  int diamond = 0;
  int x = 0;
  int y = 0;
};

// A point between grid positions: the fractions are added to x and y.
struct TilePoint {
  TileCoord coord;
  float fracX = 0;
  float fracY = 0;
};

inline bool sameCoord(const TileCoord& a, const TileCoord& b) {
  return a.diamond == b.diamond && a.x == b.x && a.y == b.y;
}

}  // namespace geoweave::detail
