#pragma once

namespace geoweave::detail {

class PlanetGrid;

// Gives every tile the eastward-leaning shares with which it passes moisture
// on to its neighbours (in the grid's neighbour order); every copy of a point
// gets the same. False when the scratch table of map positions could not be
// had (nothing was stored then). workers share out the points. The
// records' latitudes are kept in planet.latitudes() where there is room.
bool storeMoveFractions(PlanetGrid& planet, int workers);

// The weight of a neighbour whose unit direction has east component d.
double eastwardWeight(double d);

}  // namespace geoweave::detail
