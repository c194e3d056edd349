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
  // Not the field's samples but the flow along the rivers (see riverLayer);
  // field then only says what the values are.
  bool alongRivers = false;
};

// The ten layers, in the order they are written and recorded: the nine
// fields, then rivers (the water flow along the rivers).
const std::vector<Layer>& layers();

// The rivers layer of a width x height raster in the geographic layout: in
// each cell a river segment's centre line passes through (the rivers'
// straight lines between their ends on this raster, taken the short way
// across the antimeridian), the water flow the river carries there (its
// upstream end's, the largest where several pass); 0 in every other cell.
std::vector<float> riverLayer(const geoweave::Rivers& rivers, int width, int height);

// Samples every layer's field once over a width x height map in the
// geographic layout (cell centres, see geoweave::MapLayout::kGeographic) and
// writes layers/NAME.tif for each into dir, whose layers/ directory must
// stand: single-band Float32 cloud optimized GeoTIFFs on EPSG:4326 covering
// -180..180 by -90..90, north up (see writeGeoTiffFloat). The files compress on threads of their
// own. One outcome per layer, in the order of layers(). kOk, or the planet's status (with *error)
// and no outcomes when the fields could not be sampled.
geoweave::Status writeLayers(const geoweave::Planet& planet, int width, int height,
                             const std::string& dir, std::vector<FileOutcome>* outcomes,
                             std::string* error);

}  // namespace geoweave::detail
