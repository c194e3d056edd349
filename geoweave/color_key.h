#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace geoweave {

// An 8-bit sRGB colour.
struct Color {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

// A value and the colour a picture gives it.
struct ColorStop {
  double value = 0;
  Color color;
};

// The colours one kind of place takes along the key's values, e.g. "land"
// or "sea" of the elevation panel. Between two neighbouring stops the
// picture's colour changes linearly, or nearly so (each channel is cut to a
// whole byte); a class's row has one stop, its class number.
struct ColorKeyRow {
  std::string label;
  std::vector<ColorStop> stops;  // by rising value
};

// The key to the colours of one picture or panel of a planet:
//   "ground"       ground.png (and the sheet's bottom left panel) before
//                  relief shading, by temperature in degC, for sea, dry
//                  land, land with rain a third of the most or more, and
//                  land on a major river
//   "temperature"  the sheet's top left panel, degC
//   "humidity"     the top right panel, model moisture units
//   "elevation"    the middle left panel, bedrock in planet height units,
//                  for land and sea
//   "rain"         the middle right panel, model moisture units per turn,
//                  for land and sea
//   "sediment"     the bottom right panel, planet height units, for land and
//                  sea and for lakes (marked red)
//   "biomes"       biomes.png and layers/biome.tif: one row per Biome
struct ColorKey {
  std::string name;
  std::string title;  // what the colours show and where (UTF-8)
  std::string unit;   // of the values, as the GeoTIFF layers name it
  std::vector<ColorKeyRow> rows;
};

}  // namespace geoweave
