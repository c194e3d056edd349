#pragma once

#include "base/buffer.h"
#include "grid/planet.h"
#include "grid/tile_coord.h"

// Where every pixel of a width x height map falls on the grid: the exact
// point under the pixel, and the coarse point of its relief neighbour (one
// column west, one row north). Neither changes while the planet's grid
// stays, so a run computes them once for all its snapshots.
struct PixelMap {
  int width;
  int height;
  Buffer<TilePoint> exact;
  Buffer<TilePoint> relief;  // unused in the top row, which has no shading

  // Not ok() when the storage could not be had; workers share out the rows.
  PixelMap(const Planet& planet, int w, int h, int workers);
  bool ok() const { return exact.ok() && relief.ok(); }
};

// Latitude fraction of a pixel row; a single row lies on the equator.
float rowLatitude(int y, int height);
