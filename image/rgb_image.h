#pragma once

#include <cstddef>
#include <cstdint>

#include "image/rgb.h"

namespace geoweave::detail {

// A width x height grid of 24-bit pixels; row 0 is the bottom line of the
// written picture.
struct RgbImage {
  int width = 0;
  int height = 0;
  Rgb* pixels = nullptr;
  bool failed = false;

  // A black image. When its storage cannot be had it holds no pixels and
  // ok() is false; the owner reports that.
  RgbImage(int w, int h);
  RgbImage(const RgbImage&) = delete;
  RgbImage& operator=(const RgbImage&) = delete;
  ~RgbImage();

  bool ok() const { return !failed; }

  Rgb& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  const Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

  // Writes an uncompressed 24-bit BMP. The file appears under its name only
  // when every byte reached it; on failure nothing is left behind and whatever
  // stood at the name before is untouched.
  bool writeBmp(const char* name) const;
};

}  // namespace geoweave::detail
