#pragma once

struct Planet;
struct PlanetParams;

// One sweep from the highest ground to the lowest: arrived moisture becomes
// humidity, rain becomes standing water, and water runs off to the lowest
// neighbour, carrying sediment from tiles that run dry.
void waterPass(Planet& planet, const PlanetParams& params, float erosionScale);
