#pragma once

namespace geoweave::detail {

class PlanetGrid;
struct ClimateState;
struct GenerationSettings;
struct PlanetStatistics;

// One sweep of the air: evaporation from the seas, exchange with the global
// water reserve (climate.waterReserve, at most settings.reserveTransferLimit
// a tile), rain where the surroundings rise (measured against the sea level
// and highest ground of statistics), and moisture carried to the
// neighbours. Returns the largest rain of any tile. One thread.
float atmospherePass(PlanetGrid& planet, const GenerationSettings& settings,
                     const PlanetStatistics& statistics, ClimateState& climate);

}  // namespace geoweave::detail
