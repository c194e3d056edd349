#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace geoweave {

// A picture of width x height 8-bit RGB pixels, the top row first, each
// pixel red, green, blue.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;

  // The red byte of pixel (x, y); y = 0 is the top row.
  const uint8_t* pixel(int x, int y) const {
    return rgb.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + x) * 3;
  }
};

// Writes the image as an uncompressed 24-bit BMP. The file appears under its
// name only when every byte reached it (it is written to a scratch name
// beside it and renamed); on failure nothing is left behind, whatever stood
// at the name is untouched, and *error (when not null) says what failed.
bool writeBmp(const Image& image, const std::string& path, std::string* error);

}  // namespace geoweave
