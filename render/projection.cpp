#include "render/projection.h"

#include <cmath>

#include "base/numeric.h"

namespace geoweave::detail {

namespace {

double frac(double z) {
  return z - std::floor(z);
}

// Grid fractions (a, b) in [0, 1] of a diamond to a point of its grid.
TilePoint pointFromFractions(int diamond, double a, double b, int lastIndex) {
  TilePoint p;
  p.coord.diamond = diamond;
  const double ax = a * lastIndex;
  const double by = b * lastIndex;
  p.coord.x = static_cast<int>(ax);
  p.fracX = static_cast<float>(ax - p.coord.x);
  p.coord.y = static_cast<int>(by);
  p.fracY = static_cast<float>(by - p.coord.y);
  return p;
}

// From triangle coordinates to the diamond's grid fractions, kept as floats.
TilePoint pointFromTriangle(int diamond, bool upperTriangle, double a, double b, int lastIndex) {
  const float gridX = static_cast<float>(upperTriangle ? a : a + b);
  const float gridY = static_cast<float>(upperTriangle ? a + b : b);
  return pointFromFractions(diamond, gridX, gridY, lastIndex);
}

// Solves h = a e1 + b e2 + c (e1 x e2) for a and b by Cramer's rule, with
// the triangle's parts that do not depend on h worked out in advance.
void solveInTriangle(const Vector3d& h, const DiamondTriangle& t, double& a, double& b) {
  a = dot(h, t.e2CrossNormal) / t.determinant;
  b = dot(t.e1, cross(h, t.normal)) / t.determinant;
}
}  // namespace

// The geometry of the exact mapping is all double precision, pi included.
// map_directions.cpp writes the same expressions a half at a time, and must
// keep giving these bits.
Vector3d mapDirection(float v, float u) {
  const double latitude = (static_cast<double>(v) - 0.5) * kPiDouble;
  const double longitude = 2.0 * kPiDouble * u;
  return Vector3d{std::cos(longitude) * std::cos(latitude),
                  std::sin(longitude) * std::cos(latitude), std::sin(latitude)};
}

TilePoint netTilePoint(const PlanetGrid& planet, float v, float u) {
  u = wrapUnit(u);
  v = wrapUnit(v);
  const double w = 3.0 * v;
  int diamond;
  double a, b;
  if (w < 1) {
    // The lower ring of vertices is turned by a tenth of a turn.
    double g = static_cast<double>(u) - 0.1;
    if (g < 0) g += 1;
    diamond = static_cast<int>(5 * g) % 5 + 5;
    const double f = frac(5 * g);
    a = (f - 1) * w + 1;
    b = f * w;
  } else if (w < 2) {
    diamond = static_cast<int>(5.0 * u) % 5;
    const double m = w - 1;
    const double t = 2 * frac(5.0 * u);
    if (t < 1 && m + t < 1) {
      diamond = (diamond + 4) % 5 + 5;
      b = (m + t + 1) / 2;
      a = t - b + 1;
    } else if (t < 1) {
      b = (m + t - 1) / 2;
      a = t - b;
    } else if (t - m > 1) {
      diamond = diamond % 5 + 5;
      b = (m + t - 1) / 2;
      a = t - b - 1;
    } else {
      b = (m + t - 1) / 2;
      a = t - b;
    }
  } else {
    diamond = static_cast<int>(5.0 * u) % 5;
    const double m = w - 2;
    const double f = frac(5.0 * u);
    a = f * (1 - m);
    b = f + (1 - f) * m;
  }
  return pointFromFractions(diamond, a, b, planet.lastIndex());
}

bool intersectLine(const Plane& plane, const Vector3d& a, const Vector3d& b, Vector3d& hit) {
  const double ha = dot(plane.normal, a) + plane.offset;
  const double hb = dot(plane.normal, b) + plane.offset;
  if (ha == hb) return false;
  const double r = -ha / (hb - ha);
  hit = a.copy().add(sub(b, a).scale(r));
  return true;
}

namespace {
// Casts the ray from the centre along direction against the diamonds'
// triangles, starting with the diamond of start (a good guess saves the
// search); start is returned only when no triangle lies ahead. The triangle
// that holds the ray, if one does, goes to found.
TilePoint castRay(const PlanetGrid& planet, const Vector3d& direction, const TilePoint& start,
                  TriangleHint* found = nullptr) {
  const Vector3d origin;
  TilePoint result = start;
  double bestError = 1000;
  int d = start.coord.diamond;
  do {
    // Triangle A (corners 3, 0, 1) holds y >= x, triangle B (3, 1, 2) x >= y.
    const Vector3d& c3 = planet.icosahedron.vertices[planet.icosahedron.diamonds[d][3]];
    for (int tri = 0; tri < 2; ++tri) {
      const DiamondTriangle& triangle = planet.icosahedron.triangles[d][tri];
      Vector3d hit;
      if (!(dot(triangle.plane.normal, direction) > 0)) continue;
      if (!intersectLine(triangle.plane, origin, direction, hit)) continue;
      double a, b;
      solveInTriangle(sub(hit, c3), triangle, a, b);
      const double error = (a < 0 ? -a : 0.0) + (b < 0 ? -b : 0.0) + (a + b > 1 ? a + b - 1 : 0.0);
      if (error == 0) {
        if (found != nullptr) *found = TriangleHint{d, tri};
        return pointFromTriangle(d, tri == 0, a, b, planet.lastIndex());
      }
      if (error < bestError) {
        // Nearest so far: pulled just inside its triangle.
        bestError = error;
        a = a > 0 ? a : 0.0;
        b = b > 0 ? b : 0.0;
        const double s = 0.001 + a + b;
        if (s > 1) {
          a /= s;
          b /= s;
        }
        result = pointFromTriangle(d, tri == 0, a, b, planet.lastIndex());
      }
    }
    d = (d + 1) % 10;
  } while (d != start.coord.diamond);
  return result;
}

// Whether the ray along direction meets triangle tri of diamond d well
// inside it, and if so its point, worked out as castRay works it out. "Well
// inside" leaves a margin far above the rounding of a and b, so that no
// other triangle can also hold the ray to castRay's test: castRay, whatever
// order it tries them in, then finds this triangle and no other.
bool hitWellInside(const PlanetGrid& planet, const Vector3d& direction, int d, int tri,
                   TilePoint& point) {
  constexpr double kMargin = 1e-9;
  const DiamondTriangle& triangle = planet.icosahedron.triangles[d][tri];
  Vector3d hit;
  if (!(dot(triangle.plane.normal, direction) > 0)) return false;
  if (!intersectLine(triangle.plane, Vector3d(), direction, hit)) return false;
  const Vector3d& c3 = planet.icosahedron.vertices[planet.icosahedron.diamonds[d][3]];
  double a, b;
  solveInTriangle(sub(hit, c3), triangle, a, b);
  if (!(a >= kMargin && b >= kMargin && a + b <= 1 - kMargin)) return false;
  point = pointFromTriangle(d, tri == 0, a, b, planet.lastIndex());
  return true;
}
}  // namespace

TilePoint locateTilePoint(const PlanetGrid& planet, float v, float u) {
  return castRay(planet, mapDirection(v, u), netTilePoint(planet, v, u));
}

double horizontalLength(const Vector3d& direction) {
  return std::sqrt(direction.x * direction.x + direction.y * direction.y);
}

float latitudeFraction(double z, double horizontal) {
  // atan2 keeps its accuracy near the poles, where asin of z would lose it.
  const double latitude = std::atan2(z, horizontal);
  return static_cast<float>(latitude / kPiDouble + 0.5);
}

float longitudeFraction(double x, double y) {
  double turns = std::atan2(y, x) / (2.0 * kPiDouble);
  if (turns < 0) turns += 1;
  return static_cast<float>(turns);
}

void directionFractions(const Vector3d& direction, float& v, float& u) {
  v = latitudeFraction(direction.z, horizontalLength(direction));
  u = longitudeFraction(direction.x, direction.y);
}

TilePoint locateDirection(const PlanetGrid& planet, const Vector3d& direction) {
  float v, u;
  directionFractions(direction, v, u);
  return castRay(planet, direction, netTilePoint(planet, v, u));
}

TilePoint locateDirection(const PlanetGrid& planet, const Vector3d& direction, float v, float u) {
  return castRay(planet, direction, netTilePoint(planet, v, u));
}

TilePoint locateDirection(const PlanetGrid& planet, const Vector3d& direction, float v, float u,
                          TriangleHint& hint) {
  TilePoint point;
  if (hint.diamond >= 0 && hitWellInside(planet, direction, hint.diamond, hint.triangle, point)) {
    return point;
  }
  hint.diamond = -1;
  return castRay(planet, direction, netTilePoint(planet, v, u), &hint);
}

}  // namespace geoweave::detail
