#include "grid/diamond_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace geoweave::detail {

TEST(GridSizeTest, LevelFollowsTheRatioTable) {
  struct Row {
    int from, to, level, side;
    int64_t records;
  };
  const Row rows[] = {
      {3, 11, 1, 3, 108},         {12, 23, 2, 5, 300},         {24, 47, 3, 9, 972},
      {48, 95, 4, 17, 3468},      {96, 191, 5, 33, 13068},     {192, 383, 6, 65, 50700},
      {384, 767, 7, 129, 199692}, {768, 1535, 8, 257, 792588}, {1536, 3071, 9, 513, 3158028}};
  for (const Row& r : rows) {
    EXPECT_EQ(DiamondGrid::levelFor(r.from, 1.0f), r.level) << r.from;
    EXPECT_EQ(DiamondGrid::levelFor(r.to, 1.0f), r.level) << r.to;
    EXPECT_EQ((int64_t{1} << r.level) + 1, r.side);
    EXPECT_EQ(DiamondGrid::tileRecordsFor(r.level), r.records);
    EXPECT_EQ(DiamondGrid::tileRecordsText(r.level), std::to_string(r.records));
  }
  // The refusal names the exact count however large the grid.
  EXPECT_EQ(DiamondGrid::tileRecordsText(13), "805502988");
  EXPECT_EQ(DiamondGrid::tileRecordsText(40), "14507109835401938375540748");
  EXPECT_EQ(DiamondGrid::tileRecordsText(180),
            "28182510993285998734673767161472044328508190586899838485267384639167840901975629973171"
            "808387466963368789671948");
  EXPECT_EQ(DiamondGrid::levelFor(512, 1.0f), 7);
  EXPECT_EQ(DiamondGrid::levelFor(1024, 2.0f), 7);
  EXPECT_EQ(DiamondGrid::levelFor(383, 1.0f), 6);
  EXPECT_EQ(DiamondGrid::levelFor(384, 1.0f), 7);
  EXPECT_EQ(DiamondGrid::levelFor(100, 0.5f), 6);  // c = 200
  // The ratio is truncated: just under 12 stays on the smallest grid.
  EXPECT_EQ(DiamondGrid::levelFor(12, std::nextafter(1.0f, 2.0f)), 1);
}

// A grid used without records (the geometry and topology tests) is sized by
// setLevel() alone, which must refuse what allocate() refuses before it:
// levels whose indices overflow 32 bits, and level 0, which has no position
// inside a diamond.
TEST(GridSizeTest, SetLevelRefusesLevelsOutsideTheIndexRange) {
  DiamondGrid grid;
  ASSERT_TRUE(grid.setLevel(3, 1));
  EXPECT_EQ(grid.side(), 9);
  for (const int64_t level : {int64_t{0}, int64_t{DiamondGrid::kMaxLevel + 1}}) {
    EXPECT_FALSE(grid.setLevel(level, 1)) << level;
    EXPECT_EQ(grid.side(), 0) << level;
  }
}

}  // namespace geoweave::detail
