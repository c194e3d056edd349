#pragma once

#include <cstdint>
#include <cstring>

namespace geoweave::detail {

// The bits of a value, for tests that hold results to the bit: two floats
// that compare equal may still differ (0 and -0), and NaNs never compare
// equal.
inline uint32_t bitsOf(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

inline uint64_t bitsOf(double d) {
  uint64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  return bits;
}

}  // namespace geoweave::detail
