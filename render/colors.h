#pragma once

#include <cstdint>

#include "climate/rivers.h"
#include "image/rgb.h"
#include "world/planet_statistics.h"
#include "world/tile_fields.h"

namespace geoweave::detail {

// Pixel colour rules of the rendered maps: ground cover with relief shading,
// the river mask and the five data panels. Each rule reads one pixel's
// interpolated tile, the run's statistics and, for the ground cover, its
// river thresholds; nothing else.

constexpr Rgb kOlive = rgbBytes(96, 96, 0);
constexpr Rgb kYellow = rgbBytes(255, 255, 0);
constexpr Rgb kBrown = rgbBytes(96, 48, 0);
constexpr Rgb kGreen = rgbBytes(0, 128, 0);
constexpr Rgb kDarkGreen = rgbBytes(0, 48, 0);

// Each channel is its fraction times 255, truncated. Callers keep the
// fractions in [0, 1]; nothing is clamped here.
Rgb rgbFromFractions(float red, float green, float blue);

// a at t = 0, b at t = 1; 1 - t is formed in single precision.
Rgb mixRgb(Rgb a, Rgb b, float t);

// Relief shade in [-0.4, 0.4] from the elevation difference to the pixel's
// north-west neighbour n; 0 when the land has no height range above sea.
float reliefShade(const Tile& t, const Tile& n, const PlanetStatistics& p,
                  float altitudeShadeScale);

// The ground-cover colour and the grey river-mask value of one pixel.
struct GroundPixel {
  Rgb color;
  Rgb mask;
};
GroundPixel groundCover(const Tile& t, float shade, const PlanetStatistics& p,
                        const RiverNetwork& rivers);
// The same colour and mask stored straight into the pixels that show them:
// for the drawing loops, where a returned pair of three-byte colours would
// be taken apart through memory.
void drawGroundCover(const Tile& t, float shade, const PlanetStatistics& p,
                     const RiverNetwork& rivers, Rgb& color, Rgb& mask);

// 1 / (elevationMax - elevationMin) as a float, or 0 for an empty range, so
// that the elevation panel shows 0 there instead of NaN.
float inverseElevationRange(const PlanetStatistics& p);

// The elevation panel is 0 for an empty elevation range, whatever inverse
// range is passed.
Rgb elevationPanelColor(const Tile& t, const PlanetStatistics& p, float inverseRange);
Rgb rainPanelColor(const Tile& t, const PlanetStatistics& p);
Rgb temperaturePanelColor(const Tile& t, const PlanetStatistics& p);
Rgb humidityPanelColor(const Tile& t);
Rgb sedimentPanelColor(const Tile& t, const PlanetStatistics& p);

}  // namespace geoweave::detail
