#include "render/cube_face.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/numeric.h"
#include "base/parallel.h"
#include "image/line_drawing.h"
#include "render/colors.h"
#include "render/cube_face_fractions.h"
#include "render/interpolate_tile.h"
#include "render/projection.h"
#include "render/river_overlay.h"

namespace geoweave::detail {

namespace {

// The face's axis and the directions in which s and t grow, from the
// table in the header.
struct FaceFrame {
  Vector3d axis;
  Vector3d sAxis;
  Vector3d tAxis;
};

FaceFrame frameOf(int face) {
  switch (face) {
    case kFacePositiveX:
      return {{1, 0, 0}, {0, 0, -1}, {0, -1, 0}};
    case kFaceNegativeX:
      return {{-1, 0, 0}, {0, 0, 1}, {0, -1, 0}};
    case kFacePositiveY:
      return {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}};
    case kFaceNegativeY:
      return {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}};
    case kFacePositiveZ:
      return {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}};
    case kFaceNegativeZ:
      return {{0, 0, -1}, {-1, 0, 0}, {0, -1, 0}};
  }
  return {};
}

// Relief shade of the pixel at map fractions (v, u) (whose blended elevation
// is elevation), from the neighbour the header describes.
float shadeAt(const PlanetGrid& planet, const PlanetStatistics& statistics,
              float altitudeShadeScale, float v, float u, float elevation, int size) {
  const double north = static_cast<double>(v) + 1.0 / (2.0 * size);
  if (north > 1) return 0;
  double west = static_cast<double>(u) - 1.0 / (4.0 * size);
  if (west < 0) west += 1;
  Tile here;
  Tile northWest;
  here.elevation = elevation;
  northWest.elevation = interpolateElevation(
      planet, netTilePoint(planet, static_cast<float>(north), static_cast<float>(west)));
  return reliefShade(here, northWest, statistics, altitudeShadeScale);
}

// Draws the run's rivers on a size x size face, into a window of its image
// (see drawBlendedLineInWindow) whose pixel (0, 0) is the face image's pixel
// (firstColumn, firstRow); the whole image is the window at (0, 0).
void drawFaceRivers(const RiverNetwork& rivers, int face, int size, RgbImage& window,
                    int firstColumn, int firstRow, const RgbImage& mask) {
  const GrowableArray<RiverPoint>& points = rivers.points;
  const Rgb river = rgbFromFractions(0.2f, 0.2f, 0.8f);
  // Three half-widths beyond the face on every side, in pixels; this also
  // keeps the pixel coordinates far inside int.
  const double reach = 1.5 * (size - 1);
  const auto nearFace = [&](double x, double y) {
    return x >= -reach && y >= -reach && x <= size - 1 + reach && y <= size - 1 + reach;
  };
  for (int32_t i = 0; i + 1 < points.count; i += 2) {
    const RiverPoint& p0 = points[i];
    const RiverPoint& p1 = points[i + 1];
    double x0, y0, x1, y1;
    if (!projectOntoCubeFace(face, size, mapDirection(p0.latitude, p0.longitude), x0, y0) ||
        !projectOntoCubeFace(face, size, mapDirection(p1.latitude, p1.longitude), x1, y1) ||
        !nearFace(x0, y0) || !nearFace(x1, y1)) {
      continue;
    }
    // The face's rows count down from the top; the image's up from the bottom.
    drawBlendedLineInWindow(window, firstColumn, firstRow, static_cast<int>(roundHalfAway(x0)),
                            size - 1 - static_cast<int>(roundHalfAway(y0)),
                            static_cast<int>(roundHalfAway(x1)),
                            size - 1 - static_cast<int>(roundHalfAway(y1)), river, river,
                            riverOpacity(p0.flow, rivers), riverOpacity(p1.flow, rivers), &mask);
  }
}

// Pixel i of the walk around a face's border (4 (size - 1) pixels, size >=
// 2): the top row, the right column, the bottom row, then the left column,
// in face coordinates (y from the top).
void borderPixel(int i, int size, int& x, int& y) {
  const int side = i / (size - 1);
  const int k = i % (size - 1);
  x = side == 0 ? k : side == 1 ? size - 1 : side == 2 ? size - 1 - k : 0;
  y = side == 0 ? 0 : side == 1 ? k : side == 2 ? size - 1 : size - 1 - k;
}

// One pixel on the border of the face being drawn that another face shows
// too: where it lies in this face's image and in the other face's.
struct SharedPixel {
  int border;  // its place in the border walk
  int x;
  int row;  // image row, counted from the bottom
  int otherX;
  int otherRow;
};

// Every face draws its own rivers, and two faces rasterise a river that
// crosses their shared edge from different ends, so their border pixels
// could differ. Each border pixel is therefore given the colour the first
// face showing it (in face order) draws there: that face's rivers are drawn
// again into a one-pixel strip along the shared edge, over this face's own
// unrivered colours of those pixels (the same directions give the same
// ground), and copied back. border holds this face's border pixels before
// its rivers, in the order of borderPixel; mask is the face's river mask.
bool adoptSharedEdges(const RiverNetwork& rivers, int face, const std::vector<Rgb>& border,
                      const RgbImage& mask, RgbImage& image) {
  const int size = image.width;
  if (size < 2) return true;  // a single pixel lies on no other face
  // Later faces first, so that where three faces meet the first one's
  // colour is written last.
  for (int other = face - 1; other >= 0; --other) {
    std::vector<SharedPixel> shared;
    int minX = size, maxX = -1, minRow = size, maxRow = -1;
    for (int i = 0; i < 4 * (size - 1); ++i) {
      int x, y;
      borderPixel(i, size, x, y);
      double ox, oy;
      if (!projectOntoCubeFace(other, size, cubeFaceDirection(face, size, x, y), ox, oy)) continue;
      const double rx = std::round(ox);
      const double ry = std::round(oy);
      // Border directions of a face project onto a neighbour's border at
      // whole pixels (to rounding); any other face sees them elsewhere.
      if (std::fabs(ox - rx) > 1e-6 || std::fabs(oy - ry) > 1e-6 || rx < 0 || ry < 0 ||
          rx > size - 1 || ry > size - 1) {
        continue;
      }
      const SharedPixel p{i, x, size - 1 - y, static_cast<int>(rx),
                          size - 1 - static_cast<int>(ry)};
      shared.push_back(p);
      minX = std::min(minX, p.otherX);
      maxX = std::max(maxX, p.otherX);
      minRow = std::min(minRow, p.otherRow);
      maxRow = std::max(maxRow, p.otherRow);
    }
    if (shared.empty()) continue;
    RgbImage strip(maxX - minX + 1, maxRow - minRow + 1);
    RgbImage stripMask(strip.width, strip.height);
    if (!strip.ok() || !stripMask.ok()) return false;
    for (const SharedPixel& p : shared) {
      strip.at(p.otherX - minX, p.otherRow - minRow) = border[p.border];
      stripMask.at(p.otherX - minX, p.otherRow - minRow) = mask.at(p.x, p.row);
    }
    drawFaceRivers(rivers, other, size, strip, minX, minRow, stripMask);
    for (const SharedPixel& p : shared) {
      image.at(p.x, p.row) = strip.at(p.otherX - minX, p.otherRow - minRow);
    }
  }
  return true;
}

}  // namespace

double cubeFaceCoordinate(int i, int size) {
  // The numerator is an exact integer whose sign flips between i and
  // size - 1 - i, and rounding a quotient is symmetric about 0.
  if (size <= 1) return 0;
  return static_cast<double>(2 * i - (size - 1)) / (size - 1);
}

Vector3d cubeFaceDirection(int face, int size, int x, int y) {
  return cubeFaceDirectionAt(face, cubeFaceCoordinate(x, size), cubeFaceCoordinate(y, size));
}

Vector3d cubeFaceDirectionAt(int face, double s, double t) {
  // Written out per face rather than summed from the frame, so that the
  // shared edges of two faces give bit-identical directions.
  switch (face) {
    case kFacePositiveX:
      return {1, -t, -s};
    case kFaceNegativeX:
      return {-1, -t, s};
    case kFacePositiveY:
      return {s, 1, t};
    case kFaceNegativeY:
      return {s, -1, -t};
    case kFacePositiveZ:
      return {s, -t, 1};
    case kFaceNegativeZ:
      return {-s, -t, -1};
  }
  return {};
}

bool projectOntoCubeFace(int face, int size, const Vector3d& direction, double& x, double& y) {
  const FaceFrame frame = frameOf(face);
  const double along = dot(direction, frame.axis);
  if (!(along > 0)) return false;
  const double half = size > 1 ? (size - 1) / 2.0 : 0.0;
  x = (dot(direction, frame.sAxis) / along + 1) * half;
  y = (dot(direction, frame.tAxis) / along + 1) * half;
  return true;
}

bool drawCubeFace(const PlanetGrid& planet, const PlanetStatistics& statistics,
                  const RiverNetwork& rivers, float altitudeShadeScale, int face, RgbImage& image,
                  int workers, TilePoint* located, float* grounds) {
  const int size = image.width;
  RgbImage mask(size, size);
  if (!mask.ok()) return false;
  const CubeFaceFractions fractions(face, size);
  auto drawPixel = [&](int x, int y, const Vector3d& direction, float v, float u,
                       TriangleHint& hint) {
    const TilePoint p = locateDirection(planet, direction, v, u, hint);
    const size_t pixel = static_cast<size_t>(y) * size + x;
    if (located != nullptr) located[pixel] = p;
    const Tile t = interpolateTile(planet, p);
    if (grounds != nullptr) grounds[pixel] = t.groundHeight();
    const float shade = shadeAt(planet, statistics, altitudeShadeScale, v, u, t.elevation, size);
    drawGroundCover(t, shade, statistics, rivers, image.at(x, size - 1 - y),
                    mask.at(x, size - 1 - y));
  };
  if (!fractions.forEachPixel(workers, drawPixel)) return false;
  // The border's colours before this face's rivers, for adoptSharedEdges.
  std::vector<Rgb> border(size > 1 ? 4 * static_cast<size_t>(size - 1) : 0);
  for (size_t i = 0; i < border.size(); ++i) {
    int x, y;
    borderPixel(static_cast<int>(i), size, x, y);
    border[i] = image.at(x, size - 1 - y);
  }
  drawFaceRivers(rivers, face, size, image, 0, 0, mask);
  return adoptSharedEdges(rivers, face, border, mask, image);
}

}  // namespace geoweave::detail
