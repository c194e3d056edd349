#pragma once

#include <string>
#include <vector>

#include "export/output_files.h"
#include "geoweave/planet.h"

namespace geoweave::detail {

// The class layers of layers/, beside the fields, in the order written.
struct ClassLayer {
  const char* name;  // the file's name in layers/
  const char* band;  // the band's title
};
const std::vector<ClassLayer>& classLayers();

// Samples Field::kWater and Field::kBiome over a width x height map in the
// geographic layout (cell centres) and writes into dir's layers/ (which
// must stand) two single-band Byte GeoTIFFs on EPSG:4326, placed as the
// Float32 layers are: land.tif (1 land, 0 water, as the maps draw water) and
// biome.tif (the Biome number, with a colour table of the classes' colours
// and each class's name as band metadata CLASS_n), and biome.tif.aux.xml,
// which gives GDAL the classes' names as the band's categories. Sampled and
// compressed a band of rows at a time, as writeLayers does. Outcomes of the
// three, in that order. kOk, or the planet's status (with *error) and no
// outcomes, and no files, when the fields could not be sampled.
geoweave::Status writeClassLayers(const geoweave::Planet& planet, int width, int height,
                                  const std::string& dir, std::vector<FileOutcome>* outcomes,
                                  std::string* error);

}  // namespace geoweave::detail
