#include "render/colors.h"

#include <algorithm>
#include <cmath>

#include "base/numeric.h"
#include "climate/biome.h"

namespace geoweave::detail {

namespace {

uint8_t toByte(double v) {
  return static_cast<uint8_t>(static_cast<int>(v));
}

// c / 255.0 for every byte c, divided once: the same doubles the division
// gives, without a division per channel of every mix.
struct ByteFractions {
  double of[256];
  ByteFractions() {
    for (int c = 0; c < 256; ++c) of[c] = c / 255.0;
  }
};
const ByteFractions kByteFractions;

uint8_t mixChannel(uint8_t a, uint8_t b, float oneMinusT, float t) {
  const float value =
      static_cast<float>(kByteFractions.of[a] * oneMinusT + kByteFractions.of[b] * t);
  return toByte(static_cast<double>(value) * 255);
}

// A colour's channels as separate values while a pixel's colour is worked
// out. Handing three-byte Rgb values from blend to blend kept the processor
// waiting on stores it had just made in parts (a quarter of the ground
// cover's time); separate values stay in registers. The arithmetic is
// mixRgb's, channel for channel.
struct Channels {
  uint8_t red;
  uint8_t green;
  uint8_t blue;
};

inline Channels channelsOf(Rgb c) {
  return {c.red, c.green, c.blue};
}

inline Channels mixChannels(Channels a, Channels b, float t) {
  if (t == 0) return a;
  if (t == 1) return b;
  const float oneMinusT = 1.0f - t;
  return {mixChannel(a.red, b.red, oneMinusT, t), mixChannel(a.green, b.green, oneMinusT, t),
          mixChannel(a.blue, b.blue, oneMinusT, t)};
}

// Sea water keeps a fifth of red and green, worked in single precision.
uint8_t seaChannel(uint8_t c) {
  const float f = static_cast<float>(c) / 255.0f * 0.2f;
  return static_cast<uint8_t>(static_cast<int>(f * 255.0f));
}

// Rain relative to the wettest tile. Before any rain statistic exists the
// rainfall is 0, and rain then counts for nothing.
double rainWeight(const Tile& t, const PlanetStatistics& p) {
  if (p.rainfall == 0) return 0;
  return 3 * static_cast<double>(t.rain) / static_cast<double>(p.rainfall);
}

double flowWeight(const Tile& t, const RiverNetwork& rivers) {
  const double major = rivers.majorFlowThreshold;
  if (major == 0) return t.waterFlow > 0 ? 1 : 0;
  return clamp01(static_cast<double>(t.waterFlow) / major);
}

// Dry ground by temperature: brown when cold, olive at 20 degrees, yellow
// desert from 50.
Channels dryColor(double temp) {
  if (temp > 20) {
    return mixChannels(channelsOf(kOlive), channelsOf(kYellow),
                       static_cast<float>(clamp01((temp - 20) / 30)));
  }
  return mixChannels(channelsOf(kOlive), channelsOf(kBrown),
                     static_cast<float>(clamp01((temp - 20) / (5 - 20))));
}

// Vegetation by temperature: green at 20 degrees, darker towards 5 and 40.
Channels vegetationColor(double temp) {
  const double t = temp > 20 ? clamp01((temp - 20) / 20) : clamp01((temp - 20) / (5 - 20));
  return mixChannels(channelsOf(kGreen), channelsOf(kDarkGreen), static_cast<float>(t));
}

double vegetationWeight(const Tile& t, const PlanetStatistics& p, const RiverNetwork& rivers,
                        double temp, bool sea) {
  if (sea) return 0;
  double w = std::min(rainWeight(t, p), 1.0);
  w = w * clamp01((temp - 50) / (25 - 50));
  w = w * clamp01((temp + 10) / (25 + 10));
  // Flowing water feeds plants whatever the temperature.
  w = std::min(w + flowWeight(t, rivers), 1.0);
  return w * (0.2 * clamp01((temp - 50) / (40 - 50)) + 0.8);
}

}  // namespace

Rgb rgbFromFractions(float red, float green, float blue) {
  return rgbBytes(toByte(static_cast<double>(red) * 255), toByte(static_cast<double>(green) * 255),
                  toByte(static_cast<double>(blue) * 255));
}

Rgb mixRgb(Rgb a, Rgb b, float t) {
  // Every byte survives the round trip through its fraction unchanged, so the
  // ends of the blend need no arithmetic (most pixels blend with 0 ice, and
  // with 0 of at least one of darkening and brightening).
  const Channels c = mixChannels(channelsOf(a), channelsOf(b), t);
  return rgbBytes(c.red, c.green, c.blue);
}

float reliefShade(const Tile& t, const Tile& n, const PlanetStatistics& p,
                  float altitudeShadeScale) {
  const double range = static_cast<double>(p.elevationMax) - static_cast<double>(p.seaLevel);
  if (range == 0) return 0;
  double s = 2 * (static_cast<double>(t.elevation) - static_cast<double>(n.elevation)) / range *
             static_cast<double>(altitudeShadeScale);
  s = std::min(std::max(s, -0.4), 0.4);
  // Ease towards the limit; a NaN falls through to no shade.
  const double a = std::abs(s);
  const double eased = 0.4 * (1 - (1 - 2.5 * a) * (1 - 2.5 * a));
  if (s > 0) return static_cast<float>(eased);
  if (s < 0) return static_cast<float>(-eased);
  return 0;
}

void drawGroundCover(const Tile& t, float shade, const PlanetStatistics& p,
                     const RiverNetwork& rivers, Rgb& color, Rgb& mask) {
  const double temp = t.temperature;
  const bool sea = t.isSea();
  // A weight of 0 (always so on sea) leaves the dry colour as it is, so the
  // vegetation is only worked out where it shows.
  Channels c = dryColor(temp);
  const float w = static_cast<float>(vegetationWeight(t, p, rivers, temp, sea));
  if (w != 0) c = mixChannels(c, vegetationColor(temp), w);

  double s = shade;
  if (sea) {
    c.red = seaChannel(c.red);
    c.green = seaChannel(c.green);
    c.blue = toByte(0.7 * 255);
    s = s * 0.3;
  }

  const double landIce = clamp01(1 - (temp + 10) / (5 + 10));
  const float g = static_cast<float>(sea ? 0 : std::max(1 - landIce, 0.2));
  const uint8_t gray = toByte(static_cast<double>(g) * 255);
  mask.red = gray;
  mask.green = gray;
  mask.blue = gray;

  const double ice = sea ? 1 - clamp01((temp + 15) / (-12.5 + 15)) : landIce;
  c = mixChannels(c, channelsOf(kWhite), static_cast<float>(ice));
  c = mixChannels(c, channelsOf(kBlack), static_cast<float>(std::max(-s, 0.0)));
  c = mixChannels(c, channelsOf(kWhite), static_cast<float>(std::max(s, 0.0)));
  color.red = c.red;
  color.green = c.green;
  color.blue = c.blue;
}

GroundPixel groundCover(const Tile& t, float shade, const PlanetStatistics& p,
                        const RiverNetwork& rivers) {
  GroundPixel pixel;
  drawGroundCover(t, shade, p, rivers, pixel.color, pixel.mask);
  return pixel;
}

float inverseElevationRange(const PlanetStatistics& p) {
  const double range = static_cast<double>(p.elevationMax) - static_cast<double>(p.elevationMin);
  return range == 0 ? 0 : static_cast<float>(1 / range);
}

Rgb elevationPanelColor(const Tile& t, const PlanetStatistics& p, float inverseRange) {
  double e = 0;
  if (p.elevationMax != p.elevationMin) {
    e = clamp01((static_cast<double>(t.elevation) - static_cast<double>(p.elevationMin)) *
                static_cast<double>(inverseRange));
  }
  if (t.isSea()) {
    const float half = static_cast<float>(0.5 * e);
    return rgbFromFractions(half, half, 0.7f);
  }
  const float f = static_cast<float>(e);
  return rgbFromFractions(f, f, f);
}

Rgb rainPanelColor(const Tile& t, const PlanetStatistics& p) {
  const double r =
      p.rainfall == 0 ? 0 : static_cast<double>(t.rain) / static_cast<double>(p.rainfall);
  return rgbFromFractions(t.isSea() ? 0.0f : 0.1f, static_cast<float>(r),
                          static_cast<float>(r / 2));
}

Rgb temperaturePanelColor(const Tile& t, const PlanetStatistics& p) {
  const double range =
      static_cast<double>(p.temperatureMax) - static_cast<double>(p.temperatureMin);
  const double q =
      range == 0
          ? 0.5
          : (static_cast<double>(t.temperature) - static_cast<double>(p.temperatureMin)) / range;
  return rgbFromFractions(static_cast<float>(q), 0, static_cast<float>(1 - q));
}

Rgb humidityPanelColor(const Tile& t) {
  const double h = std::min(static_cast<double>(t.humidity), 1.0);
  return rgbFromFractions(0, 0, static_cast<float>(h));
}

Rgb sedimentPanelColor(const Tile& t, const PlanetStatistics& p) {
  const float d = static_cast<float>(clamp01(1 - static_cast<double>(t.sediment) / 0.05));
  Rgb c = rgbFromFractions(d, d, d);
  if (isLake(t, p.seaLevel)) c.red = 255;
  return c;
}

}  // namespace geoweave::detail
