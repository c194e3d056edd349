#include "terrain/sea_level.h"

#include <cmath>

#include "base/parallel.h"
#include "base/saturated_float.h"
#include "grid/tile_cursor.h"
#include "world/generation_settings.h"
#include "world/planet_grid.h"
#include "world/planet_statistics.h"
#include "world/point_copies.h"

namespace geoweave::detail {

// Every step here is a count, a minimum, a maximum or a per-point write, so
// the records are shared out between the processors in any way: the results
// are the same as from one sweep.
namespace {
constexpr int kBuckets = 100;

struct Range {
  float minimum;
  float maximum;
};

Range elevationRange(const PlanetGrid& planet, int records, int workers) {
  Range slices[kMaxWorkers];
  const int count = workers;
  auto scan = [&](int64_t first, int64_t end) {
    for (int64_t s = first; s < end; ++s) {
      Range r{planet.hot()[0].elevation, planet.hot()[0].elevation};
      for (int64_t i = records * s / count; i < records * (s + 1) / count; ++i) {
        const float e = planet.hot()[i].elevation;
        if (e < r.minimum) r.minimum = e;
        if (e > r.maximum) r.maximum = e;
      }
      slices[s] = r;
    }
  };
  parallelFor(workers, count, scan);
  Range range = slices[0];
  for (int s = 1; s < count; ++s) {
    if (slices[s].minimum < range.minimum) range.minimum = slices[s].minimum;
    if (slices[s].maximum > range.maximum) range.maximum = slices[s].maximum;
  }
  return range;
}

float seaLevelFromHistogram(const PlanetGrid& planet, int records, Range range, float seaFraction,
                            int workers) {
  const float width =
      static_cast<float>((static_cast<double>(range.maximum) - range.minimum) / kBuckets);
  int sliceCounts[kMaxWorkers][kBuckets] = {};
  const int slices = workers;
  auto count = [&](int64_t first, int64_t end) {
    for (int64_t s = first; s < end; ++s) {
      for (int64_t i = records * s / slices; i < records * (s + 1) / slices; ++i) {
        int b = 0;
        // All elevations equal: every record counts in the first bucket.
        if (width > 0) {
          const double scaled = (static_cast<double>(planet.hot()[i].elevation) - range.minimum) /
                                static_cast<double>(width);
          // The maximum itself (and rounding just below it) belongs to the top bucket.
          b = scaled < kBuckets - 1 ? static_cast<int>(scaled) : kBuckets - 1;
        }
        ++sliceCounts[s][b];
      }
    }
  };
  parallelFor(workers, slices, count);
  float share = 0;
  for (int b = 0; b < kBuckets; ++b) {
    int counted = 0;
    for (int s = 0; s < slices; ++s) counted += sliceCounts[s][b];
    share = static_cast<float>(static_cast<double>(share) +
                               static_cast<double>(counted) / static_cast<double>(records));
    if (share > seaFraction) {
      return static_cast<float>(static_cast<double>(b) * width + range.minimum);
    }
  }
  // A share never passed (no land wanted at all): the sea covers everything.
  return range.maximum;
}

void setWaterDepths(PlanetGrid& planet, float seaLevel, int workers) {
  auto fill = [&planet, seaLevel](int64_t firstDiamond, int64_t endDiamond) {
    for (int d = static_cast<int>(firstDiamond); d < endDiamond; ++d) {
      TileCursor cursor;
      for (cursor.startAt(planet.side(), d); cursor.diamond == d; cursor.advance()) {
        HotTile t = *planet.hotAt(cursor.coord());
        const double depth = static_cast<double>(seaLevel) - t.elevation;
        // A depth past the float range (corner ranges near its limit) is
        // kept at the largest float instead of becoming infinite.
        t.waterDepth = depth >= 0 ? saturatedFloat(depth) : 0.0f;
        storeToAllCopies(planet, t, cursor.coord());
      }
    }
  };
  parallelFor(workers, 10, fill);
}

// Pairs stay inside one diamond and never touch its last row or column.
float largestElevationStep(const PlanetGrid& planet, int workers) {
  float largest[10] = {};
  auto scan = [&](int64_t firstDiamond, int64_t endDiamond) {
    for (int d = static_cast<int>(firstDiamond); d < endDiamond; ++d) {
      for (int y = 0; y <= planet.side() - 3; ++y) {
        for (int x = 0; x <= planet.side() - 3; ++x) {
          const double e = planet.hotAt(d, x, y)->elevation;
          const HotTile* others[3] = {planet.hotAt(d, x + 1, y), planet.hotAt(d, x, y + 1),
                                      planet.hotAt(d, x + 1, y + 1)};
          for (const HotTile* o : others) {
            const double step = std::fabs(static_cast<double>(o->elevation) - e);
            if (step > largest[d]) largest[d] = static_cast<float>(step);
          }
        }
      }
    }
  };
  parallelFor(workers, 10, scan);
  float result = 0;
  for (const float l : largest) {
    if (l > result) result = l;
  }
  return result;
}
}  // namespace

void calibrateSeaLevel(PlanetGrid& planet, const GenerationSettings& settings,
                       PlanetStatistics& statistics, int requestedWorkers) {
  const int records = 10 * planet.sideSquared();
  const int workers = usableWorkers(requestedWorkers);
  const Range range = elevationRange(planet, records, workers);
  statistics.seaLevel =
      seaLevelFromHistogram(planet, records, range, settings.seaFraction, workers);
  setWaterDepths(planet, statistics.seaLevel, workers);
  statistics.tileElevationDiff = largestElevationStep(planet, workers);
  statistics.elevationMin = range.minimum;
  statistics.elevationMax = range.maximum;
}

}  // namespace geoweave::detail
