#include "climate/water_flow.h"

#include <cmath>

#include "base/saturated_float.h"
#include "grid/index_divider.h"
#include "grid/planet.h"
#include "world/params.h"

namespace {
constexpr double kSedimentCeiling = 0.05;
constexpr double kFreezing = -15;
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
void updateEntry(Planet& planet, const TileCoord& c, float erosionScale) {
  HotTile* const hot = planet.hot;
  HotTile& t = hot[planet.tileIndex(c)];
  t.humidity = t.humidityInflow;
  t.humidityInflow = 0;
  if (t.rain != 0) {
    t.waterDepth = static_cast<float>(static_cast<double>(t.waterDepth) +
                                      static_cast<double>(t.rain) * kDepthUnit);
  }
  if (t.waterDepth != 0 && t.temperature > kFreezing) {
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
    if (nearEdge) planet.copyToOtherCopies(planet.coordOf(lowIndex));
  }
  if (nearEdge) planet.copyToOtherCopies(c);
}

// Fetches the record of the entry at index and the rows of its neighbours:
// an interior position's six neighbours lie in three runs of two or three
// records each, at most two cache lines a run.
void prefetchEntry(const HotTile* hot, int64_t index, int64_t side, int64_t records) {
  if (index <= side || index + side + 1 >= records) return;
  const int64_t runs[3][2] = {
      {index - side - 1, index - side}, {index - 1, index + 1}, {index + side, index + side + 1}};
  for (const auto& run : runs) {
    __builtin_prefetch(hot + run[0]);
    __builtin_prefetch(hot + run[1]);
  }
}
}  // namespace

void waterPass(Planet& planet, const PlanetParams& params, float erosionScale) {
  const GrowableArray<int32_t>& order = params.tilesByElevation;
  const int64_t records = planet.records();
  const int64_t side = planet.side;
  const int last = planet.lastIndex;
  // Decoding an index takes two divisions per entry; done as multiplications.
  const IndexDivider bySide(static_cast<uint32_t>(planet.side));
  const IndexDivider byDiamond(static_cast<uint32_t>(planet.sideSquared));
  for (int32_t i = 0; i < order.count; ++i) {
    // The sweep jumps across the whole array. The prefetches stay in this
    // loop's reach: the compiler keeps them only where it sees them used.
    if (i + kPrefetchAhead < order.count) {
      prefetchEntry(planet.hot, order[i + kPrefetchAhead], side, records);
    }
    const uint32_t index = static_cast<uint32_t>(order[i]);
    const uint32_t diamond = byDiamond.divide(index);
    const uint32_t rest = index - diamond * static_cast<uint32_t>(planet.sideSquared);
    const uint32_t y = bySide.divide(rest);
    const TileCoord c{static_cast<int>(diamond), static_cast<int>(rest - y * planet.side),
                      static_cast<int>(y)};
    if (c.x >= 2 && c.y >= 2 && c.x <= last - 2 && c.y <= last - 2) {
      updateEntry<false>(planet, c, erosionScale);
    } else {
      updateEntry<true>(planet, c, erosionScale);
    }
  }
}
