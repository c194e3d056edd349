#pragma once

#include <cstdint>

// One 24-bit pixel, stored blue, green, red: the order of a BMP file.
struct Rgb {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
};
static_assert(sizeof(Rgb) == 3, "three bytes, no padding");

inline bool operator==(const Rgb& a, const Rgb& b) {
  return a.blue == b.blue && a.green == b.green && a.red == b.red;
}
inline bool operator!=(const Rgb& a, const Rgb& b) {
  return !(a == b);
}
