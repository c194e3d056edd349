#include "image/line_drawing.h"

#include <gtest/gtest.h>

#include <string>

namespace geoweave::detail {

namespace {

std::string text(Rgb c) {
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

// The pixels that are no longer black, row by row, as "x,y x,y ...".
std::string painted(const RgbImage& image) {
  std::string s;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (image.at(x, y) != kBlack) s += std::to_string(x) + "," + std::to_string(y) + " ";
    }
  }
  return s;
}

void drawOpaque(RgbImage& image, int x0, int y0, int x1, int y1) {
  drawWrappedLineRows(image, image.height, 0, x0, y0, x1, y1, kWhite, kWhite, 1, 1, nullptr);
}

}  // namespace

TEST(RiverLines, MinorAxisRoundsHalfAwayFromZero) {
  RgbImage forward(5, 3);
  drawBlendedLine(forward, 0, 0, 4, 2, kWhite, kWhite, 1, 1, nullptr);
  EXPECT_EQ(painted(forward), "0,0 1,1 2,1 3,2 4,2 ");
  RgbImage backward(5, 3);
  drawBlendedLine(backward, 4, 2, 0, 0, kWhite, kWhite, 1, 1, nullptr);
  EXPECT_EQ(painted(backward), "0,0 1,0 2,1 3,1 4,2 ");
}

TEST(RiverLines, OpacityAndColourRunFromStartToEnd) {
  RgbImage image(5, 2);
  drawBlendedLine(image, 0, 0, 4, 0, rgbBytes(255, 0, 0), rgbBytes(255, 0, 0), 0, 1, nullptr);
  drawBlendedLine(image, 0, 1, 4, 1, rgbBytes(0, 0, 0), rgbBytes(200, 0, 0), 1, 1, nullptr);
  const int opacityRamp[] = {0, 63, 127, 191, 255};
  const int colourRamp[] = {0, 50, 100, 150, 200};
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(image.at(x, 0).red, opacityRamp[x]) << x;
    EXPECT_EQ(image.at(x, 1).red, colourRamp[x]) << x;
  }
}

TEST(RiverLines, MaskScalesOpacityExceptForASinglePoint) {
  RgbImage mask(4, 1);
  for (int x = 0; x < 4; ++x) mask.at(x, 0) = rgbBytes(51, 51, 51);
  mask.at(2, 0) = kBlack;
  const Rgb river = rgbBytes(51, 51, 204);
  RgbImage line(4, 1);
  drawBlendedLine(line, 0, 0, 3, 0, river, river, 1, 1, &mask);
  EXPECT_EQ(text(line.at(0, 0)), "10,10,40");
  EXPECT_EQ(text(line.at(3, 0)), "10,10,40");
  EXPECT_EQ(line.at(2, 0), kBlack);

  // A single point blends the two colours and opacities halfway.
  RgbImage point(4, 1);
  drawBlendedLine(point, 2, 0, 2, 0, rgbBytes(100, 0, 0), rgbBytes(200, 0, 0), 0.2f, 0.6f, &mask);
  EXPECT_EQ(painted(point), "2,0 ");
  EXPECT_EQ(text(point.at(2, 0)), "60,0,0");
}

TEST(RiverLines, SeamSplitsTheShortWayAcross) {
  RgbImage image(512, 4);
  drawOpaque(image, 10, 1, 502, 1);
  std::string expected;
  for (int x = 0; x <= 10; ++x) expected += std::to_string(x) + ",1 ";
  for (int x = 502; x <= 511; ++x) expected += std::to_string(x) + ",1 ";
  EXPECT_EQ(painted(image), expected);

  // Exactly half the width apart is not split.
  RgbImage half(8, 2);
  drawOpaque(half, 1, 0, 5, 0);
  EXPECT_EQ(painted(half), "1,0 2,0 3,0 4,0 5,0 ");
}

// One pixel more than half the width is the short way round across the seam,
// on even and odd widths and in both directions.
TEST(RiverLines, OneMoreThanHalfTheWidthApartIsSplit) {
  RgbImage even(8, 1);
  drawOpaque(even, 1, 0, 6, 0);
  EXPECT_EQ(painted(even), "0,0 1,0 6,0 7,0 ");
  RgbImage odd(7, 1);
  drawOpaque(odd, 5, 0, 1, 0);
  EXPECT_EQ(painted(odd), "0,0 1,0 5,0 6,0 ");
}

TEST(RiverLines, PoleCrossingSplitsVertically) {
  RgbImage image(4, 8);
  drawOpaque(image, 1, 1, 1, 7);
  EXPECT_EQ(painted(image), "1,0 1,1 1,7 ");
}

TEST(RiverLines, PointsOutsideTheImageAreSkipped) {
  RgbImage image(8, 3);
  drawBlendedLine(image, -2, 1, 9, 1, kWhite, kWhite, 1, 1, nullptr);
  drawBlendedLine(image, 1, -3, 1, 6, kWhite, kWhite, 1, 1, nullptr);
  drawBlendedLine(image, 20, 20, 20, 20, kWhite, kWhite, 1, 1, nullptr);
  EXPECT_EQ(painted(image), "1,0 0,1 1,1 2,1 3,1 4,1 5,1 6,1 7,1 1,2 ");
}

}  // namespace geoweave::detail
