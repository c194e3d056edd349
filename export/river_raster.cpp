#include "export/river_raster.h"

#include <algorithm>
#include <cmath>

namespace geoweave::detail {

namespace {

constexpr double kWidest = 4;

// Whether the segment from a to b meets the closed square of pixel (x, y):
// the segment clipped against the square's four sides (Liang and Barsky)
// keeps a piece.
bool passesThrough(const RasterPoint& a, const RasterPoint& b, int x, int y) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  double enter = 0;
  double leave = 1;
  // Keeps the part of the segment where p t <= q.
  const auto keep = [&enter, &leave](double p, double q) {
    if (p == 0) return q >= 0;
    const double r = q / p;
    if (p < 0) {
      if (r > leave) return false;
      enter = std::max(enter, r);
    } else {
      if (r < enter) return false;
      leave = std::min(leave, r);
    }
    return true;
  };
  return keep(-dx, a.x - (x - 0.5)) && keep(dx, (x + 0.5) - a.x) && keep(-dy, a.y - (y - 0.5)) &&
         keep(dy, (y + 0.5) - a.y);
}

// One segment on the raster: its ends with the second moved by a whole width
// where that brings it within half a width of the first, so the segment
// runs the short way round.
struct Piece {
  RasterPoint from;
  RasterPoint to;
};

Piece pieceOf(const geoweave::RiverSegment& segment, RiverRaster raster, int width, int height) {
  Piece piece{rasterPoint(segment.from, raster, width, height),
              rasterPoint(segment.to, raster, width, height)};
  const double dx = piece.to.x - piece.from.x;
  if (dx > width / 2.0) piece.to.x -= width;
  if (dx < -width / 2.0) piece.to.x += width;
  return piece;
}

// Calls visit(x, y, from, to) for every pixel of rows [firstRow, lastRow]
// within reach pixels of the piece or of its copy a width to the left or
// right, with the ends of the copy that pixel belongs to. The copies draw
// what runs off one edge onto the other.
template <typename Visit>
void visitNear(const Piece& piece, double reach, int width, int firstRow, int lastRow,
               Visit&& visit) {
  const int top =
      std::max(firstRow, static_cast<int>(std::floor(std::min(piece.from.y, piece.to.y) - reach)));
  const int bottom =
      std::min(lastRow, static_cast<int>(std::ceil(std::max(piece.from.y, piece.to.y) + reach)));
  if (top > bottom) return;
  for (const double shift : {0.0, -static_cast<double>(width), static_cast<double>(width)}) {
    const RasterPoint from{piece.from.x + shift, piece.from.y};
    const RasterPoint to{piece.to.x + shift, piece.to.y};
    const double left = std::min(from.x, to.x) - reach;
    const double right = std::max(from.x, to.x) + reach;
    if (right < 0 || left > width - 1) continue;
    const int first = std::max(0, static_cast<int>(std::floor(left)));
    const int last = std::min(width - 1, static_cast<int>(std::ceil(right)));
    for (int y = top; y <= bottom; ++y) {
      for (int x = first; x <= last; ++x) visit(x, y, from, to);
    }
  }
}

}  // namespace

RasterPoint rasterPoint(const geoweave::RiverEnd& end, RiverRaster raster, int width, int height) {
  const double u = end.longitude;
  const double v = end.latitude;
  RasterPoint p;
  if (raster == RiverRaster::kMap) {
    p.x = u * width;
    p.y = height > 1 ? (1 - v) * (height - 1) : 0;
  } else {
    // Column 0 starts at 180 degrees west, half a turn from the map's.
    const double turns = u + 0.5;
    p.x = (turns - std::floor(turns)) * width - 0.5;
    p.y = (1 - v) * height - 0.5;
  }
  return p;
}

float largestFlow(const geoweave::Rivers& rivers) {
  float largest = 0;
  for (const geoweave::RiverSegment& segment : rivers.segments) {
    largest = std::max({largest, segment.from.flow, segment.to.flow});
  }
  return largest;
}

double riverWidth(float flow, const geoweave::Rivers& rivers, float largest) {
  const double low = rivers.threshold;
  const double high = largest;
  const double f = flow;
  if (!(high > low) || !(f > low)) return 1;
  // Flows span orders of magnitude: on a linear scale nearly every river
  // would be drawn at the narrowest width.
  const double share =
      low > 0 ? std::log(f / low) / std::log(high / low) : (f - low) / (high - low);
  return 1 + (kWidest - 1) * std::min(1.0, share);
}

void drawRiverRows(const geoweave::Rivers& rivers, int width, int height, int firstRow, int rows,
                   uint8_t* alpha) {
  if (width < 1 || height < 1 || rows < 1) return;
  const float largest = largestFlow(rivers);
  const int lastRow = firstRow + rows - 1;
  for (const geoweave::RiverSegment& segment : rivers.segments) {
    const Piece piece = pieceOf(segment, RiverRaster::kMap, width, height);
    const double w0 = riverWidth(segment.from.flow, rivers, largest);
    const double w1 = riverWidth(segment.to.flow, rivers, largest);
    const double reach = std::max(w0, w1) / 2 + 1;
    visitNear(piece, reach, width, firstRow, lastRow,
              [&](int x, int y, const RasterPoint& from, const RasterPoint& to) {
                const double dx = to.x - from.x;
                const double dy = to.y - from.y;
                const double length2 = dx * dx + dy * dy;
                double t = length2 > 0 ? ((x - from.x) * dx + (y - from.y) * dy) / length2 : 0;
                t = std::clamp(t, 0.0, 1.0);
                const double d = std::hypot(x - (from.x + t * dx), y - (from.y + t * dy));
                const double halfWidth = (w0 + (w1 - w0) * t) / 2;
                double cover = std::clamp(halfWidth + 0.5 - d, 0.0, 1.0);
                if (cover < 1 && passesThrough(from, to, x, y)) cover = 1;
                const auto value = static_cast<uint8_t>(std::lround(cover * 255));
                uint8_t& pixel = alpha[static_cast<size_t>(y - firstRow) * width + x];
                pixel = std::max(pixel, value);
              });
  }
}

void riverFlowCells(const geoweave::Rivers& rivers, int width, int height, float* flows) {
  riverFlowCellRows(rivers, width, height, 0, height, flows);
}

void riverFlowCellRows(const geoweave::Rivers& rivers, int width, int height, int firstRow,
                       int rows, float* flows) {
  if (width < 1 || height < 1 || rows < 1) return;
  for (const geoweave::RiverSegment& segment : rivers.segments) {
    const Piece piece = pieceOf(segment, RiverRaster::kCells, width, height);
    const float flow = segment.from.flow;
    visitNear(piece, 1, width, firstRow, firstRow + rows - 1,
              [&](int x, int y, const RasterPoint& from, const RasterPoint& to) {
                float& cell = flows[static_cast<size_t>(y - firstRow) * width + x];
                if (flow > cell && passesThrough(from, to, x, y)) cell = flow;
              });
  }
}

}  // namespace geoweave::detail
