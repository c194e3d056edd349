#pragma once

namespace geoweave::detail {

struct PlanetGrid;
struct PlanetParams;

// Turns the fractal temperatures into climate temperatures (warm equator,
// cold poles and heights), records their range, and gives every tile its
// starting humidity. Uses the latitudes the move fractions kept, and
// releases them.
void adjustTemperatures(PlanetGrid& planet, PlanetParams& params);

}  // namespace geoweave::detail
