#include "export/overviews.h"

#include <algorithm>
#include <cstddef>

namespace geoweave::detail {

std::vector<float> halved(const float* values, int width, int height) {
  const int w = (width + 1) / 2;
  const int h = (height + 1) / 2;
  std::vector<float> out(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const int rows = std::min(2, height - 2 * y);
    for (int x = 0; x < w; ++x) {
      const int columns = std::min(2, width - 2 * x);
      double sum = 0;
      for (int dy = 0; dy < rows; ++dy) {
        const float* row = values + static_cast<size_t>(2 * y + dy) * width + 2 * x;
        for (int dx = 0; dx < columns; ++dx) sum += row[dx];
      }
      out[static_cast<size_t>(y) * w + x] = static_cast<float>(sum / (rows * columns));
    }
  }
  return out;
}

std::vector<uint8_t> halvedNearest(const uint8_t* values, int width, int height) {
  const int w = (width + 1) / 2;
  const int h = (height + 1) / 2;
  std::vector<uint8_t> out(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const uint8_t* row = values + static_cast<size_t>(2 * y) * width;
    for (int x = 0; x < w; ++x) out[static_cast<size_t>(y) * w + x] = row[2 * x];
  }
  return out;
}

}  // namespace geoweave::detail
