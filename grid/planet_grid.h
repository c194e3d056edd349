#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/memory_limit.h"
#include "grid/tile.h"
#include "grid/tile_coord.h"
#include "grid/vector.h"

namespace geoweave::detail {

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

// The icosahedron's twenty triangles paired into ten diamonds, each a square
// grid of side x side positions, indexed diamond x side^2 + y x side + x.
// Points on a diamond edge have one record in every diamond that holds them;
// the passes keep those copies identical.
//
// The state is kept in three arrays of 10 x side^2 records, apart by how
// often it is used: the hot fields every turn reads and writes (32 bytes),
// the move fractions the atmosphere reads (24 bytes) and the roughness that
// only the elevation pass and the pictures read. Neighbours are not stored:
// the grid gives them from the position, and a small table holds the lists
// of the positions on diamond edges.
struct PlanetGrid {
  Vector3d vertices[12];
  int diamonds[10][4] = {};
  // Triangle 0 (corners 3, 0, 1) holds y >= x, triangle 1 (3, 1, 2) x >= y.
  DiamondTriangle triangles[10][2];
  int level = 0;
  int side = 0;
  int sideSquared = 0;
  int lastIndex = 0;
  int edgeMask = 0;
  float cellSize = 0;

  PlanetGrid() = default;
  PlanetGrid(const PlanetGrid&) = delete;
  PlanetGrid& operator=(const PlanetGrid&) = delete;
  ~PlanetGrid() { freeTiles(); }

  // --- geometry and addressing ---
  // The twelve vertices and the ten-diamond table.
  void buildIcosahedron();
  // Sizes the grid for an image width and zoom and allocates the records
  // (workers share out the first touch of the pages). False when the grid is
  // too large for 32-bit tile indices, needs more than the memory the process
  // may use (its cgroup's limit or the machine's memory), or is not allocated.
  // memoryLimit is the most the process may use, in bytes.
  bool allocate(int width, float zoom, int workers = 1, uint64_t memoryLimit = usableMemoryBytes());
  // The grid level allocate() would choose, before any limit is applied.
  static int64_t levelFor(int width, float zoom);
  // 12 x side^2 records for a level no larger than allocate() accepts: the
  // count the grid is known by (two of its twelve diamond blocks are never
  // used, and never built).
  static int64_t tileRecordsFor(int64_t level);
  // The same count in decimal for any level, for the message that refuses it.
  static std::string tileRecordsText(int64_t level);
  // The bytes allocate() takes for a level no larger than it accepts.
  static uint64_t bytesFor(int64_t level);
  void freeTiles();
  // Makes room for the latitudes (their values are for the caller to write);
  // false when it cannot be had.
  bool keepLatitudes();
  void releaseLatitudes();

  // The records in use: ten diamonds of side^2.
  int64_t records() const { return 10 * static_cast<int64_t>(sideSquared); }
  int tileIndex(const TileCoord& c) const { return c.diamond * sideSquared + c.y * side + c.x; }
  TileCoord coordOf(int index) const {
    return TileCoord{index / sideSquared, index % side, (index / side) % side};
  }

  // The record arrays, records() long and indexed by tileIndex(); null until
  // allocate(). Writers keep a point's copies alike (see below).
  HotTile* hot() { return hot_; }
  const HotTile* hot() const { return hot_; }
  float* roughness() { return roughness_; }
  const float* roughness() const { return roughness_; }
  MoveFractions* fractions() { return fractions_; }
  const MoveFractions* fractions() const { return fractions_; }
  // The latitude of every record as mapCoordinates gives it, worked out with
  // the move fractions and kept for the temperatures, which release it; null
  // when not kept.
  float* latitudes() { return latitudes_; }
  const float* latitudes() const { return latitudes_; }

  HotTile* hotAt(const TileCoord& c) { return hot_ + tileIndex(c); }
  const HotTile* hotAt(const TileCoord& c) const { return hot_ + tileIndex(c); }
  HotTile* hotAt(int diamond, int x, int y) {
    return hot_ + (diamond * sideSquared + y * side + x);
  }
  const HotTile* hotAt(int diamond, int x, int y) const {
    return hot_ + (diamond * sideSquared + y * side + x);
  }
  float& roughnessAt(const TileCoord& c) { return roughness_[tileIndex(c)]; }
  float roughnessAt(const TileCoord& c) const { return roughness_[tileIndex(c)]; }
  const MoveFractions& fractionsAt(const TileCoord& c) const { return fractions_[tileIndex(c)]; }
  // The record at c (this copy) as one value.
  Tile tile(const TileCoord& c) const {
    const int i = tileIndex(c);
    return Tile(roughness_[i], hot_[i]);
  }
  // Stores a value to the record at c only, not to the point's other copies.
  void setTile(const TileCoord& c, const Tile& t) {
    const int i = tileIndex(c);
    roughness_[i] = t.roughness;
    hot_[i] = t.hot();
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
  // The distinct neighbouring points: 6, or 5 at the twelve vertices. This
  // is the definition, worked out from the aliases; from an edge point's
  // other copies the same points may come in another order.
  int neighbors(const TileCoord& c, TileCoord out[6]) const;
  // The neighbours as record indices, fast: inside a diamond the offsets,
  // on its edges a table that gives every copy the list neighbors() makes
  // from the copy TileCursor visits (the one the passes work from). Needs
  // allocate().
  int neighborIndices(const TileCoord& c, int32_t out[6]) const {
    if ((c.x & edgeMask) != 0 && (c.y & edgeMask) != 0) {
      const int32_t i = tileIndex(c);
      out[0] = i + side;
      out[1] = i + side + 1;
      out[2] = i + 1;
      out[3] = i - side;
      out[4] = i - side - 1;
      out[5] = i - 1;
      return 6;
    }
    const int32_t* listed = edgeNeighbors_ + 6 * edgeSlot(c);
    for (int k = 0; k < 6; ++k) out[k] = listed[k];
    return listed[5] < 0 ? 5 : 6;
  }

  // --- keeping the copies of a point alike ---
  // The points along one edge of a diamond (0 top, 1 right, 2 bottom, 3
  // left), corners excluded: roughness and hot fields stored to every copy.
  void copyEdge(int diamond, int edge);
  // The record stored at every copy of the point at c.
  void storeToAllCopies(const Tile& record, const TileCoord& c);
  // The hot fields stored at every copy of the point at c.
  void storeToAllCopies(const HotTile& record, const TileCoord& c);
  // After the hot record at c was changed in place: the point's other copies
  // get it too. Interior points have no other copies and cost one test.
  void copyToOtherCopies(const TileCoord& c) {
    if (isOnDiamondEdge(c)) storeToAllCopies(*hotAt(c), c);
  }

 private:
  // Where the list of an edge position lies in the edge table: per diamond
  // the rows y = 0 and y = L, then the columns x = 0 and x = L without their
  // ends, 4 (side - 1) positions.
  int edgeSlot(const TileCoord& c) const {
    int slot;
    if (c.y == 0) {
      slot = c.x;
    } else if (c.y == lastIndex) {
      slot = side + c.x;
    } else if (c.x == 0) {
      slot = 2 * side + c.y - 1;
    } else {
      slot = 2 * side + lastIndex - 1 + c.y - 1;
    }
    return c.diamond * 4 * lastIndex + slot;
  }
  bool buildEdgeTable(int workers);

  HotTile* hot_ = nullptr;
  float* roughness_ = nullptr;
  MoveFractions* fractions_ = nullptr;
  float* latitudes_ = nullptr;

  // Six record indices per edge position, the sixth -1 at a vertex.
  int32_t* edgeNeighbors_ = nullptr;
  // The one mapping that holds the three record arrays.
  void* storage_ = nullptr;
  size_t storageBytes_ = 0;
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

}  // namespace geoweave::detail
