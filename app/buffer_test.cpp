#include "app/buffer.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct Wide {
  float values[5];
};

TEST(BufferDeathTest, CountTooLargeToAddressEndsAsOutOfMemory) {
  // 20-byte records: this count's byte size wraps round to a small number,
  // which must not be taken for the size of the buffer.
  const size_t wraps = SIZE_MAX / sizeof(Wide) + 2;
  EXPECT_EXIT(Buffer<Wide>{wraps}, testing::ExitedWithCode(2), "^error: out of memory\n$");
}

}  // namespace
