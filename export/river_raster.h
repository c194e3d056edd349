#pragma once

#include <cstdint>

#include "geoweave/planet.h"

namespace geoweave::detail {

// The river segments of Planet::rivers() laid onto a raster of width x
// height pixels. Positions are in pixel units with pixel (x, y) centred on
// (x, y), so pixel (x, y) covers [x - 0.5, x + 0.5] x [y - 0.5, y + 0.5].
//
// A segment is the straight line between its two ends on the raster. Where
// its ends lie more than half the width apart it is taken the short way,
// across the raster's left and right edges, and drawn in two pieces, as the
// maps split their rivers at the seam.

// Which picture the raster is.
enum class RiverRaster {
  // The maps' layout (geoweave::MapLayout::kFrame): column x at longitude
  // 360 x / width, row y at latitude 90 - 180 y / (height - 1), a single row
  // on the equator.
  kMap,
  // The GeoTIFF layers' cells (geoweave::MapLayout::kGeographic): cell
  // (x, y) centred on longitude -180 + 360 (x + 0.5) / width and latitude
  // 90 - 180 (y + 0.5) / height.
  kCells,
};

// Where a river end lies on the raster, in pixel units (see above).
struct RasterPoint {
  double x = 0;
  double y = 0;
};
RasterPoint rasterPoint(const geoweave::RiverEnd& end, RiverRaster raster, int width, int height);

// How wide, in pixels, a river of this flow is drawn: 1 at or below
// rivers.threshold, growing with the logarithm of the flow to 4 at the
// largest flow of any segment end (see largestFlow), never falling as the
// flow grows. Where no flow lies above the threshold every river is 1 wide.
double riverWidth(float flow, const geoweave::Rivers& rivers, float largest);

// The largest flow of any segment end; 0 without segments.
float largestFlow(const geoweave::Rivers& rivers);

// The overlay's opacity of rows [firstRow, firstRow + rows) of a width x
// height map (kMap), one byte a pixel, 255 opaque, into alpha (width x rows
// bytes, row firstRow first), which is raised to each segment's cover where
// that is higher (so the drawing order does not matter and a band gets the
// bytes of the whole map's drawing). A segment is a stroke as wide as
// riverWidth() says, the width running linearly from one end's to the
// other's, with soft edges: a pixel whose centre lies d from the centre line
// of a stroke w wide is covered by min(1, max(0, w / 2 + 0.5 - d)), and
// fully by any pixel the centre line passes through (so every point of
// every segment lies in an opaque pixel).
void drawRiverRows(const geoweave::Rivers& rivers, int width, int height, int firstRow, int rows,
                   uint8_t* alpha);

// The water flow along the rivers on the kCells raster: in every cell that
// a segment's centre line passes through (touching its edge or corner
// included), the flow the river carries there, its upstream end's flow (the
// largest of the segments passing through). flows holds width x height
// values, rows from the top; a cell no segment passes through keeps its
// value, so one filled with 0 holds 0 away from the rivers.
void riverFlowCells(const geoweave::Rivers& rivers, int width, int height, float* flows);

// The same for rows [firstRow, firstRow + rows) of the raster alone, into
// flows (width x rows values, row firstRow first): the values the whole
// raster's would hold there, so a band at a time gives the same raster.
void riverFlowCellRows(const geoweave::Rivers& rivers, int width, int height, int firstRow,
                       int rows, float* flows);

}  // namespace geoweave::detail
