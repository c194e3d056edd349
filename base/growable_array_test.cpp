#include "base/growable_array.h"

#include <gtest/gtest.h>

namespace geoweave::detail {

namespace {

// Three floats, like a river end.
struct RiverPoint {
  float longitude;
  float latitude;
  float flow;
};

void fill(GrowableArray<int32_t>& array, int32_t n) {
  for (int32_t i = 0; i < n; ++i) ASSERT_TRUE(array.append(i * 10));
}

void expectElements(const GrowableArray<int32_t>& array, int32_t n) {
  ASSERT_EQ(array.count, n);
  for (int32_t i = 0; i < n; ++i) EXPECT_EQ(array[i], i * 10) << i;
}

TEST(GrowableArray, GrowsByEightElementsAtATime) {
  GrowableArray<int32_t> array;
  EXPECT_EQ(array.data, nullptr);
  EXPECT_EQ(array.capacity, 0);
  const int32_t expected[] = {8, 8, 8, 8, 8, 8, 8, 8, 16, 16, 16, 16, 16, 16, 16, 16, 24};
  for (int32_t i = 0; i < 17; ++i) {
    ASSERT_TRUE(array.append(i * 10));
    EXPECT_EQ(array.capacity, expected[i]) << "after " << i + 1;
  }
  expectElements(array, 17);
  array[3] = -1;
  EXPECT_EQ(array[3], -1);
}

TEST(GrowableArray, RiverPointSlotsBeyondCountAreZero) {
  GrowableArray<RiverPoint> points;
  for (int i = 1; i <= 9; ++i) {
    ASSERT_TRUE(points.append(RiverPoint{0.1f * i, 0.2f * i, 3.0f * i}));
  }
  ASSERT_EQ(points.capacity, 16);
  EXPECT_EQ(points[8].flow, 27.0f);
  EXPECT_EQ(points[0].latitude, 0.2f);
  for (int32_t i = points.count; i < points.capacity; ++i) {
    EXPECT_EQ(points[i].longitude, 0.0f) << i;
    EXPECT_EQ(points[i].latitude, 0.0f) << i;
    EXPECT_EQ(points[i].flow, 0.0f) << i;
  }
}

TEST(GrowableArray, ReserveKeepsOrShrinksButNeverBelowCount) {
  GrowableArray<int32_t> array;
  fill(array, 5);
  const int32_t* storage = array.data;
  EXPECT_TRUE(array.reserve(8));  // equal to the capacity
  EXPECT_TRUE(array.reserve(4));  // below the count
  EXPECT_EQ(array.data, storage);
  EXPECT_EQ(array.capacity, 8);
  expectElements(array, 5);

  EXPECT_TRUE(array.reserve(6));
  EXPECT_EQ(array.capacity, 6);
  expectElements(array, 5);
  EXPECT_TRUE(array.reserve(5));  // exactly the count
  EXPECT_EQ(array.capacity, 5);
  expectElements(array, 5);

  EXPECT_TRUE(array.reserve(20));
  EXPECT_EQ(array.capacity, 20);
  expectElements(array, 5);
  for (int32_t i = 5; i < 21; ++i) ASSERT_TRUE(array.append(i * 10));
  EXPECT_EQ(array.capacity, 28);
  expectElements(array, 21);
}

TEST(GrowableArray, ReleaseEmptiesAndKeepsTheStep) {
  GrowableArray<int32_t> array;
  fill(array, 10);
  array.release();
  EXPECT_EQ(array.data, nullptr);
  EXPECT_EQ(array.capacity, 0);
  EXPECT_EQ(array.count, 0);
  EXPECT_EQ(array.growBy, 8);
  ASSERT_TRUE(array.append(7));
  EXPECT_EQ(array.capacity, 8);
  EXPECT_EQ(array[0], 7);
}

}  // namespace

}  // namespace geoweave::detail
