#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/output_files.h"
#include "export/png_batch.h"
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

// The classes of mask.png and biomes.png, turned from the sampled water and
// biome fields band by band (from the top) and counted as they go: the maps
// written on their own and the banded maps, which sample the fields with the
// heights, make the same rows and counts.
class ClassTally {
 public:
  // Fills mask (width x rows bytes: 255 land, 0 water, where the water
  // sample is not 0) and rgb (3 bytes a pixel, the biome class's colour) for
  // rows [firstRow, firstRow + rows) of a width x height map from the
  // samples (width x rows each), and counts them. One thread at a time.
  void addRows(int width, int height, int firstRow, int rows, const float* water,
               const float* biome, uint8_t* mask, uint8_t* rgb);
  // The counts of every row added; counted once they cover width x height.
  ClassCounts counts(int width, int height) const;

 private:
  ClassCounts counted_;
  double totalWeight_ = 0;
};

// Draws legend.png (Planet::renderLegend) into *image and starts writing it
// into dir on batch; image and task must stay in place until batch.wait()
// returns, when task tells the outcome. kOk, or the planet's status (with
// *error) when the legend could not be drawn; nothing is written then.
geoweave::Status startLegend(const geoweave::Planet& planet, const std::string& dir,
                             PngBatch* batch, PngTask* task, geoweave::Image* image,
                             std::string* error);

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
