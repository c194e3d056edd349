#pragma once

struct Planet;
struct PlanetParams;

// Draws the planet as it stands into the ground-cover map (width x height)
// and the six-panel sheet and writes them; a null name skips that file. A
// file that cannot be written is reported on standard error; the result is
// then false (the other file is still written).
bool renderSnapshot(const char* groundName, const char* allName, int width, int height,
                    float altitudeShadeScale, const PlanetParams* params, const Planet* planet);
