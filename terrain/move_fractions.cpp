#include "terrain/move_fractions.h"

#include <cmath>

#include "grid/planet.h"

double eastwardWeight(double d) {
  if (d < 0) return 0.1;
  if (d < 0.5) return 0.1 + 0.8 * d;
  if (d <= 0.95) return 0.5 + 0.5 * (d - 0.5) / 0.45;
  return 1.0;
}

namespace {
// East component of the unit direction from (lat, lon) to a neighbour. The
// direction lives in a local frame: east, north, 0.
double eastComponent(const Planet& planet, const TileCoord& neighbor, float lat, float lon) {
  Vector3f direction;
  if (planet.isPole(neighbor)) {
    direction.set(0, neighbor.diamond < 5 ? 1.0f : -1.0f, 0);
  } else {
    float nLat, nLon;
    planet.mapCoordinates(TilePoint{neighbor, 0, 0}, nLat, nLon);
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
}  // namespace

void storeNeighborsAndMoveFractions(Planet& planet) {
  TileCursor cursor;
  for (cursor.start(planet.side); cursor.valid(); cursor.advance()) {
    const TileCoord c = cursor.coord();
    Tile t = *planet.tileAt(c);
    const int n = planet.neighbors(c, t.neighbors);
    if (planet.isPole(c)) {
      for (int i = 0; i < n; ++i) t.moveFractions[i] = static_cast<float>(1.0 / n);
    } else {
      float lat, lon;
      planet.mapCoordinates(TilePoint{c, 0, 0}, lat, lon);
      double weights[6];
      double sum = 0;
      for (int i = 0; i < n; ++i) {
        weights[i] = eastwardWeight(eastComponent(planet, t.neighbors[i], lat, lon));
        sum += weights[i];
      }
      for (int i = 0; i < n; ++i) t.moveFractions[i] = static_cast<float>(weights[i] * (1.0 / sum));
    }
    t.neighborCount = n;
    planet.storeToAllCopies(t, c);
  }
}
