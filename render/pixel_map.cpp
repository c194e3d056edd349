#include "render/pixel_map.h"

#include "base/parallel.h"
#include "grid/planet.h"
#include "render/projection.h"

float rowLatitude(int y, int height) {
  return height > 1 ? static_cast<float>(static_cast<double>(y) / (height - 1)) : 0.5f;
}

PixelMap::PixelMap(const Planet& planet, int w, int h, int workers)
    : width(w < 0 ? 0 : w),
      height(h < 0 ? 0 : h),
      exact(static_cast<size_t>(width) * height),
      relief(static_cast<size_t>(width) * height) {
  if (!ok()) return;
  auto mapRows = [this, &planet](int64_t firstRow, int64_t endRow) {
    for (int y = static_cast<int>(firstRow); y < endRow; ++y) {
      const float v = rowLatitude(y, height);
      for (int x = 0; x < width; ++x) {
        const size_t pixel = static_cast<size_t>(y) * width + x;
        exact[pixel] =
            locateTilePoint(planet, v, static_cast<float>(static_cast<double>(x) / width));
        if (y < height - 1) {
          // Light from the upper left: the pixel one column west (wrapping at
          // column 0) and one row north, placed with the coarse mapping.
          const int westX = x == 0 ? width - 1 : x - 1;
          relief[pixel] = netTilePoint(planet, rowLatitude(y + 1, height),
                                       static_cast<float>(static_cast<double>(westX) / width));
        }
      }
    }
  };
  parallelFor(workers, height, mapRows);
}
