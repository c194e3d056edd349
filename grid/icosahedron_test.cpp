#include "grid/icosahedron.h"

#include <gtest/gtest.h>

namespace geoweave::detail {

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
  Icosahedron shape;
  shape.build();
  for (int v = 0; v < 12; ++v) {
    EXPECT_NEAR(shape.vertices[v].x, expected[v][0], 5e-7) << v;
    EXPECT_NEAR(shape.vertices[v].y, expected[v][1], 5e-7) << v;
    EXPECT_NEAR(shape.vertices[v].z, expected[v][2], 5e-7) << v;
    EXPECT_NEAR(shape.vertices[v].length(), 1.0, 1e-15) << v;
  }
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) EXPECT_EQ(shape.diamonds[d][k], corners[d][k]) << d << " " << k;
  }
}

}  // namespace geoweave::detail
