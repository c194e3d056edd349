#include "render/cube_face.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "render/colors.h"
#include "render/projection.h"

namespace geoweave::detail {

namespace {

constexpr int kFaces[6] = {kFacePositiveX, kFaceNegativeX, kFacePositiveY,
                           kFaceNegativeY, kFacePositiveZ, kFaceNegativeZ};

// OpenGL's table from a direction to a face's (sc, tc, ma), as OpenGL
// defines it, with the major axis forced to the face's.
void openGlCoordinates(int face, const Vector3d& r, double& sc, double& tc, double& ma) {
  switch (face) {
    case kFacePositiveX:
      sc = -r.z, tc = -r.y, ma = r.x;
      return;
    case kFaceNegativeX:
      sc = r.z, tc = -r.y, ma = r.x;
      return;
    case kFacePositiveY:
      sc = r.x, tc = r.z, ma = r.y;
      return;
    case kFaceNegativeY:
      sc = r.x, tc = -r.z, ma = r.y;
      return;
    case kFacePositiveZ:
      sc = r.x, tc = -r.y, ma = r.z;
      return;
    case kFaceNegativeZ:
      sc = -r.x, tc = -r.y, ma = r.z;
      return;
  }
}

TEST(CubeFaceDirections, FollowOpenGlsTableAndMeetExactlyAlongEveryEdge) {
  for (const int size : {2, 5, 8}) {
    SCOPED_TRACE(size);
    // Every direction with the faces and pixels that show it.
    std::map<std::tuple<double, double, double>, std::vector<std::string>> shownBy;
    for (int f = 0; f < 6; ++f) {
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          const Vector3d d = cubeFaceDirection(kFaces[f], size, x, y);
          const std::string at = "face " + std::to_string(f) + " (" + std::to_string(x) + "," +
                                 std::to_string(y) + ")";
          double sc = 0, tc = 0, ma = 0;
          openGlCoordinates(kFaces[f], d, sc, tc, ma);
          // The face's own axis is the major one (ties on the edges).
          ASSERT_EQ(std::fabs(ma), 1) << at;
          ASSERT_EQ(ma > 0, f % 2 == 0) << at;
          ASSERT_LE(std::fabs(sc), 1) << at;
          ASSERT_LE(std::fabs(tc), 1) << at;
          EXPECT_DOUBLE_EQ((sc + 1) / 2 * (size - 1), x) << at;
          EXPECT_DOUBLE_EQ((tc + 1) / 2 * (size - 1), y) << at;
          double px, py;
          ASSERT_TRUE(projectOntoCubeFace(kFaces[f], size, d, px, py)) << at;
          EXPECT_NEAR(px, x, 1e-12) << at;
          EXPECT_NEAR(py, y, 1e-12) << at;
          EXPECT_FALSE(projectOntoCubeFace(kFaces[f ^ 1], size, d, px, py)) << at;
          shownBy[{d.x, d.y, d.z}].push_back(at);
        }
      }
    }
    // Interior pixels belong to one face, edge pixels to two, corners to
    // three: 6 faces' pixels minus the 12 edges' and 8 corners' repeats.
    int edges = 0, corners = 0;
    for (const auto& [direction, pixels] : shownBy) {
      const int onEdges = (std::fabs(std::get<0>(direction)) == 1) +
                          (std::fabs(std::get<1>(direction)) == 1) +
                          (std::fabs(std::get<2>(direction)) == 1);
      ASSERT_EQ(static_cast<int>(pixels.size()), onEdges) << pixels[0];
      edges += onEdges == 2;
      corners += onEdges == 3;
    }
    EXPECT_EQ(edges, 12 * (size - 2));
    EXPECT_EQ(corners, 8);
    EXPECT_EQ(shownBy.size(), static_cast<size_t>(6 * size * size - 12 * (size - 2) - 2 * 8));
  }
  // The centres of odd faces lie on the axes: +X at latitude 0 longitude 0,
  // +Z at the north pole; +X's top left looks towards +Y and +Z.
  const Vector3d east = cubeFaceDirection(kFacePositiveX, 5, 2, 2);
  EXPECT_EQ(std::make_tuple(east.x, east.y, east.z), std::make_tuple(1.0, 0.0, 0.0));
  const Vector3d north = cubeFaceDirection(kFacePositiveZ, 5, 2, 2);
  EXPECT_EQ(std::make_tuple(north.x, north.y, north.z), std::make_tuple(0.0, 0.0, 1.0));
  const Vector3d corner = cubeFaceDirection(kFacePositiveX, 5, 0, 0);
  EXPECT_EQ(std::make_tuple(corner.x, corner.y, corner.z), std::make_tuple(1.0, 1.0, 1.0));
  const Vector3d single = cubeFaceDirection(kFaceNegativeY, 1, 0, 0);
  EXPECT_EQ(std::make_tuple(single.x, single.y, single.z), std::make_tuple(0.0, -1.0, 0.0));
}

// A level planet of warm bare land: the mask lets rivers through fully
// everywhere and nothing is shaded.
struct LevelPlanetFaces : testing::Test {
  static constexpr int kSize = 9;
  PlanetGrid planet;
  PlanetStatistics statistics;
  RiverNetwork rivers;
  RiverNetwork withoutRivers;

  void SetUp() override {
    planet.buildIcosahedron();
    ASSERT_TRUE(planet.allocate(32, 1));
    Tile warm;
    warm.temperature = 20;
    for (int i = 0; i < 10 * planet.sideSquared(); ++i) planet.setTile(planet.coordOf(i), warm);
    statistics.elevationMin = -1;
    statistics.seaLevel = -0.5f;
    statistics.elevationMax = 1;
  }
  // A river end where direction points, at full strength.
  void addEnd(const Vector3d& direction) {
    float v, u;
    directionFractions(direction, v, u);
    ASSERT_TRUE(rivers.points.append(RiverPoint{u, v, rivers.majorFlowThreshold}));
  }
};

TEST_F(LevelPlanetFaces, ARiverOverAnEdgeShowsOnBothFacesAndNowhereElse) {
  // Along the equator from +X's centre column, two rows above its centre,
  // past its top edge into +Y, ending a third of the way right of +Y's
  // centre.
  addEnd(Vector3d{1, 0.5, 0});
  addEnd(Vector3d{1, 3, 0});
  const Rgb river = rgbFromFractions(0.2f, 0.2f, 0.8f);
  for (const int face : kFaces) {
    const int f = static_cast<int>(face);
    RgbImage plain(kSize, kSize), drawn(kSize, kSize);
    ASSERT_TRUE(drawCubeFace(planet, statistics, withoutRivers, 1, face, plain, 1));
    ASSERT_TRUE(drawCubeFace(planet, statistics, rivers, 1, face, drawn, 2));
    std::string changed;
    for (int row = kSize - 1; row >= 0; --row) {
      for (int x = 0; x < kSize; ++x) {
        const Rgb after = drawn.at(x, row);
        if (after == plain.at(x, row)) continue;
        EXPECT_EQ(after, river);
        // As the face's pixel (x, y), y down from the top.
        changed += " " + std::to_string(x) + "," + std::to_string(kSize - 1 - row);
      }
    }
    // +X: column 4 from y = (-0.5 + 1) * 4 = 2 up past the top. +Y: the
    // centre row from x = (1 / 3 + 1) * 4 = 5.3 right past the edge, where
    // the start lies at x = (2 + 1) * 4 = 12.
    const char* expected[6] = {" 4,0 4,1 4,2", "", " 5,4 6,4 7,4 8,4", "", "", ""};
    EXPECT_EQ(changed, expected[f]) << "face " << f;
  }
}

}  // namespace

}  // namespace geoweave::detail
