#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geoweave/planet.h"

namespace geoweave::detail {

// One stop of a colour ramp: the colour (sRGB bytes) a field's value takes.
struct ColourStop {
  float value = 0;
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

// The colour ramp that shows a field's map: stops in rising order of value
// (never falling; two stops at one value make a sharp edge there, the value
// itself taking the upper one's colour), blended linearly between
// neighbours and held beyond the ends. The ends span the field's values on
// this planet: from the statistics where they give them, otherwise from 0 to
// largestValue, the largest value of the field on the map being shown (sediment
// and water depth). Heights (elevation, ground, surface) go from deep to
// shallow blue up to sea level and from green through brown to white above;
// temperatures from blue through pale yellow to red; humidity 0 to 1 (or the
// largest value above that) from white to blue; rain, water flow, sediment
// and water depth from pale to strong, with more stops towards the small
// values where most of the planet lies (water flow in steps of ten). For
// sharing between the globe page's key and other keys of the same maps.
// Thread-safe.
std::vector<ColourStop> layerColourStops(geoweave::Field field,
                                         const geoweave::Statistics& statistics,
                                         float largestValue);

// A colour of the ground-cover map and what it shows.
struct CoverColour {
  std::string label;
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

// The main colours of the ground-cover map (Planet::renderGround), for its
// key: the map blends between them and shades them with the relief.
std::vector<CoverColour> groundCoverColours();

}  // namespace geoweave::detail
