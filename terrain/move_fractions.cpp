#include "terrain/move_fractions.h"

#include <cmath>

#include "base/buffer.h"
#include "base/numeric.h"
#include "base/parallel.h"
#include "grid/planet.h"

double eastwardWeight(double d) {
  if (d < 0) return 0.1;
  if (d < 0.5) return 0.1 + 0.8 * d;
  if (d <= 0.95) return 0.5 + 0.5 * (d - 0.5) / 0.45;
  return 1.0;
}

namespace {
struct MapPosition {
  float latitude;
  float longitude;
};

// Every record's map position, computed once: each point is looked at from
// all its neighbours. Copies of one point are kept apart, as their positions
// may differ in the last bit.
struct PositionTable {
  const Planet& planet;
  Buffer<MapPosition> positions;

  PositionTable(const Planet& p, int workers) : planet(p), positions(10 * size_t(p.sideSquared)) {
    if (!positions.ok()) return;
    auto fill = [this](int64_t begin, int64_t end) {
      for (int64_t i = begin; i < end; ++i) {
        MapPosition& m = positions[static_cast<size_t>(i)];
        planet.mapCoordinates(TilePoint{planet.coordOf(static_cast<int>(i)), 0, 0}, m.latitude,
                              m.longitude);
      }
    };
    parallelFor(workers, static_cast<int64_t>(positions.size), fill);
  }

  const MapPosition& at(const TileCoord& c) const {
    return positions[static_cast<size_t>(planet.tileIndex(c))];
  }
};

// East component of the unit direction from here to a neighbour. The
// direction lives in a local frame: east, north, 0.
double eastComponent(const Planet& planet, const TileCoord& neighbor, const MapPosition& here,
                     const MapPosition& there) {
  Vector3f direction;
  if (planet.isPole(neighbor)) {
    direction.set(0, neighbor.diamond < 5 ? 1.0f : -1.0f, 0);
  } else {
    const float lat = here.latitude;
    const float lon = here.longitude;
    const float nLat = there.latitude;
    float nLon = there.longitude;
    const double k = std::cos((static_cast<double>(nLat) - 0.5) * static_cast<double>(kPi));
    // A neighbour just across the 0/1 longitude seam is near, not a turn away.
    if (nLon < lon && std::fabs(static_cast<double>(nLon) + 1.0 - lon) <
                          std::fabs(static_cast<double>(nLon) - lon)) {
      nLon = static_cast<float>(nLon + 1.0);
    } else if (nLon >= lon && std::fabs(static_cast<double>(nLon) - 1.0 - lon) <
                                  std::fabs(static_cast<double>(nLon) - lon)) {
      nLon = static_cast<float>(nLon - 1.0);
    }
    direction.set(static_cast<float>((static_cast<double>(nLon) - lon) * k),
                  static_cast<float>(static_cast<double>(nLat) - lat), 0);
    const double length = direction.length();
    // Next to a pole on large grids a neighbour can map to the very same
    // spot: such a direction has no eastward part.
    if (length == 0) return 0;
    direction.scale(static_cast<float>(1.0 / length));
  }
  Vector3f east;
  east.set(1, 0, 0);
  return direction.dot(east);
}

void storePoint(Planet& planet, const PositionTable& table, const TileCoord& c) {
  Tile t = *planet.tileAt(c);
  const int n = planet.neighbors(c, t.neighbors);
  if (planet.isPole(c)) {
    for (int i = 0; i < n; ++i) t.moveFractions[i] = static_cast<float>(1.0 / n);
  } else {
    const MapPosition& here = table.at(c);
    double weights[6];
    double sum = 0;
    for (int i = 0; i < n; ++i) {
      weights[i] =
          eastwardWeight(eastComponent(planet, t.neighbors[i], here, table.at(t.neighbors[i])));
      sum += weights[i];
    }
    for (int i = 0; i < n; ++i) t.moveFractions[i] = static_cast<float>(weights[i] * (1.0 / sum));
  }
  t.neighborCount = n;
  planet.storeToAllCopies(t, c);
}
}  // namespace

bool storeNeighborsAndMoveFractions(Planet& planet, int workers) {
  const PositionTable table(planet, workers);
  if (!table.positions.ok()) return false;
  // Points are independent: each writes only its own copies. The diamonds
  // are shared out between the processors.
  auto store = [&planet, &table](int64_t firstDiamond, int64_t endDiamond) {
    for (int d = static_cast<int>(firstDiamond); d < endDiamond; ++d) {
      TileCursor cursor;
      for (cursor.startAt(planet.side, d); cursor.diamond == d; cursor.advance()) {
        storePoint(planet, table, cursor.coord());
      }
    }
  };
  parallelFor(workers, 10, store);
  return true;
}
