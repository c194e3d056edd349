#include "render/map_directions.h"

#include <cmath>

#include "base/numeric.h"
#include "render/projection.h"

namespace geoweave::detail {

// Each half of mapDirection(v, u) as it writes it: the bit-for-bit promise
// rests on these staying the same expressions.
MapRow mapRow(float v) {
  const double latitude = (static_cast<double>(v) - 0.5) * kPiDouble;
  return MapRow{v, std::cos(latitude), std::sin(latitude)};
}

MapColumn mapColumn(float u) {
  const double longitude = 2.0 * kPiDouble * u;
  return MapColumn{u, std::cos(longitude), std::sin(longitude)};
}

Vector3d mapDirection(const MapRow& row, const MapColumn& column) {
  return Vector3d{column.cosLongitude * row.cosLatitude, column.sinLongitude * row.cosLatitude,
                  row.sinLatitude};
}

TilePoint locateTilePoint(const PlanetGrid& planet, const MapRow& row, const MapColumn& column) {
  return locateDirection(planet, mapDirection(row, column), row.v, column.u);
}

TilePoint locateTilePoint(const PlanetGrid& planet, const MapRow& row, const MapColumn& column,
                          TriangleHint& hint) {
  return locateDirection(planet, mapDirection(row, column), row.v, column.u, hint);
}

}  // namespace geoweave::detail
