#include "climate/iteration_setup.h"

#include <cstdint>
#include <cstring>

#include "base/buffer.h"
#include "base/parallel.h"
#include "climate/climate_state.h"
#include "grid/tile_cursor.h"
#include "world/planet_grid.h"
#include "world/planet_statistics.h"

namespace geoweave::detail {

namespace {
// Unsigned bits that order like the float (both zeros alike), inverted so
// that ascending keys run from the highest elevation down.
uint64_t descendingKey(float elevation, int32_t index) {
  if (elevation == 0) elevation = 0;  // -0 and +0 are one height
  uint32_t bits;
  std::memcpy(&bits, &elevation, sizeof bits);
  bits = (bits & 0x80000000u) != 0 ? ~bits : bits | 0x80000000u;
  return (static_cast<uint64_t>(~bits) << 32) | static_cast<uint32_t>(index);
}

// The walk's points in diamond d: the column x = 0 belongs to diamond 0 only,
// x = lastIndex to every diamond but 9, the row y = 0 to diamonds 0 to 5,
// y = lastIndex to diamonds 0 to 3.
int64_t walkPointsIn(int d, int side) {
  const int64_t columns = side - (d == 0 ? 0 : 1) - (d == 9 ? 1 : 0);
  const int64_t rows = side - (d >= 6 ? 1 : 0) - (d >= 4 ? 1 : 0);
  return columns * rows;
}

// The keys in walk order, which is ascending tile index; the diamonds are
// shared out between the workers.
void fillKeys(const PlanetGrid& planet, uint64_t* keys, int workers) {
  int64_t firstOf[11] = {0};
  for (int d = 0; d < 10; ++d) firstOf[d + 1] = firstOf[d] + walkPointsIn(d, planet.side());
  auto fill = [&](int64_t firstDiamond, int64_t endDiamond) {
    for (int d = static_cast<int>(firstDiamond); d < endDiamond; ++d) {
      uint64_t* out = keys + firstOf[d];
      TileCursor cursor;
      for (cursor.startAt(planet.side(), d); cursor.diamond == d; cursor.advance()) {
        *out++ = descendingKey(planet.hot()[cursor.index()].elevation, cursor.index());
      }
    }
  };
  parallelFor(workers, 10, fill);
}

// The digits of the high half that the passes sort by, lowest first.
constexpr int kDigitShift[3] = {32, 43, 54};
constexpr int kDigitBits[3] = {11, 11, 10};
constexpr int kBuckets = 1 << 11;

// Sorts the keys by their high halves and keeps equal ones in the order
// they came (a least-significant-digit radix sort): they came in ascending
// tile index, the low half, so the result is the order of the whole keys.
// Each pass shares the keys out in slices; every worker counts its slice's
// digits, and its slice is scattered after the slices before it, so the
// order of equal digits is kept. The last pass writes the tile indices
// straight into the list. False when the scratch space could not be had.
bool sortKeys(Buffer<uint64_t>& keys, size_t count, GrowableArray<int32_t>& list, int workers) {
  Buffer<uint64_t> other(count, BufferFill::kUnfilled);
  Buffer<int64_t> counts(static_cast<size_t>(workers) * kBuckets, BufferFill::kUnfilled);
  if (!other.ok() || !counts.ok()) return false;
  const uint64_t* from = keys.data;
  uint64_t* to = other.data;
  int32_t* const indices = list.data + list.count;
  for (int pass = 0; pass < 3; ++pass) {
    const int shift = kDigitShift[pass];
    const uint64_t mask = (uint64_t{1} << kDigitBits[pass]) - 1;
    const bool last = pass == 2;
    auto countDigits = [&](int64_t first, int64_t end) {
      for (int64_t w = first; w < end; ++w) {
        int64_t* c = counts.data + w * kBuckets;
        for (int b = 0; b < kBuckets; ++b) c[b] = 0;
        for (size_t i = count * w / workers; i < count * (w + 1) / workers; ++i) {
          ++c[(from[i] >> shift) & mask];
        }
      }
    };
    parallelFor(workers, workers, countDigits);
    // Each worker's first place for each digit: all smaller digits first,
    // then the same digit in the slices before its own.
    int64_t place = 0;
    for (int b = 0; b < kBuckets; ++b) {
      for (int w = 0; w < workers; ++w) {
        const int64_t n = counts[static_cast<size_t>(w) * kBuckets + b];
        counts[static_cast<size_t>(w) * kBuckets + b] = place;
        place += n;
      }
    }
    auto scatter = [&](int64_t first, int64_t end) {
      for (int64_t w = first; w < end; ++w) {
        int64_t* next = counts.data + w * kBuckets;
        for (size_t i = count * w / workers; i < count * (w + 1) / workers; ++i) {
          const uint64_t key = from[i];
          const int64_t at = next[(key >> shift) & mask]++;
          if (last) {
            indices[at] = static_cast<int32_t>(key & 0xFFFFFFFFu);
          } else {
            to[at] = key;
          }
        }
      }
    };
    parallelFor(workers, workers, scatter);
    if (!last) {
      from = to;
      to = from == other.data ? keys.data : other.data;
    }
  }
  list.count += static_cast<int32_t>(count);
  return true;
}
}  // namespace

bool sortTilesByElevation(const PlanetGrid& planet, ClimateState& climate, int requestedWorkers) {
  GrowableArray<int32_t>& list = climate.tilesByElevation;
  climate.sweepLevelEntries.release();  // they belonged to the old list
  climate.sweepLevelStarts.release();
  if (!list.reserve(10 * planet.sideSquared())) return false;
  // Highest first, equal elevations by ascending tile index: one total order,
  // so the planet never depends on how the sort breaks ties.
  const size_t count =
      static_cast<size_t>(10 * static_cast<int64_t>(planet.side() - 1) * (planet.side() - 1) + 2);
  if (count > static_cast<size_t>(list.capacity - list.count)) return false;
  Buffer<uint64_t> keys(count, BufferFill::kUnfilled);
  if (!keys.ok()) return false;
  const int workers = usableWorkers(requestedWorkers);
  fillKeys(planet, keys.data, workers);
  return sortKeys(keys, count, list, workers);
}

float erosionScaleFor(const PlanetStatistics& statistics) {
  const double range = static_cast<double>(statistics.elevationMax) - statistics.seaLevel;
  return range != 0 ? static_cast<float>(2.0 / range) : 0.0f;
}

}  // namespace geoweave::detail
