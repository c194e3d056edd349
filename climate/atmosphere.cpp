#include "climate/atmosphere.h"

#include "grid/planet.h"
#include "world/params.h"

namespace {
// Sea water evaporates with warmth, never more than the tile holds; the
// reserve is repaid from it, or lends to air that is dry. The reserve is the
// caller's copy, kept in a register through the sweep.
void evaporateAndExchange(HotTile& t, float& reserve, float transferLimit) {
  double e = 0;
  if (t.isSea() && t.temperature > 0) {
    e = 0.0025 * t.temperature;
    const double held = static_cast<double>(t.waterDepth) * 10000.0;
    if (held < e) e = held;
  }
  const double humidity = t.humidity;
  if (humidity + e > 1 && reserve < 0) {
    double x = humidity + e - 1;
    const double owed = -static_cast<double>(reserve);
    if (owed < x) x = owed;
    reserve = static_cast<float>(reserve + x);
    e -= x;
    const double depth = t.waterDepth - x * kDepthUnit;
    t.waterDepth = depth < 0 ? 0.0f : static_cast<float>(depth);
  } else if (humidity + e > 1) {
    e = 1 - humidity;
  } else {
    const double room = 1 - humidity - e;
    double v = transferLimit < room ? transferLimit : room;
    if (v < 0) v = 0;
    t.humidity = static_cast<float>(humidity + v);
    reserve = static_cast<float>(reserve - v);
  }
  if (t.humidity + e > 1) e = 1 - static_cast<double>(t.humidity);
  t.humidity = static_cast<float>(t.humidity + e);
  const double depth = t.waterDepth - e * kDepthUnit;
  t.waterDepth = depth < 0 ? 0.0f : static_cast<float>(depth);
}

// What one sweep keeps at hand: the constants of the holding capacity and
// the running reserve and largest rain.
struct Sweep {
  double elevationMax;
  double range;  // sea level - highest ground; 0: the air holds everything
  float transferLimit;
  float reserve;
  float largestRain;
};

// The air holds all its moisture where the surroundings lie at sea level and
// none where they reach the highest ground.
double holdingCapacity(const HotTile* hot, const int32_t around[6], int count,
                       const double fractions[6], const Sweep& sweep) {
  double surround = 0;
  for (int i = 0; i < count; ++i) surround += fractions[i] * hot[around[i]].surfaceHeight();
  if (sweep.range == 0) return 1;
  double c = (surround - sweep.elevationMax) / sweep.range;
  if (c < 0) c = 0;
  if (c > 1) c = 1;
  return c;
}

// The neighbour's new inflow; a share past full air goes back to the reserve.
float inflowAfter(float inflow, double humidity, double fraction, float& reserve) {
  float updated = static_cast<float>(static_cast<double>(inflow) + humidity * fraction);
  if (updated > 1) {
    reserve = static_cast<float>(static_cast<double>(reserve) + (1.0 - updated));
    updated = 1;
  }
  return updated;
}

// One point: evaporation, rain, moisture passed on. A position whose
// neighbours may lie on a diamond edge (nearEdge) writes their inflow to
// every copy of them; the others touch only their own diamond.
template <bool nearEdge>
void updatePoint(Planet& planet, const TileCoord& c, Sweep& sweep) {
  HotTile* const hot = planet.hot;
  const int32_t index = planet.tileIndex(c);
  HotTile& t = hot[index];
  evaporateAndExchange(t, sweep.reserve, sweep.transferLimit);
  int32_t around[6];
  const int count = planet.neighborIndices(c, around);
  const MoveFractions& shares = planet.fractions[index];
  double fractions[6];
  for (int i = 0; i < 6; ++i) fractions[i] = shares.share[i];
  const double capacity = holdingCapacity(hot, around, count, fractions, sweep);
  const double rain = t.humidity - capacity;
  t.rain = rain > 0 ? static_cast<float>(rain) : 0.0f;
  t.humidity = static_cast<float>(static_cast<double>(t.humidity) - t.rain);
  if (t.rain > sweep.largestRain) sweep.largestRain = t.rain;
  // Only the neighbour's inflow changes, so only that field is written.
  const double humidity = t.humidity;
  for (int i = 0; i < count; ++i) {
    HotTile& n = hot[around[i]];
    const float inflow = inflowAfter(n.humidityInflow, humidity, fractions[i], sweep.reserve);
    n.humidityInflow = inflow;
    if (nearEdge) {
      const TileCoord nc = planet.coordOf(around[i]);
      if (planet.isOnDiamondEdge(nc)) {
        TileCoord copies[5];
        const int copyCount = planet.aliases(nc, copies);
        for (int k = 0; k < copyCount; ++k) planet.hotAt(copies[k])->humidityInflow = inflow;
      }
    }
  }
  t.humidity = 0;
  t.waterFlow = 0;
  if (nearEdge) planet.copyToOtherCopies(c);
}
}  // namespace

float atmospherePass(Planet& planet, PlanetParams& params) {
  Sweep sweep{params.elevationMax, static_cast<double>(params.seaLevel) - params.elevationMax,
              params.reserveTransferLimit, params.waterReserve, 0.0f};
  const int last = planet.lastIndex;
  TileCursor cursor;
  // Each tile is changed in place: no pass step reads a tile's own other
  // copies, which are brought up to date when the tile is done. Positions
  // two steps or more inside their diamond have no neighbour on an edge.
  for (cursor.start(planet.side); cursor.valid(); cursor.advance()) {
    const TileCoord c = cursor.coord();
    if (c.x >= 2 && c.y >= 2 && c.x <= last - 2 && c.y <= last - 2) {
      updatePoint<false>(planet, c, sweep);
    } else {
      updatePoint<true>(planet, c, sweep);
    }
  }
  params.waterReserve = sweep.reserve;
  return sweep.largestRain;
}
