#pragma once

#include <atomic>
#include <cstdint>

#include "base/buffer.h"
#include "base/growable_array.h"
#include "climate/climate_state.h"
#include "grid/index_divider.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

// Groups the water sweep's entries (climate.tilesByElevation) into levels, in
// climate.sweepLevelEntries and sweepLevelStarts. An entry reads and writes
// only its point and the neighbours, so two entries interfere only when
// their points lie at most two steps apart; such entries land in different
// levels, the earlier in the list in the lower level, and the entries of one
// level touch disjoint points. Sweeping level after level, each level in any
// order and by any number of workers, thus gives the very result of the
// sweep in list order.
//
// An entry's level is one above the highest level of the earlier entries
// near it. With more than one worker the list is cut into blocks that the
// workers take side by side, each block's levels following the previous
// block's (more levels than one block needs, in a fraction of the time).
// False, with no levels kept, when the room for them could not be had or a
// block would need more than 65535 levels; the sweeps then run in list
// order.
bool groupSweepLevels(const PlanetGrid& planet, ClimateState& climate, int workers);

// The same grouping, for threads that join at different times: each calls
// countLevels(), which takes the blocks still left one at a time, and once
// every call has returned, finish() sorts the entries into their levels
// (false as groupSweepLevels). blocks: how many pieces the list is cut into
// (one gives the fewest levels). The list and the grid must not change
// meanwhile; nothing else of the planet is read.
class SweepGrouping {
 public:
  SweepGrouping(const PlanetGrid& planet, ClimateState& climate, int blocks);
  SweepGrouping(const SweepGrouping&) = delete;
  SweepGrouping& operator=(const SweepGrouping&) = delete;

  void countLevels();
  bool finish(int workers);

 private:
  static constexpr int kMostBlocks = 64;
  // Blocks smaller than this are not worth their extra levels.
  static constexpr int32_t kSmallestBlock = 1 << 16;

  struct Block {
    int32_t begin;
    int32_t end;
    int levels;      // how many the block needs
    int32_t offset;  // the level of its first, over all blocks
  };

  bool failed() const { return failed_.load(std::memory_order_relaxed); }
  TileCoord decode(uint32_t index) const;
  // The block's levels, or -1 when it needs more than fit 16 bits.
  int countBlock(Block& block, uint32_t stamp, uint32_t* marks);
  void sortBlocks(GrowableArray<int32_t>& entries, GrowableArray<int32_t>& starts);

  const PlanetGrid& planet_;
  ClimateState& climate_;
  const GrowableArray<int32_t>& order_;
  Buffer<uint16_t> levels_;  // per entry: its level within its block
  const IndexDivider bySide_;
  const IndexDivider byDiamond_;
  Block blocks_[kMostBlocks];
  int blockCount_ = 1;
  std::atomic<int> nextBlock_{0};
  std::atomic<int> nextSorted_{0};
  std::atomic<bool> failed_{false};
};

}  // namespace geoweave::detail
