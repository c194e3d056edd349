#include "climate/atmosphere.h"

#include "grid/planet.h"
#include "world/params.h"

namespace {
// Sea water evaporates with warmth, never more than the tile holds; the
// reserve is repaid from it, or lends to air that is dry.
void evaporateAndExchange(Tile& t, PlanetParams& params) {
  double e = 0;
  if (t.isSea() && t.temperature > 0) {
    e = 0.0025 * t.temperature;
    const double held = static_cast<double>(t.waterDepth) * 10000.0;
    if (held < e) e = held;
  }
  const double humidity = t.humidity;
  if (humidity + e > 1 && params.waterReserve < 0) {
    double x = humidity + e - 1;
    const double owed = -static_cast<double>(params.waterReserve);
    if (owed < x) x = owed;
    params.waterReserve = static_cast<float>(params.waterReserve + x);
    e -= x;
    const double depth = t.waterDepth - x * kDepthUnit;
    t.waterDepth = depth < 0 ? 0.0f : static_cast<float>(depth);
  } else if (humidity + e > 1) {
    e = 1 - humidity;
  } else {
    const double room = 1 - humidity - e;
    double v = params.reserveTransferLimit < room ? params.reserveTransferLimit : room;
    if (v < 0) v = 0;
    t.humidity = static_cast<float>(humidity + v);
    params.waterReserve = static_cast<float>(params.waterReserve - v);
  }
  if (t.humidity + e > 1) e = 1 - static_cast<double>(t.humidity);
  t.humidity = static_cast<float>(t.humidity + e);
  const double depth = t.waterDepth - e * kDepthUnit;
  t.waterDepth = depth < 0 ? 0.0f : static_cast<float>(depth);
}

// The stored neighbours of a tile, located once per tile.
struct Around {
  int count;
  Tile* tiles[6];
  double fractions[6];
};

Around around(Planet& planet, const Tile& t) {
  Around a;
  a.count = t.neighborCount;
  for (int i = 0; i < a.count; ++i) {
    a.tiles[i] = planet.tileAt(t.neighbors[i]);
    a.fractions[i] = t.moveFractions[i];
  }
  return a;
}

// The air holds all its moisture where the surroundings lie at sea level and
// none where they reach the highest ground.
double holdingCapacity(const Around& a, const PlanetParams& params) {
  double surround = 0;
  for (int i = 0; i < a.count; ++i) surround += a.fractions[i] * a.tiles[i]->surfaceHeight();
  const double range = static_cast<double>(params.seaLevel) - params.elevationMax;
  if (range == 0) return 1;
  double c = (surround - params.elevationMax) / range;
  if (c < 0) c = 0;
  if (c > 1) c = 1;
  return c;
}

// Only the neighbour's inflow changes, so only that field is written, to
// every copy of the neighbour.
void passMoistureOn(Planet& planet, const Tile& t, const Around& a, PlanetParams& params) {
  const double humidity = t.humidity;
  for (int i = 0; i < a.count; ++i) {
    Tile& n = *a.tiles[i];
    float inflow =
        static_cast<float>(static_cast<double>(n.humidityInflow) + humidity * a.fractions[i]);
    if (inflow > 1) {
      params.waterReserve =
          static_cast<float>(static_cast<double>(params.waterReserve) + (1.0 - inflow));
      inflow = 1;
    }
    n.humidityInflow = inflow;
    const TileCoord& c = t.neighbors[i];
    if (planet.isOnDiamondEdge(c)) {
      TileCoord copies[5];
      const int count = planet.aliases(c, copies);
      for (int k = 0; k < count; ++k) planet.tileAt(copies[k])->humidityInflow = inflow;
    }
  }
}
}  // namespace

float atmospherePass(Planet& planet, PlanetParams& params) {
  float largestRain = 0;
  TileCursor cursor;
  // Each tile is changed in place: no pass step reads a tile's own other
  // copies, which are brought up to date when the tile is done.
  for (cursor.start(planet.side); cursor.valid(); cursor.advance()) {
    const TileCoord c = cursor.coord();
    Tile& t = *planet.tileAt(c);
    evaporateAndExchange(t, params);
    const Around neighbors = around(planet, t);
    const double capacity = holdingCapacity(neighbors, params);
    const double rain = t.humidity - capacity;
    t.rain = rain > 0 ? static_cast<float>(rain) : 0.0f;
    t.humidity = static_cast<float>(static_cast<double>(t.humidity) - t.rain);
    if (t.rain > largestRain) largestRain = t.rain;
    passMoistureOn(planet, t, neighbors, params);
    t.humidity = 0;
    t.waterFlow = 0;
    planet.copyToOtherCopies(c);
  }
  return largestRain;
}
