#include "grid/grid_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "grid/diamond_grid.h"

namespace geoweave::detail {

namespace {

// The grid position of corner k (0..3) of a diamond.
TileCoord cornerCoord(int diamond, int k, int last) {
  const int xs[4] = {0, last, last, 0};
  const int ys[4] = {last, last, 0, 0};
  return TileCoord{diamond, xs[k], ys[k]};
}

double dot(const Vector3f& a, const Vector3d& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

}  // namespace

TEST(GridGeometryTest, PositionsMeetCornersAndTheDiagonal) {
  DiamondGrid grid;
  grid.buildIcosahedron();
  ASSERT_TRUE(grid.setLevel(DiamondGrid::levelFor(24, 1.0f), 1));
  const int last = grid.lastIndex();
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) {
      const Vector3f p = pointPosition(grid, TilePoint{cornerCoord(d, k, last), 0, 0});
      const Vector3d& v = grid.icosahedron.vertices[grid.icosahedron.diamonds[d][k]];
      EXPECT_NEAR(p.x, v.x, 1e-7) << d << " corner " << k;
      EXPECT_NEAR(p.y, v.y, 1e-7) << d << " corner " << k;
      EXPECT_NEAR(p.z, v.z, 1e-7) << d << " corner " << k;
    }
    const Vector3d normal = cross(grid.icosahedron.vertices[grid.icosahedron.diamonds[d][3]],
                                  grid.icosahedron.vertices[grid.icosahedron.diamonds[d][1]]);
    for (int i = 0; i <= last; ++i) {
      const float frac = i < last ? 0.3f : 0.0f;
      const Vector3f p = pointPosition(grid, TilePoint{TileCoord{d, i, i}, frac, frac});
      EXPECT_NEAR(dot(p, normal), 0.0, 1e-6) << d << " " << i;
      EXPECT_NEAR(p.length(), 1.0, 1e-6);
    }
    // Off the diagonal, the point leaves that great circle.
    EXPECT_GT(std::fabs(dot(pointPosition(grid, TilePoint{TileCoord{d, 5, 3}, 0, 0}), normal)),
              0.05);
  }
}

TEST(GridGeometryTest, MapCoordinatesAtPolesEquatorAndVertices) {
  DiamondGrid grid;
  grid.buildIcosahedron();
  ASSERT_TRUE(grid.setLevel(DiamondGrid::levelFor(24, 1.0f), 1));
  const int last = grid.lastIndex();
  float lat = -1;
  float lon = -1;
  mapCoordinates(grid, TilePoint{TileCoord{2, 0, last}, 0, 0}, lat, lon);
  EXPECT_EQ(lat, 1.0f);
  EXPECT_EQ(lon, 0.0f);
  mapCoordinates(grid, TilePoint{TileCoord{8, last, 0}, 0, 0}, lat, lon);
  EXPECT_EQ(lat, 0.0f);
  EXPECT_EQ(lon, 0.0f);
  // The midpoint of the edge from vertex 1 to vertex 6 lies on the equator.
  mapCoordinates(grid, TilePoint{TileCoord{0, last / 2, 0}, 0, 0}, lat, lon);
  EXPECT_NEAR(lat, 0.5f, 1e-6);
  EXPECT_NEAR(lon, 0.05f, 1e-6);

  // Ring vertices sit every fifth of a turn, the lower ring half a step on.
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) {
      const int v = grid.icosahedron.diamonds[d][k];
      if (v == 0 || v == 11) continue;
      mapCoordinates(grid, TilePoint{cornerCoord(d, k, last), 0, 0}, lat, lon);
      const double expectedLon = v <= 5 ? (v - 1) / 5.0 : (v - 6) / 5.0 + 0.1;
      EXPECT_NEAR(lon, expectedLon, 1e-6) << "vertex " << v;
      EXPECT_NEAR(lat, v <= 5 ? 0.6475836 : 0.3524164, 1e-6) << "vertex " << v;
    }
  }

  for (int d = 0; d < 10; ++d) {
    for (int y = 0; y <= last; ++y) {
      for (int x = 0; x <= last; ++x) {
        const float fx = x < last ? 0.5f : 0.0f;
        const float fy = y < last ? 0.25f : 0.0f;
        mapCoordinates(grid, TilePoint{TileCoord{d, x, y}, fx, fy}, lat, lon);
        EXPECT_TRUE(lon >= 0.0f && lon <= 1.0f) << d << " " << x << " " << y << " " << lon;
        EXPECT_TRUE(lat >= 0.0f && lat <= 1.0f) << d << " " << x << " " << y << " " << lat;
      }
    }
  }
}

}  // namespace geoweave::detail
