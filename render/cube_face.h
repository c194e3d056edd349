#pragma once

#include "climate/rivers.h"
#include "grid/vector.h"
#include "image/rgb_image.h"
#include "world/planet_grid.h"
#include "world/planet_statistics.h"

namespace geoweave::detail {

// The planet seen from its centre on the six faces of a cube, numbered 0 to 5
// in the order of OpenGL's cube-map targets (the order of the public
// geoweave::CubeFace too, so its values pass straight through). +Z is the
// north pole, +X latitude 0 longitude 0, +Y longitude 90 degrees east.
constexpr int kCubeFaceCount = 6;
enum : int {
  kFacePositiveX,
  kFaceNegativeX,
  kFacePositiveY,
  kFaceNegativeY,
  kFacePositiveZ,
  kFaceNegativeZ
};

// The direction (not of unit length) through pixel (x, y) of a size x size
// face, x counted rightwards from the left column, y downwards from the top
// row. OpenGL's cube-map table read backwards:
//   +X ( 1, -t, -s)   +Y ( s,  1,  t)   +Z ( s, -t,  1)
//   -X (-1, -t,  s)   -Y ( s, -1, -t)   -Z (-s, -t, -1)
// with s = (2x - (size - 1)) / (size - 1) and t the same of y, so both run
// from -1 at the first pixel to 1 at the last. Unlike OpenGL's texel
// centres, which sit half a pixel inside the face, the outer rows and
// columns lie on the cube's edges: two faces that meet hold the very same
// directions along their shared edge, and tiles laid side by side show no
// seam. An odd size puts a pixel on the face's axis; a face of size 1 is
// that one pixel.
Vector3d cubeFaceDirection(int face, int size, int x, int y);

// s or t of pixel column or row i (0 to size - 1): pixels i and size - 1 - i
// get exact negatives, and the middle pixel of an odd size exactly 0.
double cubeFaceCoordinate(int i, int size);

// The direction at face coordinates s and t: cubeFaceDirection(face, size,
// x, y) is this of the coordinates of x and y, bit for bit.
Vector3d cubeFaceDirectionAt(int face, double s, double t);

// Where the line along direction meets the face's plane, in that face's
// pixel coordinates (fractional; outside 0..size - 1 beyond the face's
// edges). False when direction does not point into the face's half of space.
bool projectOntoCubeFace(int face, int size, const Vector3d& direction, double& x, double& y);

// Draws one face of the ground-cover map into image (size x size, its row 0
// the bottom row of the face as for every RgbImage): each pixel the ground
// cover of the tile blended at its direction, relief-shaded and overlaid
// with the run's rivers as the rectangular map is.
//
// The relief neighbour lies one step west and one step north of the pixel in
// map terms, a step being one pixel of a map 4 x size wide (a quarter turn
// over size pixels, the face's own pixel pitch at its centre): a longitude
// step of 1 / (4 size) turns and a latitude step of 1 / (2 size) of the pole
// to pole span. Like the map's, that neighbour is placed with the coarse
// mapping, so a face pixel and a map pixel at the same place shade alike;
// pixels whose step north would pass the north pole stay unshaded, as the
// map's top row does.
//
// A river segment is drawn on every face both its ends lie in front of,
// projected onto the face's plane and clipped to the face, so a segment
// crossing an edge shows on both faces. Its colour, opacity ramp and mask
// are the map's. Segments reaching more than three half-widths beyond a
// face (only on grids too coarse to show rivers) are left out of it.
//
// Rows, each with its mirror row, are shared out between workers. located,
// when not null, receives where each pixel lies on the grid, and grounds,
// when not null, the ground height (Tile::groundHeight) of each pixel's
// blended tile (each size x size, rows from the top), so that samples of the
// same face need not find them again. False when the river mask or a
// worker's row storage could not be had; its tables may throw
// std::bad_alloc. image must be ok() and square.
bool drawCubeFace(const PlanetGrid& planet, const PlanetStatistics& statistics,
                  const RiverNetwork& rivers, float altitudeShadeScale, int face, RgbImage& image,
                  int workers, TilePoint* located = nullptr, float* grounds = nullptr);

}  // namespace geoweave::detail
