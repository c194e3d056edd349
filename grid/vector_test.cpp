#include "grid/vector.h"

#include <gtest/gtest.h>

#include <cmath>

namespace geoweave::detail {

TEST(VectorTest, DoubleLengthOfUnitVectors) {
  EXPECT_EQ((Vector3d{0, 0, 1}.length()), 1.0);
  const double r = 0.4 * std::sqrt(5.0);
  const double z = 0.2 * std::sqrt(5.0);
  EXPECT_NEAR((Vector3d{r, 0, z}.length()), 1.0, 1e-15);
}

TEST(VectorTest, DoubleNormalisesByInverseLength) {
  const Vector3d samples[] = {{3, 4, 12}, {1e-3, -2e-3, 5e-4}, {-7.5, 0.25, 1e4}};
  for (const Vector3d& s : samples) {
    Vector3d v = s;
    EXPECT_NEAR(v.scale(1.0 / v.length()).length(), 1.0, 1e-15);
  }
}

TEST(VectorTest, FloatSumsAreFormedInDouble) {
  // Each square is 2^-24: summed in float both would vanish against 1.
  Vector3f v;
  v.set(1.0f, 0.000244140625f, 0.000244140625f);
  EXPECT_EQ(v.lengthSquared(), 1.0 + std::ldexp(1.0, -23));
  EXPECT_EQ(v.length(), std::sqrt(1.0 + std::ldexp(1.0, -23)));

  Vector3f a;
  a.set(1.0f, 2.0f, 3.0f);
  Vector3f b;
  b.set(-4.0f, 0.5f, 2.0f);
  EXPECT_EQ(a.dot(b), 3.0);
}

TEST(VectorTest, FloatNormalisesToSinglePrecision) {
  Vector3f v;
  v.set(3.0f, -4.0f, 12.0f);
  v.scale(static_cast<float>(1.0 / v.length()));
  EXPECT_FLOAT_EQ(v.x, 3.0f / 13.0f);
  EXPECT_FLOAT_EQ(v.y, -4.0f / 13.0f);
  EXPECT_NEAR(v.length(), 1.0, 1e-7);
}

}  // namespace geoweave::detail
