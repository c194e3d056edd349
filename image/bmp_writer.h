#pragma once

#include <cstdint>

#include "image/rgb_image.h"

namespace geoweave::detail {

// The BMP writer behind RgbImage::writeBmp. failAfterBytes >= 0 plays a
// device that takes that many bytes and then fails (the tests' failing
// sink); -1 writes normally.
bool writeBmpFile(const RgbImage& image, const char* name, int64_t failAfterBytes);

}  // namespace geoweave::detail
