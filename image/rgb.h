#pragma once

#include <cstdint>

namespace geoweave::detail {

// One 24-bit pixel, stored blue, green, red: the order of a BMP file.
struct Rgb {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
};
static_assert(sizeof(Rgb) == 3, "three bytes, no padding");

constexpr Rgb rgbBytes(uint8_t red, uint8_t green, uint8_t blue) {
  return Rgb{blue, green, red};
}

constexpr Rgb kWhite = rgbBytes(255, 255, 255);
constexpr Rgb kBlack = rgbBytes(0, 0, 0);

inline bool operator==(const Rgb& a, const Rgb& b) {
  return a.blue == b.blue && a.green == b.green && a.red == b.red;
}
inline bool operator!=(const Rgb& a, const Rgb& b) {
  return !(a == b);
}

}  // namespace geoweave::detail
