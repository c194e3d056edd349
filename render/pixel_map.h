#pragma once

#include "app/buffer.h"
#include "grid/tile_coord.h"

struct Planet;

// Where every pixel of a width x height map falls on the grid: the exact
// point under the pixel, and the coarse point of its relief neighbour (one
// column west, one row north). Neither changes while the planet's grid
// stays, so a run computes them once for all its snapshots.
struct PixelMap {
  int width;
  int height;
  Buffer<TilePoint> exact;
  Buffer<TilePoint> relief;  // unused in the top row, which has no shading

  PixelMap(const Planet& planet, int w, int h);
};

// Latitude fraction of a pixel row; a single row lies on the equator.
float rowLatitude(int y, int height);
