#pragma once

#include "grid/vector.h"

namespace geoweave::detail {

// One of the two flat triangles of a diamond as rays are cast against it:
// its plane, its edges from corner 3 and the parts of solving for a point's
// place in it that do not depend on the point.
struct DiamondTriangle {
  Plane plane;
  Vector3d e1;
  Vector3d e2;
  Vector3d normal;         // e1 x e2
  Vector3d e2CrossNormal;  // e2 x normal
  double determinant = 0;  // e1 . (e2 x normal)
};

// The unit icosahedron the grid is laid on: vertex 0 the north pole, 1 to 5
// the upper ring, 6 to 10 the lower ring half a step on, 11 the south pole;
// its twenty triangles paired into ten diamonds, diamonds 0 to 4 around the
// north pole and 5 to 9 around the south.
struct Icosahedron {
  Vector3d vertices[12];
  // The vertices at each diamond's corners 0 to 3.
  int diamonds[10][4] = {};
  // Triangle 0 (corners 3, 0, 1) holds y >= x, triangle 1 (3, 1, 2) x >= y.
  DiamondTriangle triangles[10][2];

  // Works out the vertices, the diamond table and the triangles; always the
  // same bits, so any number of grids may build their own.
  void build();
};

}  // namespace geoweave::detail
