#pragma once

namespace geoweave::detail {

struct PlanetGrid;
struct PlanetParams;

// The last generation phase: temperatures, the tile order, the climate turns
// and the rivers, ending with the final progress report. False when storage
// for the tile order or the rivers could not be had; the phase then stops
// there, reporting nothing more.
bool runClimatePhase(PlanetGrid& planet, PlanetParams& params);

}  // namespace geoweave::detail
