#pragma once

#include "grid/tile_coord.h"
#include "grid/vector.h"
#include "render/projection.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

// The directions of a map's rows and columns. A pixel's direction is the
// product of its latitude's cosine and sine with its longitude's, and each
// of those depends on the row alone or on the column alone: worked out once
// per row and once per column (a table of a map's columns), they spare the
// per-pixel sines and cosines of mapDirection while giving its directions
// bit for bit, being the same double expressions in the same order.

// A row at latitude fraction v (0 south pole, 1 north pole), with the
// cosine and sine of its latitude.
struct MapRow {
  float v = 0;
  double cosLatitude = 1;
  double sinLatitude = 0;
};

// A column at longitude fraction u (a share of a turn eastward from +X),
// with the cosine and sine of its longitude.
struct MapColumn {
  float u = 0;
  double cosLongitude = 1;
  double sinLongitude = 0;
};

// Any finite v; pure, safe from any thread.
MapRow mapRow(float v);

// Any finite u; pure, safe from any thread.
MapColumn mapColumn(float u);

// mapDirection(row.v, column.u), bit for bit, for a row and a column made
// by mapRow and mapColumn.
Vector3d mapDirection(const MapRow& row, const MapColumn& column);

// locateTilePoint(planet, row.v, column.u), bit for bit, for a row and a
// column made by mapRow and mapColumn. Reads the planet only; safe from any
// thread.
TilePoint locateTilePoint(const PlanetGrid& planet, const MapRow& row, const MapColumn& column);

// The same, trying hint's triangle first (see TriangleHint); the hint
// belongs to the calling thread.
TilePoint locateTilePoint(const PlanetGrid& planet, const MapRow& row, const MapColumn& column,
                          TriangleHint& hint);

}  // namespace geoweave::detail
