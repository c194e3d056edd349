#include "terrain/sea_level.h"

#include <cmath>

#include "grid/planet.h"

namespace {
constexpr int kBuckets = 100;

float seaLevelFromHistogram(const Planet& planet, int records, float minimum, float maximum,
                            float seaFraction) {
  const float width = static_cast<float>((static_cast<double>(maximum) - minimum) / kBuckets);
  int counts[kBuckets] = {};
  for (int i = 0; i < records; ++i) {
    int b = 0;
    // All elevations equal: every record counts in the first bucket.
    if (width > 0) {
      const double scaled =
          (static_cast<double>(planet.tiles[i].elevation) - minimum) / static_cast<double>(width);
      // The maximum itself (and rounding just below it) belongs to the top bucket.
      b = scaled < kBuckets - 1 ? static_cast<int>(scaled) : kBuckets - 1;
    }
    ++counts[b];
  }
  float share = 0;
  for (int b = 0; b < kBuckets; ++b) {
    share = static_cast<float>(static_cast<double>(share) +
                               static_cast<double>(counts[b]) / static_cast<double>(records));
    if (share > seaFraction) {
      return static_cast<float>(static_cast<double>(b) * width + minimum);
    }
  }
  // A share never passed (no land wanted at all): the sea covers everything.
  return maximum;
}

void setWaterDepths(Planet& planet, float seaLevel) {
  TileCursor cursor;
  for (cursor.start(planet.side); cursor.valid(); cursor.advance()) {
    Tile t = *planet.tileAt(cursor.coord());
    const double depth = static_cast<double>(seaLevel) - t.elevation;
    t.waterDepth = depth >= 0 ? static_cast<float>(depth) : 0.0f;
    planet.storeToAllCopies(t, cursor.coord());
  }
}

// Pairs stay inside one diamond and never touch its last row or column.
float largestElevationStep(const Planet& planet) {
  float largest = 0;
  for (int d = 0; d < 10; ++d) {
    for (int y = 0; y <= planet.side - 3; ++y) {
      for (int x = 0; x <= planet.side - 3; ++x) {
        const double e = planet.tileAt(d, x, y)->elevation;
        const Tile* others[3] = {planet.tileAt(d, x + 1, y), planet.tileAt(d, x, y + 1),
                                 planet.tileAt(d, x + 1, y + 1)};
        for (const Tile* o : others) {
          const double step = std::fabs(static_cast<double>(o->elevation) - e);
          if (step > largest) largest = static_cast<float>(step);
        }
      }
    }
  }
  return largest;
}
}  // namespace

void calibrateSeaLevel(Planet& planet, PlanetParams& params) {
  const int records = 10 * planet.sideSquared;
  float minimum = planet.tiles[0].elevation;
  float maximum = minimum;
  for (int i = 1; i < records; ++i) {
    const float e = planet.tiles[i].elevation;
    if (e < minimum) minimum = e;
    if (e > maximum) maximum = e;
  }
  params.seaLevel = seaLevelFromHistogram(planet, records, minimum, maximum, params.seaFraction);
  setWaterDepths(planet, params.seaLevel);
  params.tileElevationDiff = largestElevationStep(planet);
  params.elevationMin = minimum;
  params.elevationMax = maximum;
}
