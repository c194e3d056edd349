#pragma once

#include <cstddef>
#include <cstdint>

#include "base/memory_limit.h"
#include "grid/diamond_grid.h"
#include "grid/tile_coord.h"
#include "world/tile_fields.h"

namespace geoweave::detail {

// A planet's state laid over the diamond grid: one record per grid position
// (see DiamondGrid for the addressing). Points on a diamond edge have one
// record at every position that holds them; the passes keep those copies
// identical (point_copies.h).
//
// The state is kept in three arrays of 10 x side^2 records, apart by how
// often it is used: the hot fields every turn reads and writes (32 bytes),
// the move fractions the atmosphere reads (24 bytes) and the roughness that
// only the elevation pass and the pictures read. Their layout and first
// touch are tuned for the climate turns: see allocate().
//
// allocate(), freeTiles() and the latitudes' keeping and release belong to
// one thread; the passes may write records from several threads as long as
// no two touch one point's records at once.
class PlanetGrid : public DiamondGrid {
 public:
  PlanetGrid() = default;
  PlanetGrid(const PlanetGrid&) = delete;
  PlanetGrid& operator=(const PlanetGrid&) = delete;
  ~PlanetGrid() { freeTiles(); }

  // Sizes the grid for an image width and zoom and allocates the records
  // (workers share out the first touch of the pages). False when the grid is
  // too large for 32-bit tile indices, needs more than the memory the process
  // may use (its cgroup's limit or the machine's memory), or is not allocated.
  // memoryLimit is the most the process may use, in bytes.
  bool allocate(int width, float zoom, int workers = 1, uint64_t memoryLimit = usableMemoryBytes());
  // The bytes allocate() takes for a level no larger than it accepts.
  static uint64_t bytesFor(int64_t level);
  // Releases the records and the grid's level.
  void freeTiles();
  // Makes room for the latitudes (their values are for the caller to write);
  // false when it cannot be had.
  bool keepLatitudes();
  void releaseLatitudes();

  // The record arrays, records() long and indexed by tileIndex(); null until
  // allocate(). Writers keep a point's copies alike.
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

  // The records at one position (this copy only); the position must lie in
  // an allocated grid.
  HotTile* hotAt(const TileCoord& c) { return hot_ + tileIndex(c); }
  const HotTile* hotAt(const TileCoord& c) const { return hot_ + tileIndex(c); }
  HotTile* hotAt(int diamond, int x, int y) {
    return hot_ + (diamond * sideSquared() + y * side() + x);
  }
  const HotTile* hotAt(int diamond, int x, int y) const {
    return hot_ + (diamond * sideSquared() + y * side() + x);
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

 private:
  // The level follows the records: only allocate() and freeTiles() set it.
  using DiamondGrid::clearLevel;
  using DiamondGrid::setLevel;

  HotTile* hot_ = nullptr;
  float* roughness_ = nullptr;
  MoveFractions* fractions_ = nullptr;
  float* latitudes_ = nullptr;
  // The one mapping that holds the three record arrays.
  void* storage_ = nullptr;
  size_t storageBytes_ = 0;
};

}  // namespace geoweave::detail
