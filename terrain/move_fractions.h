#pragma once

struct Planet;

// Gives every tile its neighbour list and the eastward-leaning shares with
// which it passes moisture on to them; every copy of a point gets the same.
// False when the scratch table of map positions could not be had (nothing
// was stored then). workers share out the points.
bool storeNeighborsAndMoveFractions(Planet& planet, int workers);

// The weight of a neighbour whose unit direction has east component d.
double eastwardWeight(double d);
