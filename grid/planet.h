#pragma once

#include <cstdint>
#include <string>

#include "base/memory_limit.h"
#include "grid/tile.h"
#include "grid/tile_coord.h"
#include "grid/vector.h"

// The icosahedron's twenty triangles paired into ten diamonds, each a square
// grid of side x side tiles. Points on a diamond edge have one record in every
// diamond that holds them; the passes keep those copies identical.
// One of the two flat triangles of a diamond as rays are cast against it:
// its plane, its edges from corner 3 and the parts of solving for a point's
// place in it that do not depend on the point.
struct DiamondTriangle {
  Plane plane;
  Vector3d e1;
  Vector3d e2;
  Vector3d normal;         // e1 x e2
  Vector3d e2CrossNormal;  // e2 x normal
  double determinant = 0;  // e1 . (e2 x normal)
};

struct Planet {
  Vector3d vertices[12];
  int diamonds[10][4] = {};
  // Triangle 0 (corners 3, 0, 1) holds y >= x, triangle 1 (3, 1, 2) x >= y.
  DiamondTriangle triangles[10][2];
  int level = 0;
  int side = 0;
  int sideSquared = 0;
  int lastIndex = 0;
  Tile* tiles = nullptr;
  int edgeMask = 0;
  float cellSize = 0;

  Planet() = default;
  Planet(const Planet&) = delete;
  Planet& operator=(const Planet&) = delete;
  ~Planet() { freeTiles(); }

  // --- geometry and addressing ---
  // The twelve vertices and the ten-diamond table.
  void buildIcosahedron();
  // Sizes the grid for an image width and zoom and allocates the tile records
  // (workers share out the first touch of the pages). False when the grid is
  // too large for 32-bit tile indices, larger than the memory the process may
  // use (its cgroup's limit or the machine's memory), or not allocated.
  // memoryLimit is the most the process may use, in bytes.
  bool allocate(int width, float zoom, int workers = 1, uint64_t memoryLimit = usableMemoryBytes());
  // The grid level allocate() would choose, before any limit is applied.
  static int64_t levelFor(int width, float zoom);
  // 12 x side^2 records for a level no larger than allocate() accepts.
  static int64_t tileRecordsFor(int64_t level);
  // The same count in decimal for any level, for the message that refuses it.
  static std::string tileRecordsText(int64_t level);
  void freeTiles();

  int tileIndex(const TileCoord& c) const { return c.diamond * sideSquared + c.y * side + c.x; }
  Tile* tileAt(const TileCoord& c) const { return tiles + tileIndex(c); }
  Tile* tileAt(int diamond, int x, int y) const {
    return tiles + (diamond * sideSquared + y * side + x);
  }
  TileCoord coordOf(int index) const {
    return TileCoord{index / sideSquared, index % side, (index / side) % side};
  }
  Vector3f pointPosition(const TilePoint& p) const;
  void mapCoordinates(const TilePoint& p, float& latitude, float& longitude) const;
  // The latitude mapCoordinates gives, without working out the longitude.
  float latitudeOf(const TilePoint& p) const;

  // --- neighbour navigation ---
  bool isOnDiamondEdge(const TileCoord& c) const {
    return (c.x & edgeMask) == 0 || (c.y & edgeMask) == 0;
  }
  bool isPole(const TileCoord& c) const {
    return c.diamond < 5 ? (c.x == 0 && c.y == lastIndex) : (c.x == lastIndex && c.y == 0);
  }
  // Every coordinate of the point: 1, 2, 3 or 5 entries, the same order from
  // every copy.
  int aliases(const TileCoord& c, TileCoord out[5]) const;
  bool samePoint(const TileCoord& a, const TileCoord& b) const;
  // The distinct neighbouring points: 6, or 5 at the twelve vertices.
  int neighbors(const TileCoord& c, TileCoord out[6]) const;

  // --- keeping the copies of a point alike ---
  // The points along one edge of a diamond (0 top, 1 right, 2 bottom, 3
  // left), corners excluded, stored to every copy.
  void copyEdge(int diamond, int edge);
  // The record stored at every copy of the point at c.
  void storeToAllCopies(const Tile& record, const TileCoord& c);
  // After the record at c was changed in place: the point's other copies get
  // it too. Interior points have no other copies and cost one test.
  void copyToOtherCopies(const TileCoord& c) {
    if (isOnDiamondEdge(c)) storeToAllCopies(*tileAt(c), c);
  }
};

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
