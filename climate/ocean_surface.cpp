#include "climate/ocean_surface.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/parallel.h"
#include "climate/biome.h"
#include "grid/tile_cursor.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

namespace {

// The median is found by its bits: floats mapped to unsigned keys in the
// same order, counted by their top 16 bits, then by the low 16 of those
// whose top bits hold the median. Two sweeps (each reads every record, the
// cost at large widths), 256 KiB of counts a diamond, and the exact value
// whatever the size of the grid.
constexpr int kDigits = 2;
constexpr int kDigitBits[kDigits] = {16, 16};
constexpr int kBuckets = 1 << 16;
constexpr int kDiamonds = 10;

uint32_t orderedKey(float value) {
  uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return (bits & 0x80000000u) != 0 ? ~bits : bits | 0x80000000u;
}

float valueOfKey(uint32_t key) {
  const uint32_t bits = (key & 0x80000000u) != 0 ? key & 0x7fffffffu : ~key;
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

using Counts = std::vector<uint32_t>;  // kBuckets for each diamond

// The bucket holding the rank-th smallest of the counted values (rank from
// 0), and the rank within it.
uint32_t bucketOf(const Counts& counts, int64_t& rank) {
  for (int b = 0; b < kBuckets; ++b) {
    int64_t total = 0;
    for (int d = 0; d < kDiamonds; ++d) total += counts[static_cast<size_t>(d) * kBuckets + b];
    if (rank < total) return static_cast<uint32_t>(b);
    rank -= total;
  }
  return kBuckets - 1;
}

}  // namespace

OceanMeasure measureOcean(const PlanetGrid& planet, float seaLevel, int workers) {
  Counts counts(static_cast<size_t>(kDiamonds) * kBuckets, 0);
  int64_t ocean[kDiamonds] = {};
  int64_t lakes[kDiamonds] = {};
  // The bits of the keys above the current digit that the median's key has,
  // and how many there are.
  uint32_t prefix = 0;
  int known = 0;
  int digit = 0;
  // Counts the current digit of the ocean's keys of diamond d that start
  // with the prefix; the first sweep also counts the points.
  auto sweep = [&](int64_t first, int64_t end) {
    const int shift = 32 - known - kDigitBits[digit];
    const uint32_t mask = (1u << kDigitBits[digit]) - 1;
    for (int d = static_cast<int>(first); d < end; ++d) {
      uint32_t* own = counts.data() + static_cast<size_t>(d) * kBuckets;
      TileCursor cursor;
      for (cursor.startAt(planet.side(), d); cursor.diamond == d; cursor.advance()) {
        const HotTile& h = *planet.hotAt(cursor.coord());
        if (!h.isSea()) continue;
        if (isLake(h, seaLevel)) {
          if (digit == 0) ++lakes[d];
          continue;
        }
        if (digit == 0) ++ocean[d];
        const uint32_t key = orderedKey(h.surfaceHeight());
        if (known == 0 || key >> (32 - known) == prefix) ++own[(key >> shift) & mask];
      }
    }
  };
  parallelFor(workers, kDiamonds, sweep);

  OceanMeasure measure;
  for (int d = 0; d < kDiamonds; ++d) {
    measure.oceanPoints += ocean[d];
    measure.lakePoints += lakes[d];
  }
  if (measure.oceanPoints == 0) {
    measure.surface = static_cast<float>(static_cast<double>(seaLevel) + HotTile().sediment);
    return measure;
  }
  int64_t rank = (measure.oceanPoints - 1) / 2;
  for (;;) {
    prefix = prefix << kDigitBits[digit] | bucketOf(counts, rank);
    known += kDigitBits[digit];
    if (++digit == kDigits) break;
    std::fill(counts.begin(), counts.end(), 0u);
    parallelFor(workers, kDiamonds, sweep);
  }
  measure.surface = valueOfKey(prefix);
  return measure;
}

}  // namespace geoweave::detail
