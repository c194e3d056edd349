#include "climate/water_flow.h"

#include <cmath>

#include "base/saturated_float.h"
#include "grid/index_divider.h"
#include "grid/planet.h"
#include "world/params.h"

namespace {
constexpr double kSedimentCeiling = 0.05;
constexpr double kFreezing = -15;
// How many entries ahead of the sweep the tiles are fetched into the cache.
constexpr int32_t kPrefetchAhead = 16;

float depositCapped(float sediment, double added) {
  const double s = static_cast<double>(sediment) + added;
  return static_cast<float>(s > kSedimentCeiling ? kSedimentCeiling : s);
}

// The stored neighbour with the lowest surface; on a tie the first listed.
int lowestNeighbor(const Planet& planet, const Tile& t) {
  int lowest = 0;
  float lowestHeight = planet.tileAt(t.neighbors[0])->surfaceHeight();
  for (int i = 1; i < t.neighborCount; ++i) {
    const float h = planet.tileAt(t.neighbors[i])->surfaceHeight();
    if (h < lowestHeight) {
      lowest = i;
      lowestHeight = h;
    }
  }
  return lowest;
}

// Water moved from t to its lowest neighbour (negative: from it to t).
double runOffAmount(const Tile& t, const Tile& low) {
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
void moveSediment(Tile& from, Tile& to, double s) {
  if (from.waterDepth != 0) return;
  if (s > from.sediment) s = from.sediment;
  from.sediment = static_cast<float>(static_cast<double>(from.sediment) - s);
  to.sediment = depositCapped(to.sediment, s * 0.5);
}

void runOff(Planet& planet, Tile& t, float erosionScale) {
  const TileCoord lowCoord = t.neighbors[lowestNeighbor(planet, t)];
  Tile& low = *planet.tileAt(lowCoord);
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
  planet.copyToOtherCopies(lowCoord);
}

}  // namespace

void waterPass(Planet& planet, const PlanetParams& params, float erosionScale) {
  const GrowableArray<int32_t>& order = params.tilesByElevation;
  // Each tile is changed in place: the pass reads only other points before
  // the tile's own copies are brought up to date, lowest neighbour first.
  const auto* base = reinterpret_cast<const char*>(planet.tiles);
  const int64_t records = 10 * static_cast<int64_t>(planet.sideSquared);
  const int64_t side = planet.side;
  // Decoding an index takes two divisions per entry; done as multiplications.
  const IndexDivider bySide(static_cast<uint32_t>(planet.side));
  const IndexDivider byDiamond(static_cast<uint32_t>(planet.sideSquared));
  for (int32_t i = 0; i < order.count; ++i) {
    // The sweep jumps across the whole array: fetch a tile some entries ahead
    // and the surface fields of the six neighbours an interior tile has. The
    // prefetches stay in this loop: in a function of their own the compiler
    // drops them as having no effect.
    if (i + kPrefetchAhead < order.count) {
      const int64_t ahead = order[i + kPrefetchAhead];
      __builtin_prefetch(base + ahead * static_cast<int64_t>(sizeof(Tile)));
      __builtin_prefetch(base + ahead * static_cast<int64_t>(sizeof(Tile)) + 64);
      __builtin_prefetch(base + ahead * static_cast<int64_t>(sizeof(Tile)) + 111);
      if (ahead > side && ahead + side + 1 < records) {
        const int64_t around[6] = {ahead + side, ahead + side + 1, ahead + 1,
                                   ahead - side, ahead - side - 1, ahead - 1};
        for (const int64_t n : around) {
          __builtin_prefetch(base + n * static_cast<int64_t>(sizeof(Tile)) + 4);
          __builtin_prefetch(base + n * static_cast<int64_t>(sizeof(Tile)) + 35);
        }
      }
    }
    const uint32_t index = static_cast<uint32_t>(order[i]);
    const uint32_t diamond = byDiamond.divide(index);
    const uint32_t rest = index - diamond * static_cast<uint32_t>(planet.sideSquared);
    const uint32_t y = bySide.divide(rest);
    const TileCoord c{static_cast<int>(diamond), static_cast<int>(rest - y * planet.side),
                      static_cast<int>(y)};
    Tile& t = *planet.tileAt(c);
    t.humidity = t.humidityInflow;
    t.humidityInflow = 0;
    if (t.rain != 0) {
      t.waterDepth = static_cast<float>(static_cast<double>(t.waterDepth) +
                                        static_cast<double>(t.rain) * kDepthUnit);
    }
    if (t.waterDepth != 0 && t.temperature > kFreezing) runOff(planet, t, erosionScale);
    planet.copyToOtherCopies(c);
  }
}
