#include "climate/rivers.h"

#include <gtest/gtest.h>

#include "grid/grid_geometry.h"
#include "grid/grid_topology.h"
#include "testing/test_world.h"

namespace geoweave::detail {

namespace {

// Dry land at height 0.9 with one tile in the middle that carries a flow.
class Rivers : public testing::Test {
 protected:
  climate_test::TestWorld world{16};
  const TileCoord tile{2, 2, 2};
  TileCoord around[6];
  int aroundCount = 0;

  void SetUp() override {
    world.forEach([](Tile& t) { t.elevation = 0.9f; });
    world.edit(tile, [](Tile& t) { t.waterFlow = 1; });
    aroundCount = neighbors(world.planet, tile, around);
  }

  void setElevation(const TileCoord& c, float e) {
    world.edit(c, [e](Tile& t) { t.elevation = e; });
  }
  void expectPoint(int i, const TileCoord& c) const {
    ASSERT_LT(i, world.rivers.points.count);
    const RiverPoint& p = world.rivers.points[i];
    float lat, lon;
    mapCoordinates(world.planet, TilePoint{c, 0, 0}, lat, lon);
    EXPECT_EQ(p.latitude, lat) << "point " << i;
    EXPECT_EQ(p.longitude, lon) << "point " << i;
    EXPECT_EQ(p.flow, world.at(c).waterFlow) << "point " << i;
  }
};

}  // namespace

TEST_F(Rivers, SegmentRunsToTheLowestNeighbourFirstListedOnATie) {
  setElevation(tile, 0.5f);
  setElevation(around[3], 0.2f);
  setElevation(around[4], 0.2f);
  world.edit(TileCoord{7, 2, 2}, [](Tile& t) { t.rain = 0.7f; });
  ASSERT_TRUE(makeRivers(world.planet, world.settings, world.statistics, world.rivers));

  EXPECT_EQ(world.statistics.waterFlowing, 1.0f);
  EXPECT_EQ(world.statistics.rainfall, 0.7f);
  EXPECT_GT(world.rivers.flowThreshold, 0.0f);
  EXPECT_LT(world.rivers.flowThreshold, 0.001f);
  EXPECT_GE(world.rivers.majorFlowThreshold, world.rivers.flowThreshold);
  ASSERT_EQ(world.rivers.points.count, 2);
  expectPoint(0, tile);
  expectPoint(1, around[3]);
  EXPECT_EQ(world.rivers.points[1].flow, 0.0f);
}

TEST_F(Rivers, PitGetsNoSegmentButLevelGroundDoes) {
  setElevation(tile, 0.1f);
  ASSERT_TRUE(makeRivers(world.planet, world.settings, world.statistics, world.rivers));
  EXPECT_EQ(world.rivers.points.count, 0);

  world.rivers.points.release();
  setElevation(tile, 0.9f);  // every neighbour just as high
  ASSERT_TRUE(makeRivers(world.planet, world.settings, world.statistics, world.rivers));
  ASSERT_EQ(world.rivers.points.count, 2);
  expectPoint(0, tile);
  expectPoint(1, around[0]);
}

TEST_F(Rivers, SeaTilesCarryNoRiversButCountInTheLargestFlow) {
  world.edit(tile, [](Tile& t) {
    t.waterDepth = 0.5f;
    t.waterFlow = 0.1f;
  });
  world.edit(around[1], [](Tile& t) { t.elevation = 0.2f; });
  ASSERT_TRUE(makeRivers(world.planet, world.settings, world.statistics, world.rivers));
  EXPECT_EQ(world.statistics.waterFlowing, 0.1f);
  EXPECT_EQ(world.statistics.rainfall, 0.0f);
  EXPECT_EQ(world.rivers.points.count, 0);
  EXPECT_TRUE(std::isfinite(world.rivers.flowThreshold));
}

TEST_F(Rivers, NoFlowAnywhereGivesZeroThresholdsAndNoSegments) {
  world.edit(tile, [](Tile& t) { t.waterFlow = 0; });
  ASSERT_TRUE(makeRivers(world.planet, world.settings, world.statistics, world.rivers));
  EXPECT_EQ(world.statistics.waterFlowing, 0.0f);
  EXPECT_EQ(world.rivers.flowThreshold, 0.0f);
  EXPECT_EQ(world.rivers.majorFlowThreshold, 0.0f);
  EXPECT_EQ(world.rivers.points.count, 0);
}

TEST_F(Rivers, ThresholdsComeFromTheFineHistogramBelowTheCoarse99PercentMark) {
  // 100 tiles at 0.002, 60 at 0.004 and two outliers at 1: the coarse 99 %
  // mark is 0.005, so the fine bins are 0.005 / 1024 wide.
  int n = 0;
  world.forEach([&n](Tile& t) {
    const int k = n++;
    t.waterFlow = k < 100 ? 0.002f : (k < 160 ? 0.004f : 1.0f);
  });
  ASSERT_EQ(n, 162);
  ASSERT_TRUE(makeRivers(world.planet, world.settings, world.statistics, world.rivers));
  const double fineBin = static_cast<double>(0.005f) / 1024;
  // The 153rd and 159th samples lie in the bin of 0.004 (bin 819).
  EXPECT_FLOAT_EQ(world.rivers.flowThreshold, static_cast<float>((819 + 53.0 / 60) * fineBin));
  EXPECT_FLOAT_EQ(world.rivers.majorFlowThreshold, static_cast<float>((819 + 59.0 / 60) * fineBin));
  EXPECT_EQ(world.rivers.points.count, 4);

  // At 5 % the major mark barely moves with its share of the river share (a
  // quarter or 0.3 both reach the 159th sample); at 40 % rivers start at the
  // 60 % mark (the 97th sample, in the bin of 0.002) and major rivers at
  // 1 - 40 % / 4 = 90 % (the 145th, 45th in the bin of 0.004), where 0.3 of
  // the share would stop at the 142nd.
  world.settings.riverFraction = 0.4f;
  world.rivers.points.release();
  ASSERT_TRUE(makeRivers(world.planet, world.settings, world.statistics, world.rivers));
  EXPECT_FLOAT_EQ(world.rivers.flowThreshold, static_cast<float>((409 + 97.0 / 100) * fineBin));
  EXPECT_FLOAT_EQ(world.rivers.majorFlowThreshold, static_cast<float>((819 + 45.0 / 60) * fineBin));
}

}  // namespace geoweave::detail
