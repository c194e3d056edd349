#include "render/pixel_map.h"

#include "base/parallel.h"
#include "render/map_directions.h"
#include "render/projection.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

float rowLatitude(int y, int height) {
  return height > 1 ? static_cast<float>(static_cast<double>(y) / (height - 1)) : 0.5f;
}

float columnLongitude(int x, int width) {
  return static_cast<float>(static_cast<double>(x) / width);
}

namespace {
int clampTo(int value, int low, int high) {
  return value < low ? low : value > high ? high : value;
}
}  // namespace

PixelMap::PixelMap(const PlanetGrid& planet, int w, int h, int workers)
    : PixelMap(planet, w, h, 0, h, workers) {}

PixelMap::PixelMap(const PlanetGrid& planet, int w, int mapH, int first, int rows, int workers)
    : width(w < 0 ? 0 : w),
      height(clampTo(rows, 0, (mapH < 0 ? 0 : mapH) - clampTo(first, 0, mapH < 0 ? 0 : mapH))),
      mapHeight(mapH < 0 ? 0 : mapH),
      firstRow(clampTo(first, 0, mapHeight)),
      exact(static_cast<size_t>(width) * height),
      relief(static_cast<size_t>(width) * height) {
  if (ok()) locate(planet, workers);
}

bool PixelMap::moveTo(const PlanetGrid& planet, int first, int workers) {
  if (!ok() || first < 0 || first > mapHeight - height) return false;
  firstRow = first;
  locate(planet, workers);
  return true;
}

void PixelMap::locate(const PlanetGrid& planet, int workers) {
  // Every row needs the same columns. A table that cannot be had costs only
  // time: each pixel then works its column out itself, to the same bits.
  Buffer<MapColumn> columns(static_cast<size_t>(width), BufferFill::kUnfilled);
  if (columns.ok()) {
    for (int x = 0; x < width; ++x) columns[x] = mapColumn(columnLongitude(x, width));
  }
  auto mapRows = [this, &planet, &columns](int64_t beginRow, int64_t endRow) {
    TriangleHint hint;
    for (int row = static_cast<int>(beginRow); row < endRow; ++row) {
      const int y = firstRow + row;
      const MapRow latitude = mapRow(rowLatitude(y, mapHeight));
      for (int x = 0; x < width; ++x) {
        const size_t pixel = static_cast<size_t>(row) * width + x;
        const MapColumn column = columns.ok() ? columns[x] : mapColumn(columnLongitude(x, width));
        exact[pixel] = locateTilePoint(planet, latitude, column, hint);
        if (y < mapHeight - 1) {
          // Light from the upper left: the pixel one column west (wrapping at
          // column 0) and one row north, placed with the coarse mapping.
          const int westX = x == 0 ? width - 1 : x - 1;
          relief[pixel] =
              netTilePoint(planet, rowLatitude(y + 1, mapHeight), columnLongitude(westX, width));
        }
      }
    }
  };
  parallelForChunks(workers, height, rowsPerChunk(width), mapRows);
}

}  // namespace geoweave::detail
