#include "grid/planet.h"

namespace {
// The nine fields a blended tile carries.
constexpr float Tile::*kBlendedFields[9] = {
    &Tile::roughness, &Tile::elevation,  &Tile::temperature, &Tile::humidity, &Tile::humidityInflow,
    &Tile::rain,      &Tile::waterDepth, &Tile::waterFlow,   &Tile::sediment,
};

void addWeighted(Tile& sum, const Tile& corner, double weight) {
  for (const auto field : kBlendedFields) {
    sum.*field = static_cast<float>(static_cast<double>(sum.*field) + weight * (corner.*field));
  }
}
}  // namespace

Tile Planet::interpolateTile(const TilePoint& p) const {
  const double fx = p.fracX;
  const double fy = p.fracY;
  // Barycentric weights in the grid triangle that holds the point, split
  // along the same diagonal as the diamonds.
  double w01, w10, w11, w00;
  if (fx >= fy) {
    w01 = 0;
    w10 = fx - fy;
    w11 = fy;
    w00 = 1 - fx;
  } else {
    w01 = fy - fx;
    w10 = 0;
    w11 = fx;
    w00 = 1 - fy;
  }
  Tile blended;
  for (const auto field : kBlendedFields) blended.*field = 0;
  const int d = p.coord.diamond;
  const int x = p.coord.x;
  const int y = p.coord.y;
  // A corner of weight 0 is never read: points on the last row or column
  // stay inside the diamond.
  if (w01 != 0) addWeighted(blended, *tileAt(d, x, y + 1), w01);
  if (w10 != 0) addWeighted(blended, *tileAt(d, x + 1, y), w10);
  if (w11 != 0) addWeighted(blended, *tileAt(d, x + 1, y + 1), w11);
  if (w00 != 0) addWeighted(blended, *tileAt(d, x, y), w00);
  return blended;
}
