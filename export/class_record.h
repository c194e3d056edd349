#pragma once

#include <nlohmann/json.hpp>

#include "export/class_maps.h"
#include "geoweave/planet.h"

namespace geoweave::detail {

// What planet.json says of the water, the biomes and the colour keys.

// Adds the pixel rules of mask.png and biomes.png (frame, the maps' rule)
// and, with geotiff, of the class layers (geographic, the layers' rule,
// with each band's title) to pixels.
void addClassPixelRules(nlohmann::ordered_json& pixels, const nlohmann::ordered_json& frame,
                        const nlohmann::ordered_json& geographic, bool geotiff);

// Adds to the record:
//   "ocean"   the sea's water surface and the maps' water line, each in
//             height units and on the heightmap's scale, the least depth the
//             maps draw as water, the rule that ties them to height.png and
//             mask.png, the ocean's and lakes' grid points and, when
//             counts were counted, mask.png's water and land pixels;
//   "biomes"  the scheme and its source, the rain's scale in mm a year, and
//             each class: number, name, colour, rule, the bands of
//             temperature and rain it takes and, when counted, its pixels and
//             its shares of biomes.png's pixels and of the sphere's area;
//   "keys"    every colour key of the planet, value -> colour stops.
// Every float is written as the double it converts to exactly.
void addClassRecord(nlohmann::ordered_json& record, const geoweave::Planet& planet,
                    const ClassCounts* counts);

}  // namespace geoweave::detail
