#pragma once

struct Planet;
struct PlanetParams;

// One sweep through params.tilesByElevation (from the highest ground to the
// lowest): arrived moisture becomes humidity, rain becomes standing water,
// and water runs off to the lowest neighbour, carrying sediment from tiles
// that run dry. With more than one worker and the sweep grouped into levels
// (groupSweepLevels, for this very list), each level is shared out between
// the workers; the planet comes out the same to the last bit.
void waterPass(Planet& planet, const PlanetParams& params, float erosionScale);
