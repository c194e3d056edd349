#pragma once

#include "base/buffer.h"
#include "climate/rivers.h"
#include "image/rgb_image.h"
#include "render/pixel_map.h"
#include "world/planet_grid.h"
#include "world/planet_statistics.h"

namespace geoweave::detail {

// What a run's snapshots draw with: where each pixel falls on the grid (the
// same for every turn), the seven map-sized panels and the six-panel sheet.
// Made once for a run; each snapshot draws every pixel afresh. A canvas may
// hold a band of the map's rows alone (see PixelMap): its panels are then
// that band of each panel, and its sheet the band of each of the sheet's
// three panel rows, stacked as the whole sheet stacks them.
struct SnapshotCanvas {
  int workers;
  PixelMap map;
  RgbImage ground;
  RgbImage sediment;
  RgbImage elevation;
  RgbImage rain;
  RgbImage temperature;
  RgbImage humidity;
  RgbImage riverMask;  // fades the river lines; never written
  RgbImage sheet;
  // Relief shade of every pixel. It depends on ground elevation alone, which
  // no climate turn changes, so it is worked out once for the shading inputs
  // it was made with and remade only when they differ.
  Buffer<float> shade;
  bool shadeMade = false;
  float shadeScale = 0;
  float shadeElevationMax = 0;
  float shadeSeaLevel = 0;
  // The tile blended for each pixel by the last drawing, when the canvas
  // was made to keep them (size 0 otherwise, or when they could not be
  // had): the samples of the same pixels read them instead of blending
  // again.
  Buffer<Tile> blended;

  // A width x height map of the planet's grid; workers share out the rows
  // of every step. Check ok() before drawing.
  SnapshotCanvas(const PlanetGrid& planet, int w, int h, int workers);
  // Rows [firstRow, firstRow + rows) of a w x mapH map (row 0 at the south
  // pole, as the images store rows), keeping the blended tiles if asked to.
  SnapshotCanvas(const PlanetGrid& planet, int w, int mapH, int firstRow, int rows, int workers,
                 bool keepBlended);
  // False when any image or table could not be had, or the sheet would be
  // larger than an image can be.
  bool ok() const;
  // Whether the shade was worked out for these statistics and scale.
  bool shadeIsFor(const PlanetStatistics& statistics, float altitudeShadeScale) const;
  // Holds rows [firstRow, firstRow + map.height) of the same map instead, to
  // be drawn afresh, in the same storage; false, with nothing changed, when
  // those rows leave the map (see PixelMap::moveTo).
  bool moveTo(const PlanetGrid& planet, int firstRow);
};

// Draws the planet as it stands into the canvas: the ground-cover map with
// relief shading, the five data panels (scaled by the run's statistics), the
// run's rivers over the ground and sediment maps, and the six-panel sheet
// made of them. The canvas must be ok() and made for this planet's grid.
void drawSnapshot(SnapshotCanvas& canvas, float altitudeShadeScale,
                  const PlanetStatistics& statistics, const RiverNetwork& rivers,
                  const PlanetGrid& planet);

}  // namespace geoweave::detail
