#include "climate/water_flow.h"

#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>

#include "base/parallel.h"
#include "base/saturated_float.h"
#include "climate/climate_state.h"
#include "grid/index_divider.h"
#include "world/planet_grid.h"
#include "world/point_copies.h"

namespace geoweave::detail {

namespace {
constexpr double kSedimentCeiling = 0.05;
// How many entries ahead of the sweep the records are fetched into the cache.
constexpr int32_t kPrefetchAhead = 16;

float depositCapped(float sediment, double added) {
  const double s = static_cast<double>(sediment) + added;
  return static_cast<float>(s > kSedimentCeiling ? kSedimentCeiling : s);
}

// The neighbour with the lowest surface; on a tie the first listed.
int32_t lowestNeighbor(const HotTile* hot, const int32_t around[6], int count) {
  int32_t lowest = around[0];
  float lowestHeight = hot[lowest].surfaceHeight();
  for (int i = 1; i < count; ++i) {
    const float h = hot[around[i]].surfaceHeight();
    if (h < lowestHeight) {
      lowest = around[i];
      lowestHeight = h;
    }
  }
  return lowest;
}

// Water moved from t to its lowest neighbour (negative: from it to t).
double runOffAmount(const HotTile& t, const HotTile& low) {
  const double ts = t.surfaceHeight();
  const double ls = low.surfaceHeight();
  double m;
  if (ls + t.waterDepth < t.elevation) {
    m = t.waterDepth;
  } else if (ts + low.waterDepth < low.elevation) {
    m = -static_cast<double>(low.waterDepth);
  } else {
    m = (ts - ls) * 0.5;
  }
  if (m < 0 && m < -static_cast<double>(low.waterDepth)) m = -static_cast<double>(low.waterDepth);
  if (m > 0 && m > t.waterDepth) m = t.waterDepth;
  // Surfaces past the float range (corner ranges near its limit) give no
  // measurable level: nothing moves rather than an infinity or NaN spreading.
  return std::isfinite(m) ? m : 0;
}

// A tile that runs dry loses sediment; half of it lands on the other tile.
void moveSediment(HotTile& from, HotTile& to, double s) {
  if (from.waterDepth != 0) return;
  if (s > from.sediment) s = from.sediment;
  from.sediment = static_cast<float>(static_cast<double>(from.sediment) - s);
  to.sediment = depositCapped(to.sediment, s * 0.5);
}

// One entry of the sweep: arrived moisture becomes humidity, rain standing
// water, and water runs off to the lowest neighbour. It reads and writes only
// the point and its neighbours (all their copies). A position whose
// neighbours may lie on a diamond edge (nearEdge) brings the copies of the
// neighbour it changed up to date; the others stay inside their diamond.
template <bool nearEdge>
void updateEntry(PlanetGrid& planet, const TileCoord& c, float erosionScale) {
  HotTile* const hot = planet.hot();
  HotTile& t = hot[planet.tileIndex(c)];
  t.humidity = t.humidityInflow;
  t.humidityInflow = 0;
  if (t.rain != 0) {
    t.waterDepth = static_cast<float>(static_cast<double>(t.waterDepth) +
                                      static_cast<double>(t.rain) * kDepthUnit);
  }
  if (t.waterDepth != 0 && t.temperature > kFreezingTemperature) {
    int32_t around[6];
    const int count = planet.neighborIndices(c, around);
    const int32_t lowIndex = lowestNeighbor(hot, around, count);
    HotTile& low = hot[lowIndex];
    const double m = runOffAmount(t, low);
    // Water gathered on ground at the edge of the float range stays finite.
    t.waterDepth = saturatedFloat(static_cast<double>(t.waterDepth) - m);
    low.waterDepth = saturatedFloat(static_cast<double>(low.waterDepth) + m);
    t.waterFlow = saturatedFloat(static_cast<double>(t.waterFlow) + std::fabs(m));
    low.waterFlow = saturatedFloat(static_cast<double>(low.waterFlow) + std::fabs(m));
    const double s = m * erosionScale;
    if (s > 0) {
      moveSediment(t, low, s);
    } else if (s < 0) {  // none moves at 0, nor when an infinite scale meets m = 0
      moveSediment(low, t, -s);
    }
    if (nearEdge) copyToOtherCopies(planet, planet.coordOf(lowIndex));
  }
  if (nearEdge) copyToOtherCopies(planet, c);
}

// Decodes sweep entries (record indices) into grid positions: two divisions,
// done as multiplications.
struct EntryDecoder {
  const IndexDivider bySide;
  const IndexDivider byDiamond;
  const uint32_t side;
  const uint32_t sideSquared;

  explicit EntryDecoder(const PlanetGrid& planet)
      : bySide(static_cast<uint32_t>(planet.side())),
        byDiamond(static_cast<uint32_t>(planet.sideSquared())),
        side(static_cast<uint32_t>(planet.side())),
        sideSquared(static_cast<uint32_t>(planet.sideSquared())) {}

  TileCoord operator()(uint32_t index) const {
    const uint32_t diamond = byDiamond.divide(index);
    const uint32_t rest = index - diamond * sideSquared;
    const uint32_t y = bySide.divide(rest);
    return TileCoord{static_cast<int>(diamond), static_cast<int>(rest - y * side),
                     static_cast<int>(y)};
  }
};

// Positions two steps or more inside their diamond: no neighbour on an edge.
bool deepInside(const TileCoord& c, int last) {
  return c.x >= 2 && c.y >= 2 && c.x <= last - 2 && c.y <= last - 2;
}

void updateAt(PlanetGrid& planet, const TileCoord& c, float erosionScale) {
  if (deepInside(c, planet.lastIndex())) {
    updateEntry<false>(planet, c, erosionScale);
  } else {
    updateEntry<true>(planet, c, erosionScale);
  }
}

// The entries [begin, end) of a list, in order. The sweep jumps across the
// whole array: it fetches the record of an entry some entries ahead and the
// rows of its neighbours (an interior position's six lie in three runs of
// two or three records, at most two cache lines a run). The prefetches stay
// in this loop: in a function of their own the compiler drops them as
// having no effect.
void sweepEntries(PlanetGrid& planet, const int32_t* entries, int64_t begin, int64_t end,
                  float erosionScale) {
  const EntryDecoder decode(planet);
  const HotTile* const hot = planet.hot();
  const int64_t records = planet.records();
  const int64_t side = planet.side();
  for (int64_t i = begin; i < end; ++i) {
    if (i + kPrefetchAhead < end) {
      const int64_t ahead = entries[i + kPrefetchAhead];
      if (ahead > side && ahead + side + 1 < records) {
        __builtin_prefetch(hot + ahead - side - 1);
        __builtin_prefetch(hot + ahead - side);
        __builtin_prefetch(hot + ahead - 1);
        __builtin_prefetch(hot + ahead + 1);
        __builtin_prefetch(hot + ahead + side);
        __builtin_prefetch(hot + ahead + side + 1);
      }
    }
    updateAt(planet, decode(static_cast<uint32_t>(entries[i])), erosionScale);
  }
}

// Workers meet here between levels: a short spin (levels take microseconds
// when every worker has a processor of its own), then a sleep, as a worker
// without a processor would otherwise be waited for by spinning ones.
class Barrier {
 public:
  // Every member of a team of `members` calls this with the same count. The
  // last to arrive runs done() before it lets the others go.
  template <typename Done>
  void wait(int members, Done done) {
    const uint32_t generation = generation_.load(std::memory_order_acquire);
    if (arrived_.fetch_add(1, std::memory_order_acq_rel) + 1 == members) {
      done();
      arrived_.store(0, std::memory_order_relaxed);
      generation_.fetch_add(1, std::memory_order_seq_cst);
      if (sleepers_.load(std::memory_order_seq_cst) > 0) {
        syscall(SYS_futex, reinterpret_cast<uint32_t*>(&generation_), FUTEX_WAKE_PRIVATE, INT_MAX,
                nullptr, nullptr, 0);
      }
      return;
    }
    for (int spins = 0; spins < 2000; ++spins) {
      if (generation_.load(std::memory_order_acquire) != generation) return;
#if defined(__x86_64__) || defined(__i386__)
      __builtin_ia32_pause();
#endif
    }
    sleepers_.fetch_add(1, std::memory_order_seq_cst);
    while (generation_.load(std::memory_order_seq_cst) == generation) {
      syscall(SYS_futex, reinterpret_cast<uint32_t*>(&generation_), FUTEX_WAIT_PRIVATE, generation,
              nullptr, nullptr, 0);
    }
    sleepers_.fetch_sub(1, std::memory_order_relaxed);
  }

 private:
  std::atomic<int> arrived_{0};
  std::atomic<uint32_t> generation_{0};
  std::atomic<int> sleepers_{0};
};

// Entries a worker takes at a time: small enough that a worker that is
// slower (sharing its processor) leaves the rest of a level to the others,
// large enough that fetching ahead pays.
constexpr int32_t kChunk = 256;

// A level this small is not worth sharing out: runs of them go to one worker
// between two meetings.
bool smallLevel(int32_t size) {
  return size < 2 * kChunk;
}

// The levels swept by a team: the workers take chunks of each level as they
// come (a run of small levels is one chunk) and meet after it.
class LevelSweep {
 public:
  LevelSweep(PlanetGrid& planet, const ClimateState& climate, float erosionScale)
      : planet_(planet), climate_(climate), erosionScale_(erosionScale) {}

  void run(int members) {
    const GrowableArray<int32_t>& starts = climate_.sweepLevelStarts;
    const int32_t* entries = climate_.sweepLevelEntries.data;
    const int levels = starts.count - 1;
    for (int k = 0; k < levels;) {
      int end = k + 1;
      const bool small = smallLevel(starts[k + 1] - starts[k]);
      if (small) {
        while (end < levels && smallLevel(starts[end + 1] - starts[end])) ++end;
      }
      const int32_t first = starts[k];
      const int32_t last = starts[end];
      const int32_t chunk = small ? last - first : kChunk;
      for (;;) {
        const int64_t begin =
            first + int64_t{chunk} * taken_.fetch_add(1, std::memory_order_relaxed);
        if (begin >= last) break;
        const int64_t stop = begin + chunk < last ? begin + chunk : last;
        sweepEntries(planet_, entries, begin, stop, erosionScale_);
      }
      barrier_.wait(members, [this] { taken_.store(0, std::memory_order_relaxed); });
      k = end;
    }
  }

 private:
  PlanetGrid& planet_;
  const ClimateState& climate_;
  const float erosionScale_;
  Barrier barrier_;
  // Chunks of the current level taken so far.
  alignas(64) std::atomic<int64_t> taken_{0};
};
}  // namespace

namespace {
// How many sweeps the faster way runs before the slower is tried again.
constexpr int kRetryAfter = 3;

// Whether to share this sweep out: never timed shared, or shared was faster,
// or the slower way is due another try.
bool shareThisSweep(SweepTimes& times) {
  if (times.shared == 0) return true;
  if (times.alone == 0) return false;
  const bool sharedFaster = times.shared <= times.alone;
  if (times.sinceRetry >= kRetryAfter) {
    times.sinceRetry = 0;
    return !sharedFaster;
  }
  ++times.sinceRetry;
  return sharedFaster;
}
}  // namespace

void waterPass(PlanetGrid& planet, ClimateState& climate, int requestedWorkers,
               float erosionScale) {
  const GrowableArray<int32_t>& order = climate.tilesByElevation;
  const int workers = usableWorkers(requestedWorkers);
  const bool grouped =
      climate.sweepLevelStarts.count > 1 && climate.sweepLevelEntries.count == order.count;
  if (workers == 1 || !grouped || order.count == 0) {
    sweepEntries(planet, order.data, 0, order.count, erosionScale);
    return;
  }
  SweepTimes& times = climate.sweepTimes;
  const bool shared = shareThisSweep(times);
  const auto start = std::chrono::steady_clock::now();
  if (shared) {
    // The workers meet after every level, so they must all run at once: a
    // team, which says how many threads started.
    LevelSweep sweep(planet, climate, erosionScale);
    auto work = [&sweep](int, int members) { sweep.run(members); };
    teamFor(workers, work);
  } else {
    sweepEntries(planet, order.data, 0, order.count, erosionScale);
  }
  const double perEntry =
      std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() /
      order.count;
  (shared ? times.shared : times.alone) = perEntry;
}

}  // namespace geoweave::detail
