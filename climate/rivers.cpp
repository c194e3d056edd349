#include "climate/rivers.h"

#include "climate/histogram.h"
#include "grid/grid_geometry.h"
#include "grid/tile_cursor.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

namespace {
void recordLargestFlowAndRain(const PlanetGrid& planet, PlanetStatistics& statistics) {
  statistics.rainfall = 0;
  statistics.waterFlowing = 0;
  TileCursor cursor;
  for (cursor.start(planet.side()); cursor.valid(); cursor.advance()) {
    const HotTile& t = *planet.hotAt(cursor.coord());
    if (t.waterFlow > statistics.waterFlowing) statistics.waterFlowing = t.waterFlow;
    if (t.rain > statistics.rainfall) statistics.rainfall = t.rain;
  }
}

void addLandFlows(const PlanetGrid& planet, Histogram& histogram) {
  TileCursor cursor;
  for (cursor.start(planet.side()); cursor.valid(); cursor.advance()) {
    const HotTile& t = *planet.hotAt(cursor.coord());
    if (!t.isSea()) histogram.addSample(t.waterFlow);
  }
}

// The coarse histogram only finds the top of the fine one (its 99 % mark).
bool setRiverThresholds(const PlanetGrid& planet, float riverFraction, float waterFlowing,
                        RiverNetwork& rivers) {
  Histogram coarse(0, waterFlowing, 200);
  if (!coarse.ok()) return false;
  addLandFlows(planet, coarse);
  Histogram fine(0, coarse.quantile(0.99), 1024);
  if (!fine.ok()) return false;
  addLandFlows(planet, fine);
  rivers.flowThreshold = fine.quantile(1.0 - static_cast<double>(riverFraction));
  rivers.majorFlowThreshold = fine.quantile(1.0 - 0.25 * static_cast<double>(riverFraction));
  return true;
}

RiverPoint riverPointAt(const PlanetGrid& planet, const TileCoord& c) {
  RiverPoint p;
  mapCoordinates(planet, TilePoint{c, 0, 0}, p.latitude, p.longitude);
  p.flow = planet.hotAt(c)->waterFlow;
  return p;
}

// The neighbour with the lowest ground (sediment and water not counted); on
// a tie the first listed. -1 for a pit, whose neighbours all lie higher.
int riverOutlet(const PlanetGrid& planet, const TileCoord& c, const HotTile& t, int32_t around[6]) {
  const int n = planet.neighborIndices(c, around);
  int lowest = 0;
  for (int i = 1; i < n; ++i) {
    if (planet.hot()[around[i]].elevation < planet.hot()[around[lowest]].elevation) lowest = i;
  }
  return planet.hot()[around[lowest]].elevation > t.elevation ? -1 : lowest;
}

bool carriesRiver(const HotTile& t, const RiverNetwork& rivers) {
  return !t.isSea() && t.waterFlow > rivers.flowThreshold;
}

bool addSegments(const PlanetGrid& planet, RiverNetwork& rivers) {
  // The list grows by a few entries at a time, copying everything each time:
  // on large planets that is quadratic, so the segments are counted first
  // and the room for them is made once.
  int32_t segments = 0;
  TileCursor cursor;
  for (cursor.start(planet.side()); cursor.valid(); cursor.advance()) {
    const HotTile& t = *planet.hotAt(cursor.coord());
    int32_t around[6];
    if (carriesRiver(t, rivers) && riverOutlet(planet, cursor.coord(), t, around) >= 0) ++segments;
  }
  if (!rivers.points.reserve(rivers.points.count + 2 * segments)) return false;
  for (cursor.start(planet.side()); cursor.valid(); cursor.advance()) {
    const TileCoord c = cursor.coord();
    const HotTile& t = *planet.hotAt(c);
    if (!carriesRiver(t, rivers)) continue;
    int32_t around[6];
    const int outlet = riverOutlet(planet, c, t, around);
    if (outlet < 0) continue;
    // Room for both ends was made above.
    GrowableArray<RiverPoint>& points = rivers.points;
    points[points.count++] = riverPointAt(planet, c);
    points[points.count++] = riverPointAt(planet, planet.coordOf(around[outlet]));
  }
  return true;
}
}  // namespace

bool makeRivers(const PlanetGrid& planet, const GenerationSettings& settings,
                PlanetStatistics& statistics, RiverNetwork& rivers) {
  recordLargestFlowAndRain(planet, statistics);
  return setRiverThresholds(planet, settings.riverFraction, statistics.waterFlowing, rivers) &&
         addSegments(planet, rivers);
}

}  // namespace geoweave::detail
