#include "render/map_directions.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "render/pixel_map.h"
#include "render/projection.h"
#include "testing/bits.h"

namespace geoweave::detail {

namespace {

// Each pixel of a PixelMap, whole or a band of it, against the per-pixel
// mapping it replaces: the direction from the shared row and column sines
// must be mapDirection's to the bit, and the point the map holds exactly
// locateTilePoint's. Sizes: one column (the seam alone), odd widths and
// heights, one row (the equator) and bands that start past row 0.
TEST(MapDirections, PixelMapHoldsThePerPixelMappingBitForBit) {
  PlanetGrid planet;
  planet.buildIcosahedron();
  ASSERT_TRUE(planet.allocate(512, 1));
  struct Map {
    int width, mapHeight, firstRow, rows;
  };
  for (const Map m : {Map{1, 7, 0, 7}, Map{13, 9, 0, 9}, Map{96, 49, 0, 49}, Map{37, 1, 0, 1},
                      Map{75, 41, 17, 9}, Map{1, 5, 3, 2}}) {
    SCOPED_TRACE(testing::Message()
                 << m.width << " x " << m.mapHeight << " from row " << m.firstRow);
    const PixelMap map(planet, m.width, m.mapHeight, m.firstRow, m.rows, 2);
    ASSERT_TRUE(map.ok());
    ASSERT_EQ(map.height, m.rows);
    int differing = 0;
    for (int row = 0; row < m.rows; ++row) {
      const int y = m.firstRow + row;
      const float v =
          m.mapHeight > 1 ? static_cast<float>(static_cast<double>(y) / (m.mapHeight - 1)) : 0.5f;
      for (int x = 0; x < m.width; ++x) {
        const float u = static_cast<float>(static_cast<double>(x) / m.width);
        const Vector3d shared = mapDirection(mapRow(v), mapColumn(u));
        const Vector3d own = mapDirection(v, u);
        const TilePoint held = map.exact[static_cast<size_t>(row) * m.width + x];
        const TilePoint expected = locateTilePoint(planet, v, u);
        const bool same = bitsOf(shared.x) == bitsOf(own.x) && bitsOf(shared.y) == bitsOf(own.y) &&
                          bitsOf(shared.z) == bitsOf(own.z) &&
                          held.coord.diamond == expected.coord.diamond &&
                          held.coord.x == expected.coord.x && held.coord.y == expected.coord.y &&
                          bitsOf(held.fracX) == bitsOf(expected.fracX) &&
                          bitsOf(held.fracY) == bitsOf(expected.fracY);
        if (!same && ++differing <= 3) ADD_FAILURE() << "pixel " << x << "," << y;
      }
    }
    EXPECT_EQ(differing, 0);
  }
}

}  // namespace

}  // namespace geoweave::detail
