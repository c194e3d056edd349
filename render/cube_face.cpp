#include "render/cube_face.h"

#include <cmath>

#include "base/numeric.h"
#include "base/parallel.h"
#include "image/line_drawing.h"
#include "render/colors.h"
#include "render/interpolate_tile.h"
#include "render/projection.h"
#include "render/river_overlay.h"

namespace geoweave::detail {

namespace {

// -1 at the first pixel, 1 at the last; the middle pixel of an odd size is
// exactly 0, and pixels i and size - 1 - i give exact negatives.
double faceCoordinate(int i, int size) {
  if (size <= 1) return 0;
  return static_cast<double>(2 * i - (size - 1)) / (size - 1);
}

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

void drawFaceRivers(const RiverNetwork& rivers, int face, RgbImage& image, const RgbImage& mask) {
  const GrowableArray<RiverPoint>& points = rivers.points;
  const Rgb river = rgbFromFractions(0.2f, 0.2f, 0.8f);
  const int size = image.width;
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
    drawBlendedLine(
        image, static_cast<int>(roundHalfAway(x0)), size - 1 - static_cast<int>(roundHalfAway(y0)),
        static_cast<int>(roundHalfAway(x1)), size - 1 - static_cast<int>(roundHalfAway(y1)), river,
        river, riverOpacity(p0.flow, rivers), riverOpacity(p1.flow, rivers), &mask);
  }
}

}  // namespace

Vector3d cubeFaceDirection(int face, int size, int x, int y) {
  const double s = faceCoordinate(x, size);
  const double t = faceCoordinate(y, size);
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
                  int workers, TilePoint* located) {
  const int size = image.width;
  RgbImage mask(size, size);
  if (!mask.ok()) return false;
  auto drawRows = [&](int64_t firstRow, int64_t endRow) {
    for (int y = static_cast<int>(firstRow); y < endRow; ++y) {
      for (int x = 0; x < size; ++x) {
        const Vector3d direction = cubeFaceDirection(face, size, x, y);
        float v, u;
        directionFractions(direction, v, u);
        const TilePoint p = locateDirection(planet, direction, v, u);
        if (located != nullptr) located[static_cast<size_t>(y) * size + x] = p;
        const Tile t = interpolateTile(planet, p);
        const float shade =
            shadeAt(planet, statistics, altitudeShadeScale, v, u, t.elevation, size);
        const GroundPixel ground = groundCover(t, shade, statistics, rivers);
        image.at(x, size - 1 - y) = ground.color;
        mask.at(x, size - 1 - y) = ground.mask;
      }
    }
  };
  parallelFor(workers, size, drawRows);
  drawFaceRivers(rivers, face, image, mask);
  return true;
}

}  // namespace geoweave::detail
