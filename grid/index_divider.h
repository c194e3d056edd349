#pragma once

#include <cstdint>

namespace geoweave::detail {

// Division of non-negative 32-bit values by one fixed divisor, as a multiply
// and a shift: exact for every dividend below 2^31 (the tile indices), and
// far cheaper than a division instruction on a hot path.
struct IndexDivider {
  uint64_t multiplier = 0;
  int shift = 0;

  explicit IndexDivider(uint32_t divisor) {
    int bits = 0;
    while ((uint64_t{1} << bits) < divisor) ++bits;
    shift = 32 + bits;
    // ceil(2^shift / divisor): the error stays below one for 32-bit dividends.
    const unsigned __int128 one = 1;
    multiplier = static_cast<uint64_t>(((one << shift) + divisor - 1) / divisor);
  }

  uint32_t divide(uint32_t n) const {
    return static_cast<uint32_t>((static_cast<unsigned __int128>(n) * multiplier) >> shift);
  }
};

}  // namespace geoweave::detail
