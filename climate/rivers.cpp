#include "climate/rivers.h"

#include "climate/histogram.h"
#include "grid/planet.h"

namespace {
void recordLargestFlowAndRain(const Planet& planet, PlanetParams& params) {
  params.rainfall = 0;
  params.waterFlowing = 0;
  TileCursor cursor;
  for (cursor.start(planet.side); cursor.valid(); cursor.advance()) {
    const Tile& t = *planet.tileAt(cursor.coord());
    if (t.waterFlow > params.waterFlowing) params.waterFlowing = t.waterFlow;
    if (t.rain > params.rainfall) params.rainfall = t.rain;
  }
}

void addLandFlows(const Planet& planet, Histogram& histogram) {
  TileCursor cursor;
  for (cursor.start(planet.side); cursor.valid(); cursor.advance()) {
    const Tile& t = *planet.tileAt(cursor.coord());
    if (!t.isSea()) histogram.addSample(t.waterFlow);
  }
}

// The coarse histogram only finds the top of the fine one (its 99 % mark).
void setRiverThresholds(const Planet& planet, const PlanetParams& params) {
  Histogram coarse(0, params.waterFlowing, 200);
  addLandFlows(planet, coarse);
  Histogram fine(0, coarse.quantile(0.99), 1024);
  addLandFlows(planet, fine);
  riverFlowThreshold = fine.quantile(1.0 - static_cast<double>(params.riverFraction));
  majorRiverFlowThreshold = fine.quantile(1.0 - 0.25 * static_cast<double>(params.riverFraction));
}

RiverPoint riverPointAt(const Planet& planet, const TileCoord& c) {
  RiverPoint p;
  planet.mapCoordinates(TilePoint{c, 0, 0}, p.latitude, p.longitude);
  p.flow = planet.tileAt(c)->waterFlow;
  return p;
}

void addSegments(const Planet& planet, PlanetParams& params) {
  TileCursor cursor;
  for (cursor.start(planet.side); cursor.valid(); cursor.advance()) {
    const TileCoord c = cursor.coord();
    const Tile& t = *planet.tileAt(c);
    if (t.isSea() || !(t.waterFlow > riverFlowThreshold)) continue;
    TileCoord around[6];
    const int n = planet.neighbors(c, around);
    int lowest = 0;
    for (int i = 1; i < n; ++i) {
      if (planet.tileAt(around[i])->elevation < planet.tileAt(around[lowest])->elevation) {
        lowest = i;
      }
    }
    // A pit (every neighbour higher) gets no segment.
    if (planet.tileAt(around[lowest])->elevation > t.elevation) continue;
    params.riverPoints.append(riverPointAt(planet, c));
    params.riverPoints.append(riverPointAt(planet, around[lowest]));
  }
}
}  // namespace

void makeRivers(const Planet& planet, PlanetParams& params) {
  recordLargestFlowAndRain(planet, params);
  setRiverThresholds(planet, params);
  addSegments(planet, params);
}
