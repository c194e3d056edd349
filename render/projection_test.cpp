#include "render/projection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "grid/grid_geometry.h"

namespace geoweave::detail {

namespace {

Vector3d toDouble(const Vector3f& v) {
  return Vector3d{v.x, v.y, v.z};
}

double angleBetween(const Vector3d& a, const Vector3d& b) {
  const Vector3d c{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  return std::atan2(c.length(), dot(a, b));
}

std::string describe(const TilePoint& p) {
  std::ostringstream s;
  s << "diamond " << p.coord.diamond << " at (" << p.coord.x << " + " << p.fracX << ", "
    << p.coord.y << " + " << p.fracY << ")";
  return s.str();
}

// A point the tile blender can read: inside the diamond, and on the last row or
// column only with a zero fraction. A fraction just below 1 may round up to 1
// as a float; the blend then reads the next grid point, which must exist.
bool insideDiamond(const PlanetGrid& planet, const TilePoint& p) {
  const int last = planet.lastIndex();
  const auto axisOk = [last](int i, float f) {
    return i >= 0 && f >= 0 && f <= 1 && i + (f > 0 ? 1 : 0) <= last;
  };
  return p.coord.diamond >= 0 && p.coord.diamond <= 9 && axisOk(p.coord.x, p.fracX) &&
         axisOk(p.coord.y, p.fracY);
}

// Latitude fractions from pole to pole in 48 steps (both band borders among
// them), with the borders once more as the renderer's own floats and just
// beside them.
std::vector<float> latitudes() {
  std::vector<float> v;
  for (int i = 0; i <= 48; ++i) v.push_back(static_cast<float>(i / 48.0));
  for (const float border : {1 / 3.0f, 2 / 3.0f}) {
    v.push_back(border);
    v.push_back(std::nextafter(border, 0.0f));
    v.push_back(std::nextafter(border, 1.0f));
  }
  return v;
}

// Longitudes around the whole circle, both ends of the seam included.
std::vector<float> longitudes() {
  std::vector<float> u;
  for (int j = 0; j <= 60; ++j) u.push_back(static_cast<float>(j / 60.0));
  u.push_back(std::nextafter(1.0f, 0.0f));
  u.push_back(0.05f);  // a corner of the southern ring
  u.push_back(0.15f);
  return u;
}

struct ProjectionGrid : testing::TestWithParam<int> {
  PlanetGrid planet;
  void SetUp() override {
    planet.buildIcosahedron();
    ASSERT_TRUE(planet.allocate(GetParam(), 1));
  }
};

TEST_P(ProjectionGrid, ExactMappingLandsOnTheRay) {
  double worst = 0;
  std::string worstAt;
  int outside = 0;
  for (const float v : latitudes()) {
    for (const float u : longitudes()) {
      const TilePoint p = locateTilePoint(planet, v, u);
      if (!insideDiamond(planet, p)) {
        ADD_FAILURE() << "v " << v << " u " << u << ": " << describe(p);
        if (++outside > 5) return;
        continue;
      }
      const double angle = angleBetween(toDouble(pointPosition(planet, p)), mapDirection(v, u));
      if (angle > worst) {
        worst = angle;
        std::ostringstream s;
        s << "v " << v << " u " << u << ": " << describe(p);
        worstAt = s.str();
      }
    }
  }
  EXPECT_LT(worst, 1e-5) << worstAt;
}

TEST_P(ProjectionGrid, DirectionsFindTheMapsPointsAndAnyOtherRay) {
  int mismatches = 0;
  for (const float v : latitudes()) {
    for (const float u : longitudes()) {
      const TilePoint fromMap = locateTilePoint(planet, v, u);
      const TilePoint fromDirection = locateDirection(planet, mapDirection(v, u));
      if (describe(fromMap) != describe(fromDirection) || fromMap.fracX != fromDirection.fracX ||
          fromMap.fracY != fromDirection.fracY) {
        ADD_FAILURE() << "v " << v << " u " << u << ": map " << describe(fromMap) << ", direction "
                      << describe(fromDirection);
        if (++mismatches > 5) return;
      }
    }
  }
  // Directions off the map's grid, of any length, the axes among them.
  double worst = 0;
  std::string worstAt;
  for (int i = -4; i <= 4; ++i) {
    for (int j = -4; j <= 4; ++j) {
      for (int k = -4; k <= 4; ++k) {
        if (i == 0 && j == 0 && k == 0) continue;
        const Vector3d d{i * 0.75, j * 2.5, k * 1.0};
        const TilePoint p = locateDirection(planet, d);
        std::ostringstream at;
        at << "(" << d.x << ", " << d.y << ", " << d.z << "): " << describe(p);
        ASSERT_TRUE(insideDiamond(planet, p)) << at.str();
        const double angle = angleBetween(toDouble(pointPosition(planet, p)), d);
        if (angle > worst) {
          worst = angle;
          worstAt = at.str();
        }
      }
    }
  }
  EXPECT_LT(worst, 1e-5) << worstAt;
}

// The hinted search must find what the full search finds, wherever the
// hint was left: along map rows (band borders and the seam among them), and
// at the grid's corners and on its diamonds' edges and diagonals, where two
// triangles both nearly hold the ray.
TEST_P(ProjectionGrid, HintedSearchFindsWhatTheSearchFinds) {
  TriangleHint hint;
  int mismatches = 0;
  const auto check = [&](const Vector3d& d, const std::string& where) {
    float v, u;
    directionFractions(d, v, u);
    const TilePoint plain = locateDirection(planet, d, v, u);
    const TilePoint hinted = locateDirection(planet, d, v, u, hint);
    if (describe(plain) != describe(hinted) || plain.fracX != hinted.fracX ||
        plain.fracY != hinted.fracY) {
      ADD_FAILURE() << where << ": search " << describe(plain) << ", hinted " << describe(hinted);
      ++mismatches;
    }
  };
  for (const float v : latitudes()) {
    for (const float u : longitudes()) {
      check(mapDirection(v, u), "v " + std::to_string(v) + " u " + std::to_string(u));
      if (mismatches > 5) return;
    }
  }
  const Icosahedron& ico = planet.icosahedron;
  for (int d = 0; d < 10; ++d) {
    for (int a = 0; a < 4; ++a) {
      for (int b = 0; b < 4; ++b) {
        const Vector3d& from = ico.vertices[ico.diamonds[d][a]];
        const Vector3d& to = ico.vertices[ico.diamonds[d][b]];
        // From corner a towards corner b, along an edge or a diagonal.
        for (int i = 0; i <= 8; ++i) {
          const double t = i / 8.0;
          check(from.copy().scale(1 - t).add(to.copy().scale(t)),
                "diamond " + std::to_string(d) + " corners " + std::to_string(a) + "-" +
                    std::to_string(b) + " at " + std::to_string(t));
          if (mismatches > 5) return;
        }
      }
    }
  }
}

TEST_P(ProjectionGrid, CoarseMappingPoles) {
  const int last = planet.lastIndex();
  for (int j = 0; j <= 40; ++j) {
    const float u = static_cast<float>(j / 40.0);
    SCOPED_TRACE(u);
    const TilePoint north = netTilePoint(planet, 1, u);
    EXPECT_EQ(north.coord.diamond, static_cast<int>(5 * u) % 5);
    EXPECT_EQ(north.coord.x, 0);
    EXPECT_EQ(north.coord.y, last);
    EXPECT_EQ(north.fracX, 0);
    EXPECT_EQ(north.fracY, 0);

    const TilePoint south = netTilePoint(planet, 0, u);
    EXPECT_GE(south.coord.diamond, 5);
    EXPECT_LE(south.coord.diamond, 9);
    EXPECT_EQ(south.coord.x, last);
    EXPECT_EQ(south.coord.y, 0);
    EXPECT_EQ(south.fracX, 0);
    EXPECT_EQ(south.fracY, 0);
  }
}

TEST_P(ProjectionGrid, CoarseMappingStaysInsideAndJoinsAtTheSeam) {
  for (const float v : latitudes()) {
    SCOPED_TRACE(v);
    const TilePoint atZero = netTilePoint(planet, v, 0);
    const TilePoint atOne = netTilePoint(planet, v, 1);
    EXPECT_EQ(describe(atZero), describe(atOne));
    for (const float u : longitudes()) {
      const TilePoint p = netTilePoint(planet, v, u);
      EXPECT_TRUE(insideDiamond(planet, p)) << "u " << u << ": " << describe(p);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Projection, ProjectionGrid, testing::Values(16, 32, 512),
                         [](const testing::TestParamInfo<int>& info) {
                           return "Width" + std::to_string(info.param);
                         });

TEST(Projection, EquatorAtLongitudeZeroIsAQuarterIntoDiamondNine) {
  PlanetGrid planet;
  planet.buildIcosahedron();
  ASSERT_TRUE(planet.allocate(512, 1));
  ASSERT_EQ(planet.lastIndex(), 128);

  const TilePoint coarse = netTilePoint(planet, 0.5f, 0);
  EXPECT_EQ(coarse.coord.diamond, 9);

  const TilePoint p = locateTilePoint(planet, 0.5f, 0);
  EXPECT_EQ(p.coord.diamond, 9);
  EXPECT_EQ(p.coord.x, 32);
  EXPECT_EQ(p.coord.y, 96);
  EXPECT_EQ(p.fracX, 0);
  EXPECT_EQ(p.fracY, 0);
}

TEST(Projection, MapDirection) {
  const Vector3d east = mapDirection(0.5f, 0);
  EXPECT_DOUBLE_EQ(east.x, 1);
  EXPECT_DOUBLE_EQ(east.y, 0);
  EXPECT_DOUBLE_EQ(east.z, 0);

  for (const float u : {0.0f, 0.3f, 0.75f}) {
    const Vector3d north = mapDirection(1, u);
    EXPECT_NEAR(north.x, 0, 1e-15) << u;
    EXPECT_NEAR(north.y, 0, 1e-15) << u;
    EXPECT_DOUBLE_EQ(north.z, 1) << u;
  }

  // A quarter turn east, forty-five degrees south.
  const Vector3d d = mapDirection(0.25f, 0.25f);
  EXPECT_NEAR(d.x, 0, 1e-15);
  EXPECT_NEAR(d.y, std::sqrt(0.5), 1e-15);
  EXPECT_NEAR(d.z, -std::sqrt(0.5), 1e-15);
  EXPECT_NEAR(d.length(), 1, 1e-15);
}

TEST(Projection, PlaneThroughThreePoints) {
  const Vector3d p1{2, 0, 0}, p2{0, 2, 0}, p3{0, 0, 2};
  const Plane plane = planeThrough(p1, p2, p3);
  EXPECT_NEAR(plane.normal.length(), 1, 1e-15);
  for (const Vector3d& p : {p1, p2, p3}) EXPECT_NEAR(dot(plane.normal, p) + plane.offset, 0, 1e-15);
  // (p3 - p1) x (p2 - p1) points back towards the origin for this winding.
  EXPECT_LT(plane.normal.x, 0);
  EXPECT_NEAR(plane.offset, 2 / std::sqrt(3.0), 1e-15);
}

TEST(Projection, DiamondTrianglesFaceOutwards) {
  PlanetGrid planet;
  planet.buildIcosahedron();
  const Vector3d* c = planet.icosahedron.vertices;
  for (int d = 0; d < 10; ++d) {
    const int* k = planet.icosahedron.diamonds[d];
    const Plane upper = planeThrough(c[k[3]], c[k[0]], c[k[1]]);
    const Plane lower = planeThrough(c[k[3]], c[k[1]], c[k[2]]);
    // The centre lies on the inner side; the fourth corner on each plane too.
    EXPECT_LT(upper.offset, 0) << d;
    EXPECT_LT(lower.offset, 0) << d;
    EXPECT_NEAR(dot(upper.normal, c[k[0]]) + upper.offset, 0, 1e-12) << d;
    EXPECT_NEAR(dot(lower.normal, c[k[2]]) + lower.offset, 0, 1e-12) << d;
  }
}

TEST(Projection, IntersectLine) {
  const Plane roof{Vector3d{0, 0, 1}, -1};  // z = 1
  Vector3d hit;

  ASSERT_TRUE(intersectLine(roof, Vector3d{}, Vector3d{1, 1, 2}, hit));
  EXPECT_DOUBLE_EQ(hit.x, 0.5);
  EXPECT_DOUBLE_EQ(hit.y, 0.5);
  EXPECT_DOUBLE_EQ(hit.z, 1);

  // The line runs on past b: the hit lies beyond both points.
  ASSERT_TRUE(intersectLine(roof, Vector3d{3, 0, 3}, Vector3d{3, 0, 2}, hit));
  EXPECT_DOUBLE_EQ(hit.x, 3);
  EXPECT_DOUBLE_EQ(hit.z, 1);

  // And before a.
  ASSERT_TRUE(intersectLine(roof, Vector3d{0, 0, -1}, Vector3d{0, 4, 0}, hit));
  EXPECT_DOUBLE_EQ(hit.y, 8);
  EXPECT_DOUBLE_EQ(hit.z, 1);

  EXPECT_FALSE(intersectLine(roof, Vector3d{0, 0, 0}, Vector3d{5, -2, 0}, hit));
  EXPECT_FALSE(intersectLine(roof, Vector3d{1, 1, 1}, Vector3d{2, 3, 1}, hit));
}

}  // namespace

}  // namespace geoweave::detail
