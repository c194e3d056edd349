#pragma once

struct Planet;
struct PlanetParams;

// Turns the fractal temperatures into climate temperatures (warm equator,
// cold poles and heights), records their range, and gives every tile its
// starting humidity.
void adjustTemperatures(Planet& planet, PlanetParams& params);
