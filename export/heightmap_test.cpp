#include "export/heightmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace geoweave::detail {

namespace {

TEST(Heightmap, RangeEndsMapToZeroAndFullScaleAndOutsideIsClamped) {
  EXPECT_EQ(heightmapValue(-0.5f, -0.5f, 1.5f), 0);
  EXPECT_EQ(heightmapValue(1.5f, -0.5f, 1.5f), 65535);
  EXPECT_EQ(heightmapValue(0.5f, -0.5f, 1.5f), 32768);  // 32767.5 rounds up
  EXPECT_EQ(heightmapValue(-3.0f, -0.5f, 1.5f), 0);
  EXPECT_EQ(heightmapValue(9.0f, -0.5f, 1.5f), 65535);
  EXPECT_EQ(heightmapValue(std::nanf(""), -0.5f, 1.5f), 0);
  // One step of the scale: a value just below a half rounds down.
  const float step = 2.0f / 65535.0f;
  EXPECT_EQ(heightmapValue(-0.5f + 0.49f * step, -0.5f, 1.5f), 0);
  EXPECT_EQ(heightmapValue(-0.5f + 0.51f * step, -0.5f, 1.5f), 1);
  // A flat range has no scale: everything is 0, and the position too.
  EXPECT_EQ(heightmapValue(2.0f, 2.0f, 2.0f), 0);
  EXPECT_EQ(heightmapPosition(7.0, 2.0f, 2.0f), 0.0);
  // The position is neither rounded nor clamped.
  EXPECT_DOUBLE_EQ(heightmapPosition(2.5, -0.5f, 1.5f), 1.5 * 65535.0);
}

TEST(Heightmap, ValuesNeverDecreaseAsHeightsRise) {
  std::vector<float> heights;
  for (int i = 0; i <= 4000; ++i) heights.push_back(-1.0f + 3.0f * static_cast<float>(i) / 4000);
  const std::vector<uint16_t> values = heightmapOf(heights, -0.7f, 1.3f);
  ASSERT_EQ(values.size(), heights.size());
  for (size_t i = 1; i < values.size(); ++i) EXPECT_LE(values[i - 1], values[i]) << i;
  EXPECT_EQ(values.front(), 0);
  EXPECT_EQ(values.back(), 65535);
}

}  // namespace

}  // namespace geoweave::detail
