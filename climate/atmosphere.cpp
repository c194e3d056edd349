#include "climate/atmosphere.h"

#include "base/buffer.h"
#include "climate/climate_state.h"
#include "grid/grid_topology.h"
#include "world/generation_settings.h"
#include "world/planet_grid.h"
#include "world/planet_statistics.h"
#include "world/point_copies.h"

namespace geoweave::detail {

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

// The surface heights of three rows of the diamond being swept, row y in
// slot y mod 3: each point's is worked out once per pass instead of once
// for each of its six neighbours. In this pass a point's surface changes
// only when it evaporates, which updates its slot.
class RowHeights {
 public:
  explicit RowHeights(int side)
      : side_(side), heights_(3 * static_cast<size_t>(side), BufferFill::kUnfilled) {}

  bool ok() const { return heights_.ok(); }
  float* row(int y) { return heights_.data + (y % 3) * side_; }
  void fill(const PlanetGrid& planet, int diamond, int y) {
    float* out = row(y);
    const HotTile* in = planet.hotAt(diamond, 0, y);
    for (int x = 0; x < side_; ++x) out[x] = in[x].surfaceHeight();
  }

 private:
  const int side_;
  Buffer<float> heights_;
};

// The air holds all its moisture where the surroundings lie at sea level and
// none where they reach the highest ground.
double capacityOf(double surround, const Sweep& sweep) {
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
// neighbours may lie on a diamond edge (nearEdge) reads their surfaces from
// their records and writes their inflow to every copy of them; the others
// touch only their own diamond and read the surfaces from the rows.
template <bool nearEdge>
void updatePoint(PlanetGrid& planet, const TileCoord& c, Sweep& sweep, RowHeights& rows) {
  HotTile* const hot = planet.hot();
  const int32_t index = planet.tileIndex(c);
  HotTile& t = hot[index];
  evaporateAndExchange(t, sweep.reserve, sweep.transferLimit);
  if (!nearEdge || rows.ok()) rows.row(c.y)[c.x] = t.surfaceHeight();
  int32_t around[6];
  const int count = planet.neighborIndices(c, around);
  const MoveFractions& shares = planet.fractions()[index];
  double fractions[6];
  for (int i = 0; i < 6; ++i) fractions[i] = shares.share[i];
  double surround = 0;
  if (nearEdge) {
    for (int i = 0; i < count; ++i) surround += fractions[i] * hot[around[i]].surfaceHeight();
  } else {
    // In the grid's neighbour order: (x, y+1), (x+1, y+1), (x+1, y),
    // (x, y-1), (x-1, y-1), (x-1, y).
    const float* up = rows.row(c.y + 1);
    const float* here = rows.row(c.y);
    const float* down = rows.row(c.y - 1);
    const float heights[6] = {up[c.x],   up[c.x + 1],   here[c.x + 1],
                              down[c.x], down[c.x - 1], here[c.x - 1]};
    for (int i = 0; i < 6; ++i) surround += fractions[i] * heights[i];
  }
  const double capacity = capacityOf(surround, sweep);
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
        const int copyCount = aliases(planet, nc, copies);
        for (int k = 0; k < copyCount; ++k) planet.hotAt(copies[k])->humidityInflow = inflow;
      }
    }
  }
  t.humidity = 0;
  t.waterFlow = 0;
  if (nearEdge) copyToOtherCopies(planet, c);
}
}  // namespace

float atmospherePass(PlanetGrid& planet, const GenerationSettings& settings,
                     const PlanetStatistics& statistics, ClimateState& climate) {
  Sweep sweep{statistics.elevationMax,
              static_cast<double>(statistics.seaLevel) - statistics.elevationMax,
              settings.reserveTransferLimit, climate.waterReserve, 0.0f};
  const int last = planet.lastIndex();
  RowHeights rows(planet.side());
  // In the order TileCursor walks: the column x = 0 only in diamond 0,
  // x = lastIndex in every diamond but 9, the row y = 0 in diamonds 0 to 5,
  // y = lastIndex in 0 to 3. Each tile is changed in place: no pass step
  // reads a tile's own other copies, which are brought up to date when the
  // tile is done. Positions two steps or more inside their diamond have no
  // neighbour on an edge.
  for (int d = 0; d < 10; ++d) {
    const int x0 = d == 0 ? 0 : 1;
    const int x1 = d == 9 ? last - 1 : last;
    const int y0 = d >= 6 ? 1 : 0;
    const int y1 = d < 4 ? last : last - 1;
    for (int y = y0; y <= y1; ++y) {
      const bool insideRow = rows.ok() && y >= 2 && y <= last - 2;
      if (rows.ok()) {
        if (y == y0) rows.fill(planet, d, y);
        if (y < last) rows.fill(planet, d, y + 1);
      }
      for (int x = x0; x <= x1; ++x) {
        if (insideRow && x >= 2 && x <= last - 2) {
          updatePoint<false>(planet, TileCoord{d, x, y}, sweep, rows);
        } else {
          updatePoint<true>(planet, TileCoord{d, x, y}, sweep, rows);
        }
      }
    }
  }
  climate.waterReserve = sweep.reserve;
  return sweep.largestRain;
}

}  // namespace geoweave::detail
