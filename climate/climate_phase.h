#pragma once

struct Planet;
struct PlanetParams;

// The last generation phase: temperatures, the tile order, the climate turns
// and the rivers, ending with the final progress report.
void runClimatePhase(Planet& planet, PlanetParams& params);
