#pragma once

#include "climate/biome.h"
#include "image/rgb.h"

namespace geoweave::detail {

// The colour of each biome class in biomes.png, the colour table of
// layers/biome.tif and the legend: flat colours, one per class, no two
// alike, after the usual colours of Whittaker's diagram (cold blue-grey to
// dry sand, forests in greens). Black for a value outside the classes.
Rgb biomeColor(BiomeClass biome);

// The class's name as the legend and the files give it, e.g. "boreal
// forest"; "" for a value outside the classes.
const char* biomeName(BiomeClass biome);

}  // namespace geoweave::detail
