#include "render/colors.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace geoweave::detail {

namespace {

std::string text(Rgb c) {
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

Tile landAt(float temperature, float rain = 0, float flow = 0) {
  Tile t;
  t.temperature = temperature;
  t.rain = rain;
  t.waterFlow = flow;
  return t;
}

Tile seaAt(float temperature) {
  Tile t = landAt(temperature);
  t.waterDepth = 0.1f;
  return t;
}

// Rainfall 1, land from sea level 0.5 up to 1.
struct ColorsGround : testing::Test {
  PlanetStatistics p;
  RiverNetwork rivers;  // the thresholds before the river stage
  void SetUp() override {
    p.rainfall = 1;
    p.seaLevel = 0.5f;
    p.elevationMax = 1;
  }
  std::string color(const Tile& t, float shade = 0) {
    return text(groundCover(t, shade, p, rivers).color);
  }
  std::string mask(const Tile& t) { return text(groundCover(t, 0, p, rivers).mask); }
};

}  // namespace

TEST(Colors, ChannelsTruncateAndMixesKeepTheirEnds) {
  EXPECT_EQ(text(rgbFromFractions(1, 0.5f, 0.2f)), "255,127,51");
  EXPECT_EQ(text(rgbFromFractions(0.1f, 0.7f, 0.8f)), "25,178,204");
  EXPECT_EQ(text(mixRgb(kBlack, kWhite, 0.5f)), "127,127,127");
  // Every palette colour survives both ends of a mix.
  const Rgb palette[] = {kOlive, kYellow, kBrown, kGreen, kDarkGreen, kWhite, kBlack};
  for (const Rgb a : palette) {
    for (const Rgb b : palette) {
      EXPECT_EQ(mixRgb(a, b, 0), a) << text(a) << " to " << text(b);
      EXPECT_EQ(mixRgb(a, b, 1), b) << text(a) << " to " << text(b);
    }
  }
}

TEST(Colors, ReliefShadeEasesTowardsItsLimit) {
  PlanetStatistics p;
  p.seaLevel = 0.5f;
  p.elevationMax = 1.5f;
  Tile high, low;
  high.elevation = 0.6f;
  low.elevation = 0.5f;
  // Raw 0.2 eases to 0.4 * (1 - 0.5^2); a raw value past the clamp stays 0.4.
  EXPECT_NEAR(reliefShade(high, low, p, 1), 0.3f, 1e-6);
  EXPECT_NEAR(reliefShade(low, high, p, 1), -0.3f, 1e-6);
  EXPECT_NEAR(reliefShade(high, low, p, -1), -0.3f, 1e-6);
  EXPECT_NEAR(reliefShade(high, low, p, 10), 0.4f, 1e-6);
  EXPECT_EQ(reliefShade(high, low, p, 0), 0);
  p.elevationMax = p.seaLevel;
  EXPECT_EQ(reliefShade(high, low, p, 1), 0);
}

TEST_F(ColorsGround, DryAndVegetationColoursByTemperature) {
  EXPECT_EQ(color(landAt(20)), "96,96,0");
  // 20 degrees is the cold branch's end: green with full water.
  EXPECT_EQ(color(landAt(20, 0, kMajorRiverFlowThresholdStart)), "0,128,0");
  EXPECT_EQ(color(landAt(25, 0.34f)), "0,108,0");
  EXPECT_EQ(color(landAt(5)), "96,48,0");
  // Too hot for rain-fed plants: desert, and flowing water gives only 0.8.
  EXPECT_EQ(color(landAt(50, 1)), "255,255,0");
  EXPECT_EQ(color(landAt(60, 0, 1)), "50,89,0");
}

TEST_F(ColorsGround, ZeroRainfallGivesNoRainFedVegetation) {
  p.rainfall = 0;
  EXPECT_EQ(color(landAt(25, 5)), color(landAt(25)));
  EXPECT_EQ(text(rainPanelColor(landAt(25, 5), p)), "25,0,0");
  // Flowing water still counts.
  EXPECT_EQ(color(landAt(25, 0, 1)), "0,108,0");
}

TEST_F(ColorsGround, SeaAndIce) {
  EXPECT_EQ(color(seaAt(20)), "19,19,178");
  EXPECT_EQ(color(seaAt(-12.5f)), "19,9,178");
  EXPECT_EQ(color(seaAt(-15)), "255,255,255");
  EXPECT_EQ(color(landAt(-10, 1, 1)), "255,255,255");
  EXPECT_EQ(mask(seaAt(20)), "0,0,0");
  EXPECT_EQ(mask(landAt(5)), "255,255,255");
  EXPECT_EQ(mask(landAt(-30)), "51,51,51");
}

TEST_F(ColorsGround, ShadeMovesTowardsWhiteOrBlack) {
  EXPECT_EQ(color(landAt(20), 0.4f), "159,159,102");
  EXPECT_EQ(color(landAt(20), -0.4f), "57,57,0");
  // Ice whitens first, then the shade darkens it.
  EXPECT_EQ(color(landAt(-10), -0.4f), "153,153,153");
  // On sea the shade is cut to 0.12.
  EXPECT_EQ(color(seaAt(20), 0.4f), "47,47,187");
}

TEST(Colors, Panels) {
  PlanetStatistics p;
  p.elevationMin = 0;
  p.elevationMax = 2;
  p.seaLevel = 0.5f;
  p.rainfall = 2;
  p.temperatureMin = 0;
  p.temperatureMax = 40;
  Tile land = landAt(10, 1);
  land.elevation = 1;
  land.humidity = 0.5f;
  land.sediment = 0.025f;
  Tile sea = seaAt(10);
  sea.elevation = 1;
  sea.humidity = 3;
  sea.sediment = 0.025f;

  const float inverse = inverseElevationRange(p);
  EXPECT_EQ(text(elevationPanelColor(land, p, inverse)), "127,127,127");
  EXPECT_EQ(text(elevationPanelColor(sea, p, inverse)), "63,63,178");
  EXPECT_EQ(text(rainPanelColor(land, p)), "25,127,63");
  EXPECT_EQ(text(temperaturePanelColor(land, p)), "63,0,191");
  EXPECT_EQ(text(humidityPanelColor(land)), "0,0,127");
  EXPECT_EQ(text(humidityPanelColor(sea)), "0,0,255");
  EXPECT_EQ(text(sedimentPanelColor(land, p)), "127,127,127");
  // A sea pixel above sea level is a lake.
  EXPECT_EQ(text(sedimentPanelColor(sea, p)), "255,127,127");
  sea.elevation = 0.25f;
  EXPECT_EQ(text(sedimentPanelColor(sea, p)), "127,127,127");

  // Empty ranges fall back to 0 and 0.5.
  p.elevationMax = p.elevationMin;
  p.temperatureMax = p.temperatureMin;
  EXPECT_EQ(inverseElevationRange(p), 0);
  EXPECT_EQ(text(elevationPanelColor(land, p, std::numeric_limits<float>::infinity())), "0,0,0");
  EXPECT_EQ(text(temperaturePanelColor(land, p)), "127,0,127");
}

// The blend's ends are the colours themselves for every byte value, not only
// for the palette: the renderer relies on it to skip blends of weight 0 or 1.
TEST(Colors, MixEndsReturnEveryByteUnchanged) {
  for (int v = 0; v < 256; ++v) {
    const uint8_t c = static_cast<uint8_t>(v);
    const Rgb a{c, static_cast<uint8_t>(255 - v), c};
    const Rgb b{static_cast<uint8_t>(255 - v), c, static_cast<uint8_t>(v / 2)};
    // The arithmetic of a blend, written out: both ends must come back exact.
    for (const float t : {0.0f, 1.0f}) {
      const float omt = 1.0f - t;
      const auto channel = [&](uint8_t x, uint8_t y) {
        return static_cast<uint8_t>(static_cast<int>(
            static_cast<double>(static_cast<float>(x / 255.0 * omt + y / 255.0 * t)) * 255));
      };
      const Rgb expected{channel(a.blue, b.blue), channel(a.green, b.green), channel(a.red, b.red)};
      EXPECT_EQ(mixRgb(a, b, t), expected) << "byte " << v << " t " << t;
      EXPECT_EQ(expected, t == 0 ? a : b) << "byte " << v << " t " << t;
    }
  }
}

}  // namespace geoweave::detail
