#pragma once

struct Planet;
struct PlanetParams;

// Puts the sea level where the requested share of the surface lies below it,
// sets every tile's water depth, and records the elevation range and the
// largest step between adjacent tiles.
void calibrateSeaLevel(Planet& planet, PlanetParams& params);
