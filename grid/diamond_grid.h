#pragma once

#include <cstdint>
#include <string>

#include "grid/icosahedron.h"
#include "grid/tile_coord.h"

namespace geoweave::detail {

// The icosahedron's ten diamonds, each a square grid of side x side
// positions, and how positions are addressed: position (diamond, x, y) is
// index diamond x side^2 + y x side + x of the arrays laid over the grid.
// Points on a diamond edge have a position in every diamond that holds them.
// Neighbours are not stored: the grid gives them from the position, and a
// small table holds the lists of the positions on diamond edges. Which
// positions are the same point and which neighbour it is in grid_topology.h,
// where they lie on the sphere in grid_geometry.h.
//
// The sizes are set by setLevel() and read by every pass; nothing else
// writes them.
class DiamondGrid {
 public:
  // 12 x side^2 must fit a 32-bit tile index.
  static constexpr int kMaxLevel = 13;

  Icosahedron icosahedron;

  DiamondGrid() = default;
  DiamondGrid(const DiamondGrid&) = delete;
  DiamondGrid& operator=(const DiamondGrid&) = delete;
  ~DiamondGrid() { clearLevel(); }

  // Builds the icosahedron the positions are laid on; needed before any
  // position is placed on the sphere, not for addressing.
  void buildIcosahedron() { icosahedron.build(); }

  // The sizes of the level set, all 0 before setLevel(): positions per
  // diamond side (2^level + 1), its square, the last x or y (side - 1), the
  // mask whose bits are clear only at x or y 0 and lastIndex (side - 2), and
  // the step between positions in diamond fractions (1 / lastIndex).
  int level() const { return level_; }
  int side() const { return side_; }
  int sideSquared() const { return sideSquared_; }
  int lastIndex() const { return lastIndex_; }
  int edgeMask() const { return edgeMask_; }
  float cellSize() const { return cellSize_; }

  // --- sizes ---
  // The grid level for an image width and zoom, before any limit is applied.
  static int64_t levelFor(int width, float zoom);
  // 12 x side^2 records for a level no larger than kMaxLevel: the count the
  // grid is known by (two of its twelve diamond blocks are never used, and
  // never built).
  static int64_t tileRecordsFor(int64_t level);
  // The same count in decimal for any level, for the message that refuses it.
  static std::string tileRecordsText(int64_t level);
  // The bytes of the edge table of a level from 1 to kMaxLevel.
  static uint64_t edgeTableBytes(int64_t level);
  // Sizes the grid for level 1 to kMaxLevel and lists the neighbours of its
  // edge positions (workers share out the diamonds). False, with the grid
  // left empty, for a level outside that range or when the table cannot be
  // had.
  bool setLevel(int64_t newLevel, int workers);
  // Back to no level: sizes 0, table released.
  void clearLevel();

  // --- addressing ---
  // The positions in use: ten diamonds of side^2.
  int64_t records() const { return 10 * static_cast<int64_t>(sideSquared_); }
  // The index of a position (diamond 0 to 9, x and y 0 to lastIndex) in the
  // arrays laid over the grid, and back.
  int tileIndex(const TileCoord& c) const { return c.diamond * sideSquared_ + c.y * side_ + c.x; }
  TileCoord coordOf(int index) const {
    return TileCoord{index / sideSquared_, index % side_, (index / side_) % side_};
  }
  // Whether the position lies on its diamond's edge: its point then has
  // positions in other diamonds too.
  bool isOnDiamondEdge(const TileCoord& c) const {
    return (c.x & edgeMask_) == 0 || (c.y & edgeMask_) == 0;
  }
  // Whether the position is a pole: the corner (0, lastIndex) of diamonds 0
  // to 4 (north), (lastIndex, 0) of 5 to 9 (south).
  bool isPole(const TileCoord& c) const {
    return c.diamond < 5 ? (c.x == 0 && c.y == lastIndex_) : (c.x == lastIndex_ && c.y == 0);
  }
  // The neighbours as position indices, fast: inside a diamond the offsets,
  // on its edges a table that gives every copy the list neighbors() makes
  // from the copy TileCursor visits (the one the passes work from). Needs
  // setLevel().
  int neighborIndices(const TileCoord& c, int32_t out[6]) const {
    if ((c.x & edgeMask_) != 0 && (c.y & edgeMask_) != 0) {
      const int32_t i = tileIndex(c);
      out[0] = i + side_;
      out[1] = i + side_ + 1;
      out[2] = i + 1;
      out[3] = i - side_;
      out[4] = i - side_ - 1;
      out[5] = i - 1;
      return 6;
    }
    const int32_t* listed = edgeNeighbors_ + 6 * edgeSlot(c);
    for (int k = 0; k < 6; ++k) out[k] = listed[k];
    return listed[5] < 0 ? 5 : 6;
  }

 private:
  // Where the list of an edge position lies in the edge table: per diamond
  // the rows y = 0 and y = L, then the columns x = 0 and x = L without their
  // ends, 4 (side - 1) positions.
  int edgeSlot(const TileCoord& c) const {
    int slot;
    if (c.y == 0) {
      slot = c.x;
    } else if (c.y == lastIndex_) {
      slot = side_ + c.x;
    } else if (c.x == 0) {
      slot = 2 * side_ + c.y - 1;
    } else {
      slot = 2 * side_ + lastIndex_ - 1 + c.y - 1;
    }
    return c.diamond * 4 * lastIndex_ + slot;
  }
  bool buildEdgeTable(int workers);

  int level_ = 0;
  int side_ = 0;
  int sideSquared_ = 0;
  int lastIndex_ = 0;
  int edgeMask_ = 0;
  float cellSize_ = 0;

  // Six position indices per edge position, the sixth -1 at a vertex.
  int32_t* edgeNeighbors_ = nullptr;
};

}  // namespace geoweave::detail
