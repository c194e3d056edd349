#pragma once

struct Planet;

// Gives every tile its neighbour list and the eastward-leaning shares with
// which it passes moisture on to them; every copy of a point gets the same.
void storeNeighborsAndMoveFractions(Planet& planet);

// The weight of a neighbour whose unit direction has east component d.
double eastwardWeight(double d);
