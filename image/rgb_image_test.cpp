#include "image/rgb_image.h"

#include <gtest/gtest.h>

#include <climits>

#include "testing/sanitizers.h"

namespace geoweave::detail {

TEST(RgbImage, NewImageIsBlack) {
  const RgbImage image(7, 5);
  ASSERT_NE(image.pixels, nullptr);
  EXPECT_EQ(image.width, 7);
  EXPECT_EQ(image.height, 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) EXPECT_EQ(image.at(x, y), Rgb{}) << x << "," << y;
  }
}

TEST(RgbImage, EmptyOrNegativeSizesHoldNoPixels) {
  const RgbImage noRows(1, 0);
  EXPECT_EQ(noRows.width, 1);
  EXPECT_EQ(noRows.height, 0);
  EXPECT_EQ(noRows.pixels, nullptr);

  const RgbImage negative(-3, -2);
  EXPECT_EQ(negative.width, 0);
  EXPECT_EQ(negative.height, 0);
  EXPECT_EQ(negative.pixels, nullptr);

  const RgbImage negativeHeight(4, -1);
  EXPECT_EQ(negativeHeight.width, 4);
  EXPECT_EQ(negativeHeight.height, 0);
}

TEST(RgbImage, StorageThatCannotBeHadIsReported) {
#if defined(GEOWEAVE_ASAN)
  GTEST_SKIP() << "the address sanitizer aborts on oversized requests itself";
#else
  // More bytes than any address space holds, so no overcommit setting lets it pass.
  const RgbImage huge(INT_MAX, INT_MAX);
  EXPECT_FALSE(huge.ok());
  EXPECT_EQ(huge.pixels, nullptr);
  EXPECT_TRUE(RgbImage(1, 0).ok());
#endif
}

}  // namespace geoweave::detail
