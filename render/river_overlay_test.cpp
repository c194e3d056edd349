#include "render/river_overlay.h"

#include <gtest/gtest.h>

#include <string>

#include "climate/rivers.h"
#include "render/colors.h"

namespace geoweave::detail {

namespace {

std::string text(Rgb c) {
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

int paintedCount(const RgbImage& image) {
  int n = 0;
  for (int i = 0; i < image.width * image.height; ++i) n += image.pixels[i] != kBlack;
  return n;
}

// 16 x 8 images under a mask that lets rivers through fully.
struct RiverLinesOverlay : testing::Test {
  RgbImage ground{16, 8};
  RgbImage sediment{16, 8};
  RgbImage mask{16, 8};
  RiverNetwork rivers;  // the list and thresholds drawn
  GrowableArray<RiverPoint>& points = rivers.points;

  void SetUp() override {
    for (int i = 0; i < 16 * 8; ++i) mask.pixels[i] = kWhite;
  }
  void draw(float lon0, float lat0, float flow0, float lon1, float lat1, float flow1) {
    ASSERT_TRUE(points.append(RiverPoint{lon0, lat0, flow0}));
    ASSERT_TRUE(points.append(RiverPoint{lon1, lat1, flow1}));
    drawRiverRows(rivers, ground.height, 0, ground, sediment, mask);
  }
};

}  // namespace

TEST_F(RiverLinesOverlay, FullFlowDrawsTheRiverColourOnBothImages) {
  mask.at(6, 4) = rgbBytes(51, 51, 51);  // under full ice
  draw(0.25f, 0.5f, 1, 0.5f, 0.5f, rivers.majorFlowThreshold);
  for (const int x : {4, 5, 7, 8}) {
    EXPECT_EQ(text(ground.at(x, 4)), "51,51,204") << x;
    EXPECT_EQ(text(sediment.at(x, 4)), "51,51,204") << x;
  }
  EXPECT_EQ(text(ground.at(6, 4)), "10,10,40");
  EXPECT_EQ(paintedCount(ground) + paintedCount(sediment), 10);
}

TEST_F(RiverLinesOverlay, ThresholdFlowSeaAndUnpairedPointsDrawNothing) {
  draw(0.25f, 0.5f, rivers.flowThreshold, 0.5f, 0.5f, 0);
  for (int x = 0; x < 16; ++x) mask.at(x, 2) = kBlack;  // sea
  draw(0.25f, 0.25f, 1, 0.5f, 0.25f, 1);
  points.release();
  ASSERT_TRUE(points.append(RiverPoint{0.75f, 0.5f, 1}));
  drawRiverRows(rivers, ground.height, 0, ground, sediment, mask);
  EXPECT_EQ(paintedCount(ground) + paintedCount(sediment), 0);
}

TEST_F(RiverLinesOverlay, EqualThresholdsSwitchOpacityWithoutARamp) {
  EXPECT_NEAR(riverOpacity(0.0065f, rivers), 0.5f, 1e-6);
  rivers.flowThreshold = rivers.majorFlowThreshold = 0.005f;
  EXPECT_EQ(riverOpacity(0.005f, rivers), 0);
  EXPECT_EQ(riverOpacity(0.0051f, rivers), 1);
}

TEST_F(RiverLinesOverlay, SinglePixelAveragesOpacityAndIgnoresTheMask) {
  mask.at(3, 4) = kBlack;
  // 16 * 2.5 / 16 = 2.5 rounds away from zero, to column 3.
  draw(2.5f / 16, 0.5f, rivers.flowThreshold, 2.5f / 16, 0.5f, rivers.majorFlowThreshold);
  EXPECT_EQ(text(ground.at(3, 4)), "25,25,102");
  EXPECT_EQ(paintedCount(ground), 1);
}

TEST_F(RiverLinesOverlay, NorthPoleLiesJustOutsideTheImage) {
  draw(0.25f, 0.75f, 1, 0.25f, 1, 1);
  EXPECT_EQ(text(ground.at(4, 6)), "51,51,204");
  EXPECT_EQ(text(ground.at(4, 7)), "51,51,204");
  EXPECT_EQ(paintedCount(ground), 2);
}

}  // namespace geoweave::detail
