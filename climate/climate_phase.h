#pragma once

namespace geoweave::detail {

class PlanetGrid;
struct ClimateState;
struct GenerationSettings;
struct PlanetStatistics;
struct RiverNetwork;
struct RunHooks;

// The last generation phase: temperatures, the tile order, the climate turns
// and the rivers, ending with the final progress report. Reads the terrain's
// statistics and adds the climate's; reports progress and calls the turn
// callback through hooks, on this thread. False when storage for the tile
// order or the rivers could not be had; the phase then stops there,
// reporting nothing more.
bool runClimatePhase(PlanetGrid& planet, const GenerationSettings& settings, const RunHooks& hooks,
                     PlanetStatistics& statistics, ClimateState& climate, RiverNetwork& rivers);

}  // namespace geoweave::detail
