#include "grid/index_divider.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace geoweave::detail {

// Every grid's row length and block size, against plain division, at the
// dividends most likely to go wrong: around each multiple of the divisor,
// and spread over the whole index range.
TEST(IndexDivider, MatchesDivisionForEveryGridSize) {
  for (int level = 1; level <= 13; ++level) {
    const uint32_t side = (1u << level) + 1;
    for (const uint32_t divisor : {side, side * side}) {
      const IndexDivider divider(divisor);
      for (uint32_t k = 0; k < 12; ++k) {
        for (const int64_t delta : {-1, 0, 1}) {
          const int64_t n = static_cast<int64_t>(k) * divisor + delta;
          if (n < 0) continue;
          EXPECT_EQ(divider.divide(static_cast<uint32_t>(n)), static_cast<uint32_t>(n) / divisor)
              << n << " / " << divisor;
        }
      }
      for (uint64_t n = 0; n < (uint64_t{1} << 31); n += 104729 * 1021) {
        ASSERT_EQ(divider.divide(static_cast<uint32_t>(n)), static_cast<uint32_t>(n) / divisor)
            << n << " / " << divisor;
      }
      const uint32_t largest = 0x7FFFFFFFu;
      EXPECT_EQ(divider.divide(largest), largest / divisor);
    }
  }
}

}  // namespace geoweave::detail
