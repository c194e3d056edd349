#pragma once

#include <string>
#include <vector>

#include "export/class_maps.h"
#include "geoweave/export.h"
#include "geoweave/planet.h"

namespace geoweave::detail {

// The JSON record of a planet folder (planet.json), pretty-printed: the
// program and its version; the seed and every setting (the planet's, and
// the export options'); the grid level and record count;
// the eight statistics; the sea level in height units and on the heightmap's
// scale; the river thresholds and segment count; with gltf, how planet.glb
// places the planet (model); files, the names written
// (relative to the output directory); and, for each picture, the rule that
// gives the latitude and longitude of a pixel; then the ocean, the biomes
// (with the class counts of classes, when not null) and the colour keys (see
// addClassRecord). Every float is written as the double it converts to
// exactly, so reading it back as a float gives the same bits.
std::string planetRecord(const geoweave::ExportOptions& options, const geoweave::Planet& planet,
                         const std::vector<std::string>& files,
                         const ClassCounts* classes = nullptr);

}  // namespace geoweave::detail
