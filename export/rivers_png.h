#pragma once

#include <cstdint>
#include <string>

#include "geoweave/planet.h"

namespace geoweave::detail {

// The colour of the drawn rivers: a bright blue, apart from the seas' dark one
// (the maps' own thin rivers share the seas' blue and vanish beside them).
inline constexpr uint8_t kRiverColor[3] = {40, 140, 255};

// Writes path as a width x height 8-bit RGBA PNG in the maps' layout that
// holds the rivers alone (see drawRiverRows): kRiverColor in every pixel,
// its opacity the river's cover, 0 away from the rivers, so that the
// picture laid over ground.png shows the rivers where they run. Drawn and
// compressed band rows at a time (4 bytes a pixel of a band are held). On
// failure false, with "cannot write PATH: reason" in *error, and no file
// (see PngStream).
bool writeRiverOverlay(const geoweave::Rivers& rivers, int width, int height, int band,
                       const std::string& path, std::string* error);

// Lays the overlay's rivers over rows [firstRow, firstRow + rows) of a
// width x height RGB map (3 bytes a pixel, row firstRow first): each pixel
// becomes the overlay's colour blended over it by the overlay's opacity,
// rounded to the nearest byte. Drawing a map in bands gives the bytes of
// drawing it whole.
void paintRiverRows(const geoweave::Rivers& rivers, int width, int height, int firstRow, int rows,
                    uint8_t* rgb);

}  // namespace geoweave::detail
