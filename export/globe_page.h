#pragma once

#include <string>

#include "geoweave/planet.h"
#include "geoweave/status.h"

namespace geoweave::detail {

// Writes globe.html at path: one self-contained page that shows the planet on
// a globe in a web browser, from a file, offline; it loads nothing (its
// script, three.js included, and the planet's data are inside it). The page
// holds:
//   - the ground-cover map (renderGround, 1024 x 512, as a PNG) that
//     covers the globe;
//   - elevation, temperature, humidity, rain, water flow and sediment as
//     Float32 maps of 512 x 256 geographic cells (sampleMaps with
//     MapLayout::kGeographic: the cells of layers/*.tif at the default map
//     width, so the page's readout agrees with GDAL there), each with its
//     colour ramp (layerColourStops) and unit;
//   - the river segments, the settings (seed first), the grid level and the
//     statistics; the title names the seed.
// About 3.7 MB for a default planet. The file appears under path only complete
// (written to a scratch name beside it and renamed): on failure nothing is
// left behind and whatever stood at path is untouched. kOk; kUnusable before
// generation; kOutOfMemory; kWriteFailed when the file cannot be written; each
// with a one-line message in *error (when not null). Uses the planet's
// workers; the planet must not be used from another thread meanwhile.
geoweave::Status writeGlobePage(const geoweave::Planet& planet, const std::string& path,
                                std::string* error);

}  // namespace geoweave::detail
