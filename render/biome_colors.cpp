#include "render/biome_colors.h"

namespace geoweave::detail {

namespace {
struct BiomeLook {
  Rgb color;
  const char* name;
};

// In the order of BiomeClass.
constexpr BiomeLook kLooks[kBiomeClassCount] = {
    {rgbBytes(24, 52, 120), "ocean"},
    {rgbBytes(200, 226, 240), "sea ice"},
    {rgbBytes(70, 130, 200), "lake"},
    {rgbBytes(245, 248, 252), "ice"},
    {rgbBytes(176, 206, 200), "tundra"},
    {rgbBytes(70, 110, 90), "boreal forest"},
    {rgbBytes(214, 196, 130), "temperate grassland/desert"},
    {rgbBytes(180, 130, 60), "woodland/shrubland"},
    {rgbBytes(70, 150, 60), "temperate seasonal forest"},
    {rgbBytes(30, 110, 90), "temperate rain forest"},
    {rgbBytes(160, 170, 40), "tropical seasonal forest/savanna"},
    {rgbBytes(20, 90, 30), "tropical rain forest"},
    {rgbBytes(230, 170, 90), "subtropical desert"},
};

bool known(BiomeClass biome) {
  return static_cast<int>(biome) < kBiomeClassCount;
}
}  // namespace

Rgb biomeColor(BiomeClass biome) {
  return known(biome) ? kLooks[static_cast<int>(biome)].color : kBlack;
}

const char* biomeName(BiomeClass biome) {
  return known(biome) ? kLooks[static_cast<int>(biome)].name : "";
}

}  // namespace geoweave::detail
