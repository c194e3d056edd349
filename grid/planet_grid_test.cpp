#include "grid/planet_grid.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

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

TEST(GridSizeTest, LevelFollowsTheRatioTable) {
  struct Row {
    int from, to, level, side;
    int64_t records;
  };
  const Row rows[] = {
      {3, 11, 1, 3, 108},         {12, 23, 2, 5, 300},         {24, 47, 3, 9, 972},
      {48, 95, 4, 17, 3468},      {96, 191, 5, 33, 13068},     {192, 383, 6, 65, 50700},
      {384, 767, 7, 129, 199692}, {768, 1535, 8, 257, 792588}, {1536, 3071, 9, 513, 3158028}};
  for (const Row& r : rows) {
    EXPECT_EQ(PlanetGrid::levelFor(r.from, 1.0f), r.level) << r.from;
    EXPECT_EQ(PlanetGrid::levelFor(r.to, 1.0f), r.level) << r.to;
    EXPECT_EQ((int64_t{1} << r.level) + 1, r.side);
    EXPECT_EQ(PlanetGrid::tileRecordsFor(r.level), r.records);
    EXPECT_EQ(PlanetGrid::tileRecordsText(r.level), std::to_string(r.records));
  }
  // The refusal names the exact count however large the grid.
  EXPECT_EQ(PlanetGrid::tileRecordsText(13), "805502988");
  EXPECT_EQ(PlanetGrid::tileRecordsText(40), "14507109835401938375540748");
  EXPECT_EQ(PlanetGrid::tileRecordsText(180),
            "28182510993285998734673767161472044328508190586899838485267384639167840901975629973171"
            "808387466963368789671948");
  EXPECT_EQ(PlanetGrid::levelFor(512, 1.0f), 7);
  EXPECT_EQ(PlanetGrid::levelFor(1024, 2.0f), 7);
  EXPECT_EQ(PlanetGrid::levelFor(383, 1.0f), 6);
  EXPECT_EQ(PlanetGrid::levelFor(384, 1.0f), 7);
  EXPECT_EQ(PlanetGrid::levelFor(100, 0.5f), 6);  // c = 200
  // The ratio is truncated: just under 12 stays on the smallest grid.
  EXPECT_EQ(PlanetGrid::levelFor(12, std::nextafter(1.0f, 2.0f)), 1);
}

TEST(GridSizeTest, TinyRatiosUseTheSmallestGrid) {
  EXPECT_EQ(PlanetGrid::levelFor(2, 1.0f), 1);
  EXPECT_EQ(PlanetGrid::levelFor(1, 1.0f), 1);
  EXPECT_EQ(PlanetGrid::levelFor(3, 1.5f), 1);
  EXPECT_EQ(PlanetGrid::levelFor(1, 1000.0f), 1);
  PlanetGrid planet;
  ASSERT_TRUE(planet.allocate(1, 4.0f));
  EXPECT_EQ(planet.level, 1);
  EXPECT_EQ(planet.side, 3);
}

TEST(GridSizeTest, HugeRatiosAreRefused) {
  EXPECT_EQ(PlanetGrid::levelFor(49151, 1.0f), 13);
  EXPECT_EQ(PlanetGrid::levelFor(49152, 1.0f), 14);
  EXPECT_GT(PlanetGrid::levelFor(INT_MAX, 1e-30f), 13);

  PlanetGrid planet;
  ASSERT_TRUE(planet.allocate(6, 1.0f));
  EXPECT_FALSE(planet.allocate(49152, 1.0f));
  EXPECT_EQ(planet.hot(), nullptr);
  EXPECT_EQ(planet.side, 0);
  EXPECT_FALSE(planet.allocate(INT_MAX, 0.001f));
  EXPECT_EQ(planet.hot(), nullptr);
}

// A grid larger than the memory the process may use is refused before any
// page is touched, instead of the kernel ending the run halfway.
TEST(GridSizeTest, GridsBeyondTheMemoryLimitAreRefused) {
  PlanetGrid planet;
  const uint64_t level7 = PlanetGrid::bytesFor(7);
  EXPECT_TRUE(planet.allocate(512, 1.0f, 1, level7));  // level 7: exactly fits
  EXPECT_EQ(planet.level, 7);
  EXPECT_FALSE(planet.allocate(512, 1.0f, 1, level7 - 1));
  EXPECT_EQ(planet.hot(), nullptr);
  EXPECT_FALSE(planet.allocate(4096, 1.0f, 1, uint64_t{1} << 29));  // 0.77 GB in 0.5 GB
  // The ten diamonds in use, 60 bytes a record (hot fields, move fractions,
  // roughness), each array rounded up to whole 2 MiB pages, and the edge
  // table: not the 136 bytes of all twelve blocks a whole record once took.
  for (const int64_t level : {7, 11, 12}) {
    const double used = 10.0 * static_cast<double>(PlanetGrid::tileRecordsFor(level)) / 12.0;
    const double edgeTable = 40.0 * static_cast<double>(int64_t{1} << level) * 6 * 4;
    const auto bytes = static_cast<double>(PlanetGrid::bytesFor(level));
    EXPECT_GE(bytes, 60 * used + edgeTable) << level;
    EXPECT_LE(bytes, 60 * used + edgeTable + 3 * (2 << 20)) << level;
  }
}

TEST(GridSizeTest, AllocateSetsConsistentSizesAndDefaultTiles) {
  PlanetGrid planet;
  EXPECT_EQ(planet.hot(), nullptr);
  EXPECT_EQ(planet.side, 0);
  for (int level = 1; level <= 8; ++level) {
    // Reallocating frees the previous array; the sanitizer build catches a leak.
    ASSERT_TRUE(planet.allocate(6 << (level - 1), 1.0f)) << level;
    const int side = (1 << level) + 1;
    EXPECT_EQ(planet.level, level);
    EXPECT_EQ(planet.side, side);
    EXPECT_EQ(planet.sideSquared, side * side);
    EXPECT_EQ(planet.lastIndex, side - 1);
    EXPECT_EQ(planet.edgeMask, side - 2);
    EXPECT_EQ(planet.cellSize, 1.0f / static_cast<float>(side - 1));
    for (int i = 0; i <= planet.lastIndex; ++i) {
      EXPECT_EQ((i & planet.edgeMask) == 0, i == 0 || i == planet.lastIndex) << level << " " << i;
    }
    const int records = static_cast<int>(PlanetGrid::tileRecordsFor(level));
    EXPECT_EQ(records, 12 * side * side);
    EXPECT_EQ(planet.records(), int64_t{10} * side * side);
    const int64_t used = planet.records();
    for (const int64_t i : {int64_t{0}, used / 2, used - 1}) {
      EXPECT_EQ(planet.hot()[i].sediment, 0.05f) << level << " " << i;
      EXPECT_EQ(planet.hot()[i].elevation, 0.0f) << level << " " << i;
      EXPECT_EQ(planet.roughness()[i], 0.0f) << level << " " << i;
      EXPECT_EQ(planet.fractions()[i].share[5], 0.0f) << level << " " << i;
    }
    EXPECT_EQ(planet.hotAt(9, side - 1, side - 1), planet.hot() + 10 * side * side - 1);
  }
}

TEST(GridGeometryTest, VerticesAndDiamondTable) {
  const double expected[12][3] = {{0, 0, 1},
                                  {0.894427, 0, 0.447214},
                                  {0.276393, 0.850651, 0.447214},
                                  {-0.723607, 0.525731, 0.447214},
                                  {-0.723607, -0.525731, 0.447214},
                                  {0.276393, -0.850651, 0.447214},
                                  {0.723607, 0.525731, -0.447214},
                                  {-0.276393, 0.850651, -0.447214},
                                  {-0.894427, 0, -0.447214},
                                  {-0.276393, -0.850651, -0.447214},
                                  {0.723607, -0.525731, -0.447214},
                                  {0, 0, -1}};
  const int corners[10][4] = {{0, 2, 6, 1},   {0, 3, 7, 2},  {0, 4, 8, 3},  {0, 5, 9, 4},
                              {0, 1, 10, 5},  {2, 7, 11, 6}, {3, 8, 11, 7}, {4, 9, 11, 8},
                              {5, 10, 11, 9}, {1, 6, 11, 10}};
  PlanetGrid planet;
  planet.buildIcosahedron();
  for (int v = 0; v < 12; ++v) {
    EXPECT_NEAR(planet.vertices[v].x, expected[v][0], 5e-7) << v;
    EXPECT_NEAR(planet.vertices[v].y, expected[v][1], 5e-7) << v;
    EXPECT_NEAR(planet.vertices[v].z, expected[v][2], 5e-7) << v;
    EXPECT_NEAR(planet.vertices[v].length(), 1.0, 1e-15) << v;
  }
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) EXPECT_EQ(planet.diamonds[d][k], corners[d][k]) << d << " " << k;
  }
}

TEST(GridGeometryTest, PositionsMeetCornersAndTheDiagonal) {
  PlanetGrid planet;
  planet.buildIcosahedron();
  ASSERT_TRUE(planet.allocate(24, 1.0f));
  const int last = planet.lastIndex;
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) {
      const Vector3f p = planet.pointPosition(TilePoint{cornerCoord(d, k, last), 0, 0});
      const Vector3d& v = planet.vertices[planet.diamonds[d][k]];
      EXPECT_NEAR(p.x, v.x, 1e-7) << d << " corner " << k;
      EXPECT_NEAR(p.y, v.y, 1e-7) << d << " corner " << k;
      EXPECT_NEAR(p.z, v.z, 1e-7) << d << " corner " << k;
    }
    const Vector3d normal =
        cross(planet.vertices[planet.diamonds[d][3]], planet.vertices[planet.diamonds[d][1]]);
    for (int i = 0; i <= last; ++i) {
      const float frac = i < last ? 0.3f : 0.0f;
      const Vector3f p = planet.pointPosition(TilePoint{TileCoord{d, i, i}, frac, frac});
      EXPECT_NEAR(dot(p, normal), 0.0, 1e-6) << d << " " << i;
      EXPECT_NEAR(p.length(), 1.0, 1e-6);
    }
    // Off the diagonal, the point leaves that great circle.
    EXPECT_GT(std::fabs(dot(planet.pointPosition(TilePoint{TileCoord{d, 5, 3}, 0, 0}), normal)),
              0.05);
  }
}

TEST(GridGeometryTest, MapCoordinatesAtPolesEquatorAndVertices) {
  PlanetGrid planet;
  planet.buildIcosahedron();
  ASSERT_TRUE(planet.allocate(24, 1.0f));
  const int last = planet.lastIndex;
  float lat = -1;
  float lon = -1;
  planet.mapCoordinates(TilePoint{TileCoord{2, 0, last}, 0, 0}, lat, lon);
  EXPECT_EQ(lat, 1.0f);
  EXPECT_EQ(lon, 0.0f);
  planet.mapCoordinates(TilePoint{TileCoord{8, last, 0}, 0, 0}, lat, lon);
  EXPECT_EQ(lat, 0.0f);
  EXPECT_EQ(lon, 0.0f);
  // The midpoint of the edge from vertex 1 to vertex 6 lies on the equator.
  planet.mapCoordinates(TilePoint{TileCoord{0, last / 2, 0}, 0, 0}, lat, lon);
  EXPECT_NEAR(lat, 0.5f, 1e-6);
  EXPECT_NEAR(lon, 0.05f, 1e-6);

  // Ring vertices sit every fifth of a turn, the lower ring half a step on.
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) {
      const int v = planet.diamonds[d][k];
      if (v == 0 || v == 11) continue;
      planet.mapCoordinates(TilePoint{cornerCoord(d, k, last), 0, 0}, lat, lon);
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
        planet.mapCoordinates(TilePoint{TileCoord{d, x, y}, fx, fy}, lat, lon);
        EXPECT_TRUE(lon >= 0.0f && lon <= 1.0f) << d << " " << x << " " << y << " " << lon;
        EXPECT_TRUE(lat >= 0.0f && lat <= 1.0f) << d << " " << x << " " << y << " " << lat;
      }
    }
  }
}

}  // namespace geoweave::detail
