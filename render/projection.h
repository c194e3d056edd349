#pragma once

#include "grid/planet.h"
#include "grid/vector.h"

// A plane through three points: normal . p + offset = 0 on it.
struct Plane {
  Vector3d normal;
  double offset = 0;
};

// Unit direction of a map position: latitude fraction v (0 south pole, 1
// north pole) and longitude fraction u.
Vector3d mapDirection(float v, float u);

// The coarse mapping: the map laid straight onto the unfolded net of ten
// diamonds (three latitude bands of five).
TilePoint netTilePoint(const Planet& planet, float v, float u);

// The exact mapping: the ray from the centre towards (v, u) cast against the
// diamonds' flat triangles, starting with the coarse mapping's diamond.
TilePoint locateTilePoint(const Planet& planet, float v, float u);

Plane planeThrough(const Vector3d& p1, const Vector3d& p2, const Vector3d& p3);

// Where the unbounded line through a and b meets the plane; false when the
// line runs parallel to it.
bool intersectLine(const Plane& plane, const Vector3d& a, const Vector3d& b, Vector3d& hit);
