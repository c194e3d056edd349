#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/output_files.h"
#include "geoweave/planet.h"

namespace geoweave::detail {

// How the pixels of mask.png and biomes.png fall into classes.
struct ClassCounts {
  bool counted = false;
  int64_t pixels = 0;
  int64_t waterPixels = 0;
  int64_t biomePixels[geoweave::kBiomeCount] = {};
  // The share of the sphere's surface each class covers, each pixel
  // weighted by the cosine of its row's latitude.
  double biomeArea[geoweave::kBiomeCount] = {};
};

// Writes into dir mask.png (8-bit grey: 255 land, 0 water, where
// Field::kWater says) and biomes.png (8-bit RGB, each pixel its
// Field::kBiome class's colour), both width x height in the maps' layout
// (see MapLayout::kFrame), sampled a band of rows at a time so that a huge
// map needs a few bands of memory; and legend.png (Planet::renderLegend).
// outcomes receives the three files in that order, counts the classes of
// the pixels. kOk, or the planet's status (with *error) when the legend
// could not be drawn (nothing is written) or the places sampled (neither
// map is left behind; the legend's outcome is the one in outcomes).
geoweave::Status writeClassMaps(const geoweave::Planet& planet, int width, int height,
                                const std::string& dir, std::vector<FileOutcome>* outcomes,
                                ClassCounts* counts, std::string* error);

}  // namespace geoweave::detail
