#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "export/class_maps.h"
#include "export/output_files.h"
#include "geoweave/planet.h"

namespace geoweave::detail {

// Maps of more pixels than this are written a band of rows at a time. Below
// it the whole-map pictures cost little memory, and drawing them whole lets
// the sheet, ground map and heights be compressed side by side.
constexpr long long kBandedMapPixels = 2048LL * 1024;

// How many rows of a width-pixel map one band holds: about a million pixels,
// so a band's canvas stays near 100 MB whatever the map's size.
int bandRows(int width);

// What the banded writing does with each band besides writing it; empty
// members do nothing. Each is told the band's first row (from the top) and
// its row count, in order from the top, on the calling thread.
struct BandHooks {
  // May change the ground map's rows (RGB, width x rows) before they are
  // written to ground.png; the sheet's ground panel stays as drawn.
  std::function<void(int firstRow, int rows, uint8_t* groundRgb)> ground;
  // Is given height.png's values of the rows (width x rows). When set, the
  // heights are sampled even if height.png could not be started.
  std::function<void(int firstRow, int rows, const std::vector<uint16_t>& heights)> heights;
};

// mask.png and biomes.png, when the banded maps write them too: the water
// and biome fields are then sampled with the heights, at places the sheet's
// band has found, instead of in a pass of their own.
struct BandedClassMaps {
  std::vector<FileOutcome> outcomes;  // mask.png, biomes.png
  ClassCounts counts;
};

// Writes ground.png, sheet.png and height.png of a width x height map into
// dir, drawing and sampling band rows at a time, so that the memory needed
// is a few bands rather than the whole map's pictures. Each band is drawn
// once and deflated on threads of its own while the next is drawn (each
// file's band a piece of its zlib stream, see PngStream); the sheet's two
// lower panel rows wait, deflated, in unnamed scratch files in dir (gone
// however the process ends) until its top panel row is written. The files
// hold the pixels Planet::renderGround, renderSheet and the sampled ground
// heights would give. outcomes receives the three files in that order. With
// classes, mask.png and biomes.png (see writeClassMaps) are written in the
// same bands, their outcomes and counts in *classes. kOk, or the planet's
// status (with *error) when a band could not be drawn or sampled, in which
// case none of the files is left behind.
geoweave::Status writeMapsInBands(const geoweave::Planet& planet, int width, int height, int band,
                                  const std::string& dir, std::vector<FileOutcome>* outcomes,
                                  std::string* error, const BandHooks& hooks = {},
                                  BandedClassMaps* classes = nullptr);

}  // namespace geoweave::detail
