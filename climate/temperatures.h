#pragma once

struct Planet;
struct PlanetParams;

// Turns the fractal temperatures into climate temperatures (warm equator,
// cold poles and heights), records their range, and gives every tile its
// starting humidity. Uses the latitudes the move fractions kept, and
// releases them.
void adjustTemperatures(Planet& planet, PlanetParams& params);
