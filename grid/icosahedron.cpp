#include "grid/icosahedron.h"

#include <cmath>

#include "base/numeric.h"

namespace geoweave::detail {

namespace {
// Corner vertices of each diamond, corners 0 to 3.
constexpr int kDiamondCorners[10][4] = {
    {0, 2, 6, 1},  {0, 3, 7, 2},  {0, 4, 8, 3},  {0, 5, 9, 4},   {0, 1, 10, 5},
    {2, 7, 11, 6}, {3, 8, 11, 7}, {4, 9, 11, 8}, {5, 10, 11, 9}, {1, 6, 11, 10},
};
}  // namespace

void Icosahedron::build() {
  const double ringZ = 0.2 * std::sqrt(5.0);
  const double ringRadius = 0.4 * std::sqrt(5.0);
  const double step = 2.0 * kPiDouble / 5.0;
  vertices[0] = Vector3d{0, 0, 1};
  vertices[11] = Vector3d{0, 0, -1};
  // The angle is accumulated by addition, as the ring is walked.
  double angle = 0;
  for (int v = 1; v <= 5; ++v) {
    vertices[v] = Vector3d{ringRadius * std::cos(angle), ringRadius * std::sin(angle), ringZ};
    angle += step;
  }
  angle = kPiDouble / 5.0;
  for (int v = 6; v <= 10; ++v) {
    vertices[v] = Vector3d{ringRadius * std::cos(angle), ringRadius * std::sin(angle), -ringZ};
    angle += step;
  }
  for (Vector3d& v : vertices) v.scale(1.0 / v.length());
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) diamonds[d][k] = kDiamondCorners[d][k];
    const Vector3d& c0 = vertices[diamonds[d][0]];
    const Vector3d& c1 = vertices[diamonds[d][1]];
    const Vector3d& c2 = vertices[diamonds[d][2]];
    const Vector3d& c3 = vertices[diamonds[d][3]];
    const Plane planes[2] = {planeThrough(c3, c0, c1), planeThrough(c3, c1, c2)};
    const Vector3d edges[2][2] = {{sub(c1, c3), sub(c0, c3)}, {sub(c2, c3), sub(c1, c3)}};
    for (int tri = 0; tri < 2; ++tri) {
      DiamondTriangle& t = triangles[d][tri];
      t.plane = planes[tri];
      t.e1 = edges[tri][0];
      t.e2 = edges[tri][1];
      t.normal = cross(t.e1, t.e2);
      t.e2CrossNormal = cross(t.e2, t.normal);
      t.determinant = dot(t.e1, t.e2CrossNormal);
    }
  }
}

}  // namespace geoweave::detail
