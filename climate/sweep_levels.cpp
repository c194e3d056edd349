#include "climate/sweep_levels.h"

#include <atomic>
#include <cstdint>

#include "base/buffer.h"
#include "base/parallel.h"
#include "grid/grid_topology.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

namespace {
constexpr int kMostLevels = 65535;
// Enough blocks that the workers finish together, few enough that the levels
// lost where one block gives way to the next stay few.
constexpr int kBlocksPerWorker = 4;
// Each worker that counts levels keeps four bytes per record.
constexpr int kMostCountingWorkers = 4;
// How many entries ahead the marks around an entry are fetched.
constexpr int32_t kPrefetchAhead = 16;
}  // namespace

SweepGrouping::SweepGrouping(const PlanetGrid& planet, ClimateState& climate, int blocks)
    : planet_(planet),
      climate_(climate),
      order_(climate.tilesByElevation),
      levels_(static_cast<size_t>(climate.tilesByElevation.count), BufferFill::kUnfilled),
      bySide_(static_cast<uint32_t>(planet.side() > 0 ? planet.side() : 1)),
      byDiamond_(static_cast<uint32_t>(planet.sideSquared() > 0 ? planet.sideSquared() : 1)) {
  climate.sweepLevelEntries.release();  // whatever they were, they go now
  climate.sweepLevelStarts.release();
  blockCount_ = blocks < kMostBlocks ? blocks : kMostBlocks;
  if (order_.count / kSmallestBlock < blockCount_) blockCount_ = order_.count / kSmallestBlock;
  if (blockCount_ < 1) blockCount_ = 1;
  for (int b = 0; b < blockCount_; ++b) {
    blocks_[b] = Block{
        static_cast<int32_t>(static_cast<int64_t>(order_.count) * b / blockCount_),
        static_cast<int32_t>(static_cast<int64_t>(order_.count) * (b + 1) / blockCount_), 0, 0};
  }
  if (order_.count == 0 || !levels_.ok()) failed_.store(true, std::memory_order_relaxed);
}

TileCoord SweepGrouping::decode(uint32_t index) const {
  const uint32_t diamond = byDiamond_.divide(index);
  const uint32_t rest = index - diamond * static_cast<uint32_t>(planet_.sideSquared());
  const uint32_t y = bySide_.divide(rest);
  return TileCoord{static_cast<int>(diamond),
                   static_cast<int>(rest - y * static_cast<uint32_t>(planet_.side())),
                   static_cast<int>(y)};
}

int SweepGrouping::countBlock(Block& block, uint32_t stamp, uint32_t* marks) {
  const int64_t side = planet_.side();
  const int64_t records = planet_.records();
  const int last = planet_.lastIndex();
  int most = 0;
  for (int32_t i = block.begin; i < block.end; ++i) {
    // The marks of the rows around an entry some entries ahead: the sweep
    // jumps across the planet. The prefetches stay in this loop: in a
    // function of their own the compiler drops them as having no effect.
    if (i + kPrefetchAhead < block.end) {
      const int64_t ahead = order_[i + kPrefetchAhead];
      if (ahead > side && ahead + side + 1 < records) {
        __builtin_prefetch(marks + ahead - side - 1);
        __builtin_prefetch(marks + ahead - 1);
        __builtin_prefetch(marks + ahead + 1);
        __builtin_prefetch(marks + ahead + side + 1);
      }
    }
    const TileCoord c = decode(static_cast<uint32_t>(order_[i]));
    int32_t stencil[7];
    stencil[0] = planet_.tileIndex(c);
    const int n = 1 + planet_.neighborIndices(c, stencil + 1);
    int level = 0;
    for (int k = 0; k < n; ++k) {
      const uint32_t mark = marks[stencil[k]];
      if ((mark >> 16) == stamp && static_cast<int>(mark & 0xFFFFu) > level) {
        level = static_cast<int>(mark & 0xFFFFu);
      }
    }
    if (++level > kMostLevels) return -1;
    levels_[static_cast<size_t>(i)] = static_cast<uint16_t>(level - 1);
    if (level > most) most = level;
    const uint32_t mark = stamp << 16 | static_cast<uint32_t>(level);
    // Inside a diamond no stencil point has other copies; near an edge
    // every copy is marked, so that any copy can be read.
    const bool nearEdge = c.x < 2 || c.y < 2 || c.x > last - 2 || c.y > last - 2;
    for (int k = 0; k < n; ++k) marks[stencil[k]] = mark;
    if (nearEdge) {
      for (int k = 0; k < n; ++k) {
        const TileCoord s = planet_.coordOf(stencil[k]);
        if (!planet_.isOnDiamondEdge(s)) continue;
        TileCoord copies[5];
        const int m = aliases(planet_, s, copies);
        for (int a = 0; a < m; ++a) marks[planet_.tileIndex(copies[a])] = mark;
      }
    }
  }
  return most;
}

void SweepGrouping::countLevels() {
  if (failed()) return;
  // This thread's marks: per record the block that last marked it (plus
  // one) in the high half and that level in the low half, so a new block
  // needs no clearing.
  Buffer<uint32_t> marks(static_cast<size_t>(planet_.records()));
  if (!marks.ok()) {
    failed_.store(true, std::memory_order_relaxed);
    return;
  }
  for (;;) {
    const int b = nextBlock_.fetch_add(1, std::memory_order_relaxed);
    if (b >= blockCount_ || failed()) return;
    const int levels = countBlock(blocks_[b], static_cast<uint32_t>(b) + 1, marks.data);
    if (levels < 0) {
      failed_.store(true, std::memory_order_relaxed);
      return;
    }
    blocks_[b].levels = levels;
  }
}

void SweepGrouping::sortBlocks(GrowableArray<int32_t>& entries, GrowableArray<int32_t>& starts) {
  Buffer<int32_t> next(kMostLevels + 1, BufferFill::kUnfilled);
  if (!next.ok()) {
    failed_.store(true, std::memory_order_relaxed);
    return;
  }
  for (;;) {
    const int b = nextSorted_.fetch_add(1, std::memory_order_relaxed);
    if (b >= blockCount_ || failed()) return;
    const Block& block = blocks_[b];
    // A counting sort: the block's entries fill [begin, end) level by
    // level, each level in list order.
    for (int k = 0; k < block.levels; ++k) next[k] = 0;
    for (int32_t i = block.begin; i < block.end; ++i) ++next[levels_[static_cast<size_t>(i)]];
    int32_t at = block.begin;
    for (int k = 0; k < block.levels; ++k) {
      const int32_t count = next[k];
      starts[block.offset + k] = at;
      next[k] = at;
      at += count;
    }
    for (int32_t i = block.begin; i < block.end; ++i) {
      entries[next[levels_[static_cast<size_t>(i)]]++] = order_[i];
    }
  }
}

bool SweepGrouping::finish(int requestedWorkers) {
  GrowableArray<int32_t>& entries = climate_.sweepLevelEntries;
  GrowableArray<int32_t>& starts = climate_.sweepLevelStarts;
  if (failed()) return false;
  int32_t total = 0;
  for (int b = 0; b < blockCount_; ++b) {
    blocks_[b].offset = total;
    total += blocks_[b].levels;
  }
  if (!entries.reserve(order_.count) || !starts.reserve(total + 1)) {
    entries.release();
    starts.release();
    return false;
  }
  int threads = usableWorkers(requestedWorkers);
  if (threads > blockCount_) threads = blockCount_;
  auto sort = [this, &entries, &starts](int64_t, int64_t) { sortBlocks(entries, starts); };
  parallelFor(threads, threads, sort);
  if (failed()) {
    entries.release();
    starts.release();
    return false;
  }
  entries.count = order_.count;
  starts[total] = order_.count;
  starts.count = total + 1;
  return true;
}

bool groupSweepLevels(const PlanetGrid& planet, ClimateState& climate, int requestedWorkers) {
  const int workers = usableWorkers(requestedWorkers);
  SweepGrouping grouping(planet, climate, workers > 1 ? workers * kBlocksPerWorker : 1);
  // Each counting thread keeps marks for every record: at most a few.
  const int threads = workers < kMostCountingWorkers ? workers : kMostCountingWorkers;
  auto count = [&grouping](int64_t, int64_t) { grouping.countLevels(); };
  parallelFor(threads, threads, count);
  return grouping.finish(workers);
}

}  // namespace geoweave::detail
