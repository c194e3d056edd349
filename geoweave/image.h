#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geoweave/status.h"

namespace geoweave {

// A picture of width x height 8-bit RGB pixels, the top row first, each
// pixel red, green, blue (sRGB): rgb holds width x height x 3 bytes.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;

  // The red byte of pixel (x, y), 0 <= x < width, 0 <= y < height; y = 0 is
  // the top row. Not checked.
  const uint8_t* pixel(int x, int y) const {
    return rgb.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + x) * 3;
  }
};

// Writes the image as an uncompressed 24-bit BMP (rows stored bottom up, as
// the format has them). The file appears under its name only when every
// byte reached it: it is written to a scratch file beside it and renamed. On
// failure nothing is left behind, whatever stood at the name is untouched,
// and *error (when not null) says what failed:
//   kUnusable     the image's size is negative or rgb does not hold
//                 width x height x 3 bytes;
//   kOutOfMemory  the file's rows could not be had;
//   kWriteFailed  the file could not be made, written or renamed (the
//                 reason from the system), or 32 files are already being
//                 written at once by this process (the most whose scratch
//                 names a signal handler can remove).
// Thread-safe for different paths.
Status writeBmp(const Image& image, const std::string& path, std::string* error);

}  // namespace geoweave
