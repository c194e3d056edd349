#include "climate/temperatures.h"

#include <cmath>

#include "base/parallel.h"
#include "grid/grid_geometry.h"
#include "grid/tile_cursor.h"
#include "world/planet_grid.h"
#include "world/planet_statistics.h"
#include "world/point_copies.h"

namespace geoweave::detail {

namespace {
struct Range {
  float minimum;
  float maximum;
};

// Latitude warms the equator; high ground is pulled towards -40 (with no
// height above the sea there is none). Sea starts humid, land dry.
void adjustPoint(PlanetGrid& planet, const TileCoord& c, double seaLevel, double heightRange) {
  HotTile t = *planet.hotAt(c);
  const float lat = planet.latitudes() != nullptr ? planet.latitudes()[planet.tileIndex(c)]
                                                  : latitudeOf(planet, TilePoint{c, 0, 0});
  t.temperature = static_cast<float>(static_cast<double>(t.temperature) + 40.0 -
                                     120.0 * std::fabs(static_cast<double>(lat) - 0.5));
  double h = heightRange != 0 ? (t.surfaceHeight() - seaLevel) / heightRange : 0.0;
  if (h < 0) h = 0;
  double f = 1.2 * h * h;
  if (f > 1) f = 1;
  const double temperature = t.temperature;
  t.temperature = static_cast<float>(temperature - (temperature + 40.0) * f);
  t.humidity = t.isSea() ? 0.5f : 0.1f;
  storeToAllCopies(planet, t, c);
}
}  // namespace

void adjustTemperatures(PlanetGrid& planet, PlanetStatistics& statistics, int workers) {
  const float start = planet.hot()[0].temperature;
  const double seaLevel = statistics.seaLevel;
  const double heightRange = static_cast<double>(statistics.elevationMax) - seaLevel;
  // Points are independent, so the diamonds are shared out between the
  // processors; the range is the same in any order, as it starts from the
  // unadjusted value of the first record.
  Range ranges[10];
  auto adjust = [&](int64_t firstDiamond, int64_t endDiamond) {
    for (int d = static_cast<int>(firstDiamond); d < endDiamond; ++d) {
      Range range{start, start};
      TileCursor cursor;
      for (cursor.startAt(planet.side(), d); cursor.diamond == d; cursor.advance()) {
        adjustPoint(planet, cursor.coord(), seaLevel, heightRange);
        const float t = planet.hotAt(cursor.coord())->temperature;
        if (t < range.minimum) {
          range.minimum = t;
        } else if (t > range.maximum) {
          range.maximum = t;
        }
      }
      ranges[d] = range;
    }
  };
  parallelFor(usableWorkers(workers), 10, adjust);
  planet.releaseLatitudes();  // needed no more
  statistics.temperatureMin = start;
  statistics.temperatureMax = start;
  for (const Range& r : ranges) {
    if (r.minimum < statistics.temperatureMin) statistics.temperatureMin = r.minimum;
    if (r.maximum > statistics.temperatureMax) statistics.temperatureMax = r.maximum;
  }
}

}  // namespace geoweave::detail
