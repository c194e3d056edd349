#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/geotiff_writer.h"
#include "export/output_files.h"
#include "export/task_batch.h"
#include "geoweave/planet.h"

namespace geoweave::detail {

// The class layers of layers/, beside the fields, in the order written.
struct ClassLayer {
  const char* name;  // the file's name in layers/
  const char* band;  // the band's title
};
const std::vector<ClassLayer>& classLayers();

// layers/land.tif and layers/biome.tif written a band of rows at a time
// from samples of Field::kWater and Field::kBiome in the geographic layout
// (cell centres), which writeLayers takes in the same pass as the fields:
// two single-band Byte cloud optimized GeoTIFFs on EPSG:4326, placed as the
// Float32 layers are: land.tif (1 land, 0 water, as the maps draw water) and
// biome.tif (the Biome number, with a colour table of the classes' colours
// and each class's name as band metadata CLASS_n), and biome.tif.aux.xml,
// which gives GDAL the classes' names as the band's categories. Unfinished,
// nothing is left behind. Not for use from several threads at once.
class ClassLayerFiles {
 public:
  // Starts the two files of a width x height map in dir's layers/ (which
  // must stand); a failure shows in finish()'s outcomes.
  void start(const std::string& dir, int width, int height);
  // Adds the next rows: width x rows samples of each field, rows from the
  // top. Their compression is started in batch, which must be waited for
  // before the next call.
  void addRows(const std::vector<float>& water, const std::vector<float>& biome, int rows,
               TaskBatch& batch);
  // Finishes both files, compressing their overviews side by side, and
  // writes the categories' file: the outcomes of the three, in that order.
  std::vector<FileOutcome> finish();

 private:
  std::string dir_;
  GeoTiffRows files_[2];
  std::vector<uint8_t> land_;
  std::vector<uint8_t> biomes_;
};

}  // namespace geoweave::detail
