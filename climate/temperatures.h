#pragma once

namespace geoweave::detail {

class PlanetGrid;
struct PlanetStatistics;

// Turns the fractal temperatures into climate temperatures (warm equator,
// cold poles and heights), records their range in statistics, and gives
// every tile its starting humidity. Reads the sea level and the highest
// ground from statistics. Uses the latitudes the move fractions kept, and
// releases them. workers share out the diamonds.
void adjustTemperatures(PlanetGrid& planet, PlanetStatistics& statistics, int workers);

}  // namespace geoweave::detail
