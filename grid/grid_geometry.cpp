#include "grid/grid_geometry.h"

#include <cmath>

#include "base/numeric.h"

namespace geoweave::detail {

Vector3f pointPosition(const DiamondGrid& grid, const TilePoint& p) {
  const float u = static_cast<float>((p.coord.x + static_cast<double>(p.fracX)) * grid.cellSize());
  const float v = static_cast<float>((p.coord.y + static_cast<double>(p.fracY)) * grid.cellSize());
  double w0, w1, w2, w3;
  if (u >= v) {
    w0 = 0;
    w1 = v;
    w2 = static_cast<double>(u) - v;
    w3 = 1.0 - u;
  } else {
    w0 = static_cast<double>(v) - u;
    w1 = u;
    w2 = 0;
    w3 = 1.0 - v;
  }
  const Vector3d* vertices = grid.icosahedron.vertices;
  const int* corner = grid.icosahedron.diamonds[p.coord.diamond];
  Vector3d sum;
  sum.add(vertices[corner[0]].copy().scale(w0));
  sum.add(vertices[corner[1]].copy().scale(w1));
  sum.add(vertices[corner[2]].copy().scale(w2));
  sum.add(vertices[corner[3]].copy().scale(w3));
  sum.scale(1.0 / sum.length());
  Vector3f out;
  out.set(static_cast<float>(sum.x), static_cast<float>(sum.y), static_cast<float>(sum.z));
  return out;
}

namespace {
// Latitude fraction of a unit direction: 1 at the north pole, 0 at the south.
float latitudeOfDirection(const Vector3f& d) {
  if (d.z > 0.99999f) return 1;
  if (d.z < -0.99999f) return 0;
  return static_cast<float>(std::asin(static_cast<double>(d.z)) * kInvPi + 0.5);
}
}  // namespace

float latitudeOf(const DiamondGrid& grid, const TilePoint& p) {
  return latitudeOfDirection(pointPosition(grid, p));
}

void mapCoordinates(const DiamondGrid& grid, const TilePoint& p, float& latitude,
                    float& longitude) {
  const Vector3f d = pointPosition(grid, p);
  latitude = latitudeOfDirection(d);
  if (d.z > 0.99999f || d.z < -0.99999f) {
    longitude = 0;
    return;
  }
  // The longitude is a float from here on; the wrap into [0, 1] works on it.
  longitude = static_cast<float>(std::atan2(static_cast<double>(d.y), static_cast<double>(d.x)) *
                                 0.5 * kInvPi);
  longitude = wrapUnit(longitude);
}

}  // namespace geoweave::detail
