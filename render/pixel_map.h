#pragma once

#include "base/buffer.h"
#include "grid/tile_coord.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

// Where every pixel of a width x height map falls on the grid: the exact
// point under the pixel, and the coarse point of its relief neighbour (one
// column west, one row north). Neither changes while the planet's grid
// stays, so a run computes them once for all its snapshots.
//
// A map may also be held a band of rows at a time: rows [firstRow,
// firstRow + height) of a map mapHeight rows high, row 0 of the tables being
// map row firstRow. Each pixel's points depend on its own place alone, so the
// bands hold exactly the points of the whole map.
struct PixelMap {
  int width;
  int height;  // the rows held
  int mapHeight;
  int firstRow;
  Buffer<TilePoint> exact;
  Buffer<TilePoint> relief;  // unused in the map's top row, which has no shading

  // Not ok() when the storage could not be had; workers share out the rows.
  PixelMap(const PlanetGrid& planet, int w, int h, int workers);
  // Rows [firstRow, firstRow + rows) of a w x mapH map, both clamped to it.
  PixelMap(const PlanetGrid& planet, int w, int mapH, int first, int rows, int workers);
  bool ok() const { return exact.ok() && relief.ok(); }
  // Holds rows [first, first + height) of the same map instead, in the same
  // storage (a map drawn band after band touches its memory once); false,
  // with nothing changed, when not ok() or those rows leave the map.
  bool moveTo(const PlanetGrid& planet, int first, int workers);

 private:
  void locate(const PlanetGrid& planet, int workers);
};

// Latitude fraction of a pixel row; a single row lies on the equator.
float rowLatitude(int y, int height);

// Longitude fraction of pixel column x of a map width (>= 1) columns wide:
// x / width, column 0 on the seam.
float columnLongitude(int x, int width);

}  // namespace geoweave::detail
