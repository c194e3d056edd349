#include "render/interpolate_tile.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace geoweave::detail {

namespace {
// The eight blended fields lie in a hot record and in a Tile one after the
// other, elevation first.
constexpr int kBlendedFields = 8;
static_assert(sizeof(HotTile) == sizeof(float) * kBlendedFields &&
                  offsetof(HotTile, sediment) == sizeof(float) * (kBlendedFields - 1),
              "elevation to sediment are the eight floats of a hot record");
static_assert(offsetof(Tile, sediment) - offsetof(Tile, elevation) ==
                  sizeof(float) * (kBlendedFields - 1),
              "elevation to sediment are eight floats of a tile in the same order");

// The grid points around a point between tiles, in the order they are
// added: (x, y + 1), (x + 1, y), (x + 1, y + 1), (x, y), with their
// barycentric weights in the grid triangle that holds the point (split along
// the same diagonal as the diamonds).
struct Corners {
  int32_t records[4];  // -1: weight 0, never read
  double weights[4];
};

Corners cornersOf(const PlanetGrid& planet, const TilePoint& p) {
  const double fx = p.fracX;
  const double fy = p.fracY;
  Corners c;
  if (fx >= fy) {
    c.weights[0] = 0;
    c.weights[1] = fx - fy;
    c.weights[2] = fy;
    c.weights[3] = 1 - fx;
  } else {
    c.weights[0] = fy - fx;
    c.weights[1] = 0;
    c.weights[2] = fx;
    c.weights[3] = 1 - fy;
  }
  const int d = p.coord.diamond;
  const int x = p.coord.x;
  const int y = p.coord.y;
  // A corner of weight 0 is never read: points on the last row or column
  // stay inside the diamond.
  const int at[4][2] = {{x, y + 1}, {x + 1, y}, {x + 1, y + 1}, {x, y}};
  for (int k = 0; k < 4; ++k) {
    c.records[k] = c.weights[k] != 0 ? planet.tileIndex(TileCoord{d, at[k][0], at[k][1]}) : -1;
  }
  return c;
}
}  // namespace

Tile interpolateTile(const PlanetGrid& planet, const TilePoint& p) {
  const Corners corners = cornersOf(planet, p);
  // Each field is a float of the blended tile: every corner's share is added
  // to it and rounded to float in turn.
  float sum[kBlendedFields] = {};
  for (int k = 0; k < 4; ++k) {
    if (corners.records[k] < 0) continue;
    float fields[kBlendedFields];
    std::memcpy(fields, planet.hot() + corners.records[k], sizeof(HotTile));
    for (int f = 0; f < kBlendedFields; ++f) {
      sum[f] = static_cast<float>(static_cast<double>(sum[f]) + corners.weights[k] * fields[f]);
    }
  }
  Tile blended;
  std::memcpy(reinterpret_cast<char*>(&blended) + offsetof(Tile, elevation), sum, sizeof sum);
  return blended;
}

float interpolateElevation(const PlanetGrid& planet, const TilePoint& p) {
  const Corners corners = cornersOf(planet, p);
  float sum = 0;
  for (int k = 0; k < 4; ++k) {
    if (corners.records[k] < 0) continue;
    sum = static_cast<float>(static_cast<double>(sum) +
                             corners.weights[k] * planet.hot()[corners.records[k]].elevation);
  }
  return sum;
}

}  // namespace geoweave::detail
