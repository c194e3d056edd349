#pragma once

namespace geoweave::detail {

struct PlanetGrid;
struct PlanetParams;

// One sweep of the air: evaporation from the seas, exchange with the global
// water reserve, rain where the surroundings rise, and moisture carried to
// the neighbours. Returns the largest rain of any tile.
float atmospherePass(PlanetGrid& planet, PlanetParams& params);

}  // namespace geoweave::detail
