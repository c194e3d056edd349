#include "world/planet_grid.h"

#include <gtest/gtest.h>

#include <climits>

namespace geoweave::detail {

TEST(GridSizeTest, TinyRatiosUseTheSmallestGrid) {
  EXPECT_EQ(PlanetGrid::levelFor(2, 1.0f), 1);
  EXPECT_EQ(PlanetGrid::levelFor(1, 1.0f), 1);
  EXPECT_EQ(PlanetGrid::levelFor(3, 1.5f), 1);
  EXPECT_EQ(PlanetGrid::levelFor(1, 1000.0f), 1);
  PlanetGrid planet;
  ASSERT_TRUE(planet.allocate(1, 4.0f));
  EXPECT_EQ(planet.level(), 1);
  EXPECT_EQ(planet.side(), 3);
}

TEST(GridSizeTest, HugeRatiosAreRefused) {
  EXPECT_EQ(PlanetGrid::levelFor(49151, 1.0f), 13);
  EXPECT_EQ(PlanetGrid::levelFor(49152, 1.0f), 14);
  EXPECT_GT(PlanetGrid::levelFor(INT_MAX, 1e-30f), 13);

  PlanetGrid planet;
  ASSERT_TRUE(planet.allocate(6, 1.0f));
  EXPECT_FALSE(planet.allocate(49152, 1.0f));
  EXPECT_EQ(planet.hot(), nullptr);
  EXPECT_EQ(planet.side(), 0);
  EXPECT_FALSE(planet.allocate(INT_MAX, 0.001f));
  EXPECT_EQ(planet.hot(), nullptr);
}

// A grid larger than the memory the process may use is refused before any
// page is touched, instead of the kernel ending the run halfway.
TEST(GridSizeTest, GridsBeyondTheMemoryLimitAreRefused) {
  PlanetGrid planet;
  const uint64_t level7 = PlanetGrid::bytesFor(7);
  EXPECT_TRUE(planet.allocate(512, 1.0f, 1, level7));  // level 7: exactly fits
  EXPECT_EQ(planet.level(), 7);
  EXPECT_FALSE(planet.allocate(512, 1.0f, 1, level7 - 1));
  EXPECT_EQ(planet.hot(), nullptr);
  EXPECT_FALSE(planet.allocate(4096, 1.0f, 1, uint64_t{1} << 29));  // 0.77 GB in 0.5 GB
  // The ten diamonds in use, 60 bytes a record (hot fields, move fractions,
  // roughness), each array rounded up to whole 2 MiB pages, and the edge
  // table: not the 136 bytes of all twelve blocks a whole record once took.
  for (const int64_t level : {7, 11, 12}) {
    const double used = 10.0 * static_cast<double>(PlanetGrid::tileRecordsFor(level)) / 12.0;
    const double edgeTable = 40.0 * static_cast<double>(int64_t{1} << level) * 6 * 4;
    const auto bytes = static_cast<double>(PlanetGrid::bytesFor(level));
    EXPECT_GE(bytes, 60 * used + edgeTable) << level;
    EXPECT_LE(bytes, 60 * used + edgeTable + 3 * (2 << 20)) << level;
  }
}

TEST(GridSizeTest, AllocateSetsConsistentSizesAndDefaultTiles) {
  PlanetGrid planet;
  EXPECT_EQ(planet.hot(), nullptr);
  EXPECT_EQ(planet.side(), 0);
  for (int level = 1; level <= 8; ++level) {
    // Reallocating frees the previous array; the sanitizer build catches a leak.
    ASSERT_TRUE(planet.allocate(6 << (level - 1), 1.0f)) << level;
    const int side = (1 << level) + 1;
    EXPECT_EQ(planet.level(), level);
    EXPECT_EQ(planet.side(), side);
    EXPECT_EQ(planet.sideSquared(), side * side);
    EXPECT_EQ(planet.lastIndex(), side - 1);
    EXPECT_EQ(planet.edgeMask(), side - 2);
    EXPECT_EQ(planet.cellSize(), 1.0f / static_cast<float>(side - 1));
    for (int i = 0; i <= planet.lastIndex(); ++i) {
      EXPECT_EQ((i & planet.edgeMask()) == 0, i == 0 || i == planet.lastIndex())
          << level << " " << i;
    }
    const int records = static_cast<int>(PlanetGrid::tileRecordsFor(level));
    EXPECT_EQ(records, 12 * side * side);
    EXPECT_EQ(planet.records(), int64_t{10} * side * side);
    const int64_t used = planet.records();
    for (const int64_t i : {int64_t{0}, used / 2, used - 1}) {
      EXPECT_EQ(planet.hot()[i].sediment, 0.05f) << level << " " << i;
      EXPECT_EQ(planet.hot()[i].elevation, 0.0f) << level << " " << i;
      EXPECT_EQ(planet.roughness()[i], 0.0f) << level << " " << i;
      EXPECT_EQ(planet.fractions()[i].share[5], 0.0f) << level << " " << i;
    }
    EXPECT_EQ(planet.hotAt(9, side - 1, side - 1), planet.hot() + 10 * side * side - 1);
  }
}

}  // namespace geoweave::detail
