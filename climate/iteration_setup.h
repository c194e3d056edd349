#pragma once

namespace geoweave::detail {

class PlanetGrid;
struct ClimateState;
struct PlanetStatistics;

// Lists every distinct tile, highest ground first (equal heights by ascending
// tile index), appended to climate.tilesByElevation; the sweep levels of the
// old list are released. workers share out the sort. False when the list or
// its scratch space could not be had.
bool sortTilesByElevation(const PlanetGrid& planet, ClimateState& climate, int workers);

// Converts moved water into moved sediment: 2 / (elevationMax - seaLevel),
// or 0 when there is no height above the sea.
float erosionScaleFor(const PlanetStatistics& statistics);

}  // namespace geoweave::detail
