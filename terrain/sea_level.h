#pragma once

namespace geoweave::detail {

class PlanetGrid;
struct GenerationSettings;
struct PlanetStatistics;

// Puts the sea level where settings.seaFraction of the surface lies below
// it, sets every tile's water depth, and records the sea level, the
// elevation range and the largest step between adjacent tiles in
// statistics. workers share out the points.
void calibrateSeaLevel(PlanetGrid& planet, const GenerationSettings& settings,
                       PlanetStatistics& statistics, int workers);

}  // namespace geoweave::detail
