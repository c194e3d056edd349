#pragma once

#include <string>
#include <vector>

#include "export/output_files.h"
#include "geoweave/planet.h"

namespace geoweave::detail {

// One GeoTIFF layer of the planet folder: a field of the planet in layers/NAME.tif.
struct Layer {
  const char* name;  // the file's name without .tif, e.g. "water-depth"
  geoweave::Field field;
  const char* band;  // what the values are, as the band's title
  const char* unit;  // as the band's unit
  // Not the field's samples but the flow along the rivers (see
  // riverFlowCells); field then only says what the values are.
  bool alongRivers = false;
};

// The ten layers, in the order they are written and recorded: the nine
// fields, then rivers (the water flow along the rivers).
const std::vector<Layer>& layers();

// Samples every layer's field over a width x height map in the geographic
// layout (cell centres, see geoweave::MapLayout::kGeographic) and writes
// layers/NAME.tif for each into dir, whose layers/ directory must stand:
// single-band Float32 cloud optimized GeoTIFFs on EPSG:4326 covering
// -180..180 by -90..90, north up (see writeGeoTiffFloat); the rivers layer
// holds the flow along the rivers (see riverFlowCells). The map is sampled
// and compressed a band of rows at a time (see GeoTiffRows and
// geoTiffBandRows), the files side by side on threads of their own and the
// next band sampled alongside, so memory holds two bands of the fields and
// each file's overviews rather than whole layers. The same pass samples the
// class layers' fields and writes them (see ClassLayerFiles). One outcome
// per layer, in the order of layers(), then the class layers' three. kOk, or the planet's status
// (with *error) and no outcomes, and no files, when the fields could not be sampled.
geoweave::Status writeLayers(const geoweave::Planet& planet, int width, int height,
                             const std::string& dir, std::vector<FileOutcome>* outcomes,
                             std::string* error);

}  // namespace geoweave::detail
