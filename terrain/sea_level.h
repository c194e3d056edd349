#pragma once

namespace geoweave::detail {

struct PlanetGrid;
struct PlanetParams;

// Puts the sea level where the requested share of the surface lies below it,
// sets every tile's water depth, and records the elevation range and the
// largest step between adjacent tiles.
void calibrateSeaLevel(PlanetGrid& planet, PlanetParams& params);

}  // namespace geoweave::detail
