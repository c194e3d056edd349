#include "base/buffer.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace geoweave::detail {

namespace {

struct Wide {
  float values[5];
};

TEST(Buffer, ZeroFilledOrNotOkWhenTheByteSizeWraps) {
  const Buffer<Wide> small(3);
  ASSERT_TRUE(small.ok());
  EXPECT_EQ(small.size, 3u);
  for (size_t i = 0; i < small.size; ++i) EXPECT_EQ(small[i].values[4], 0.0f);
  // 20-byte records: this count's byte size wraps round to a small number,
  // which must not be taken for the size of the buffer.
  const Buffer<Wide> wraps(SIZE_MAX / sizeof(Wide) + 2);
  EXPECT_FALSE(wraps.ok());
  EXPECT_EQ(wraps.size, 0u);
}

}  // namespace

}  // namespace geoweave::detail
