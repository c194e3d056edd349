#include "export/river_raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "geoweave/planet.h"
#include "testing/river_planet.h"

namespace geoweave::detail {

namespace {

using geoweave::RiverEnd;
using geoweave::Rivers;
using geoweave::RiverSegment;

// A point a share t of the way along a segment, in map fractions, the
// longitude taken the short way round and brought back into [0, 1).
RiverEnd along(const RiverSegment& s, double t) {
  double du = static_cast<double>(s.to.longitude) - s.from.longitude;
  if (du > 0.5) du -= 1;
  if (du < -0.5) du += 1;
  double u = s.from.longitude + t * du;
  u -= std::floor(u);
  const double v = s.from.latitude + t * (static_cast<double>(s.to.latitude) - s.from.latitude);
  return RiverEnd{static_cast<float>(u), static_cast<float>(v), 0};
}

// The opacity a map pixel gets from each of a real planet's rivers and from
// one across the seam: every point of every segment lies in an opaque pixel
// of the map where the maps' pixel rule puts it, and in a cell of the
// GeoTIFF grid (where that grid's rule puts it) holding at least the
// segment's flow; and a map or the cells drawn in bands of rows get the
// values of those drawn whole.
TEST(RiverRaster, EveryPointOfARiverIsOpaqueOnTheMapAndCarriesItsFlowOnTheCells) {
  geoweave::Planet planet;
  ASSERT_NO_FATAL_FAILURE(generateRiverPlanet(&planet));
  Rivers rivers = planet.rivers();
  ASSERT_GT(rivers.segments.size(), 20u);
  // Across the seam eastward and westward.
  const RiverSegment seam[2] = {{{0.995f, 0.6f, rivers.threshold}, {0.004f, 0.61f, 0}},
                                {{0.003f, 0.3f, rivers.threshold}, {0.996f, 0.29f, 0}}};
  rivers.segments.insert(rivers.segments.end(), seam, seam + 2);

  const int w = 200, h = 101;
  std::vector<uint8_t> whole(static_cast<size_t>(w) * h, 0);
  drawRiverRows(rivers, w, h, 0, h, whole.data());
  std::vector<uint8_t> banded(whole.size(), 0);
  for (int row = 0; row < h; row += 7) {
    drawRiverRows(rivers, w, h, row, std::min(7, h - row), &banded[static_cast<size_t>(row) * w]);
  }
  EXPECT_TRUE(banded == whole);
  std::vector<float> cells(whole.size(), 0.0f);
  riverFlowCells(rivers, w, h, cells.data());
  std::vector<float> bandedCells(whole.size(), 0.0f);
  for (int row = 0; row < h; row += 7) {
    riverFlowCellRows(rivers, w, h, row, std::min(7, h - row),
                      &bandedCells[static_cast<size_t>(row) * w]);
  }
  EXPECT_TRUE(bandedCells == cells);

  int points = 0, notOpaque = 0, notMarked = 0;
  for (const RiverSegment& segment : rivers.segments) {
    for (const double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
      const RiverEnd p = along(segment, t);
      const double u = p.longitude;
      const double v = p.latitude;
      // The map: column x at longitude 360 x / w, row y at latitude
      // 90 - 180 y / (h - 1): the pixel nearest the point.
      const int x = static_cast<int>(std::lround(u * w)) % w;
      const int y = static_cast<int>(std::lround((1 - v) * (h - 1)));
      if (whole[static_cast<size_t>(y) * w + x] != 255) ++notOpaque;
      // The cells: column x spans longitudes from -180 + 360 x / w, row y
      // latitudes from 90 - 180 y / h down.
      const double west = u + 0.5 - std::floor(u + 0.5);
      const int cx = std::min(w - 1, static_cast<int>(std::floor(west * w)));
      const int cy = std::min(h - 1, static_cast<int>(std::floor((1 - v) * h)));
      if (!(cells[static_cast<size_t>(cy) * w + cx] >= segment.from.flow)) ++notMarked;
      ++points;
    }
  }
  EXPECT_EQ(notOpaque, 0) << "of " << points;
  EXPECT_EQ(notMarked, 0) << "of " << points;

  // The seam's segments alone: both map edges and both sides of the cells'
  // middle (longitude 0 lies there), nothing in between.
  Rivers alone;
  alone.threshold = rivers.threshold;
  alone.segments.assign(seam, seam + 2);
  std::vector<uint8_t> map(whole.size(), 0);
  drawRiverRows(alone, w, h, 0, h, map.data());
  std::vector<float> grid(whole.size(), 0.0f);
  riverFlowCells(alone, w, h, grid.data());
  for (const double latitude : {0.605, 0.295}) {
    const int row = static_cast<int>(std::lround((1 - latitude) * (h - 1)));
    const int cellRow = static_cast<int>(std::floor((1 - latitude) * h));
    EXPECT_EQ(map[static_cast<size_t>(row) * w], 255) << latitude;
    EXPECT_EQ(map[static_cast<size_t>(row) * w + w - 1], 255) << latitude;
    EXPECT_EQ(grid[static_cast<size_t>(cellRow) * w + w / 2 - 1], rivers.threshold) << latitude;
    EXPECT_EQ(grid[static_cast<size_t>(cellRow) * w + w / 2], rivers.threshold) << latitude;
  }
  int far = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 4; x < w - 4; ++x) far += map[static_cast<size_t>(y) * w + x] != 0;
    for (int x = 0; x < w / 2 - 3; ++x) far += grid[static_cast<size_t>(y) * w + x] != 0;
    for (int x = w / 2 + 3; x < w; ++x) far += grid[static_cast<size_t>(y) * w + x] != 0;
  }
  EXPECT_EQ(far, 0);
}

// A river at the threshold is one pixel across, one of the largest flow
// four, and the width never falls as the flow grows: measured across
// level rivers of growing flow as the sum of their opacity down a column.
TEST(RiverRaster, WidthGrowsWithFlowFromOnePixelToFour) {
  Rivers rivers;
  rivers.threshold = 0.002f;
  rivers.majorThreshold = 0.01f;
  const float flows[] = {0.001f, 0.002f, 0.0025f, 0.004f, 0.01f, 0.05f, 0.2f, 0.9f, 2.0f};
  const int w = 64, h = 121;
  for (int i = 0; i < 9; ++i) {
    const float v = 1.0f - static_cast<float>(10 + 12 * i) / (h - 1);
    rivers.segments.push_back(RiverSegment{{0.2f, v, flows[i]}, {0.7f, v, flows[i]}});
  }
  std::vector<uint8_t> alpha(static_cast<size_t>(w) * h, 0);
  drawRiverRows(rivers, w, h, 0, h, alpha.data());
  std::vector<double> across;
  for (int i = 0; i < 9; ++i) {
    double sum = 0;
    for (int y = 4 + 12 * i; y < 16 + 12 * i; ++y) sum += alpha[static_cast<size_t>(y) * w + 30];
    across.push_back(sum / 255);
  }
  EXPECT_NEAR(across[0], 1, 0.02);  // below the threshold: as narrow as at it
  EXPECT_NEAR(across[1], 1, 0.02);
  EXPECT_NEAR(across[8], 4, 0.02);  // the largest flow
  EXPECT_LT(across[7], 3.9);
  for (int i = 1; i < 9; ++i) EXPECT_GE(across[i], across[i - 1]) << "flow " << flows[i];
  EXPECT_GT(across[5], across[3]);
  const float largest = largestFlow(rivers);
  EXPECT_EQ(largest, 2.0f);
  double before = 0;
  // Past the largest flow too, as the drawing never meets such a flow.
  for (float flow = 0; flow < 3; flow += 0.001f) {
    const double width = riverWidth(flow, rivers, largest);
    EXPECT_GE(width, before) << flow;
    before = width;
  }
}

}  // namespace

}  // namespace geoweave::detail
