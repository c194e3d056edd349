#pragma once

#include "grid/vector.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

// Unit direction of a map position: latitude fraction v (0 south pole, 1
// north pole) and longitude fraction u.
Vector3d mapDirection(float v, float u);

// The coarse mapping: the map laid straight onto the unfolded net of ten
// diamonds (three latitude bands of five).
TilePoint netTilePoint(const PlanetGrid& planet, float v, float u);

// The exact mapping: the ray from the centre towards (v, u) cast against the
// diamonds' flat triangles, starting with the coarse mapping's diamond.
TilePoint locateTilePoint(const PlanetGrid& planet, float v, float u);

// Map fractions of a direction of any non-zero length, as the maps store
// them: v from 0 at the south pole to 1 at the north pole, u in [0, 1] the
// longitude eastward from +X (+Y at a quarter turn). A direction on the axis
// has u = 0. For a direction made by mapDirection(v, u) they are v and u
// again (u = 1 may come back as 1 or 0, which the coarse mapping treats
// alike).
void directionFractions(const Vector3d& direction, float& v, float& u);

// The two halves of directionFractions, for callers that share one half
// between directions: v from a direction's z and its length in the xy plane
// (horizontalLength), u from its x and y. Together they give exactly what
// directionFractions gives.
double horizontalLength(const Vector3d& direction);
float latitudeFraction(double z, double horizontal);
float longitudeFraction(double x, double y);

// The exact mapping for a direction of any non-zero length: the same ray
// casting as locateTilePoint, with the direction itself rather than one
// rebuilt from float fractions, starting with the coarse mapping's diamond
// for its fractions. Gives locateTilePoint(planet, v, u) for
// mapDirection(v, u).
TilePoint locateDirection(const PlanetGrid& planet, const Vector3d& direction);

// The exact mapping with the direction's fractions already at hand (as
// directionFractions gives them), for callers that need them too.
TilePoint locateDirection(const PlanetGrid& planet, const Vector3d& direction, float v, float u);

// The triangle of the grid that held the last direction located with it.
// Map and face pixels come in rows, and a pixel mostly lies in the triangle
// of the pixel before it: trying that one first spares the coarse mapping
// and the search. Each thread keeps its own; diamond -1 holds no triangle.
struct TriangleHint {
  int diamond = -1;
  int triangle = 0;  // 0: the diamond's triangle where y >= x; 1: x >= y
};

// locateDirection(planet, direction, v, u), bit for bit, trying hint's
// triangle first; hint is left holding the triangle found, or none.
TilePoint locateDirection(const PlanetGrid& planet, const Vector3d& direction, float v, float u,
                          TriangleHint& hint);

// Where the unbounded line through a and b meets the plane; false when the
// line runs parallel to it.
bool intersectLine(const Plane& plane, const Vector3d& a, const Vector3d& b, Vector3d& hit);

}  // namespace geoweave::detail
