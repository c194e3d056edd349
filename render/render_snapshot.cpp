#include "render/render_snapshot.h"

#include <cstdio>
#include <cstring>

#include "grid/planet.h"
#include "image/rgb_image.h"
#include "render/colors.h"
#include "render/projection.h"
#include "render/river_overlay.h"

namespace {
// The seven map-sized images a snapshot is drawn into.
struct Panels {
  RgbImage ground;
  RgbImage sediment;
  RgbImage elevation;
  RgbImage rain;
  RgbImage temperature;
  RgbImage humidity;
  RgbImage riverMask;

  Panels(int w, int h)
      : ground(w, h),
        sediment(w, h),
        elevation(w, h),
        rain(w, h),
        temperature(w, h),
        humidity(w, h),
        riverMask(w, h) {}
};

// Latitude fraction of a pixel row; a single row lies on the equator.
float rowLatitude(int y, int height) {
  return height > 1 ? static_cast<float>(static_cast<double>(y) / (height - 1)) : 0.5f;
}

void drawPixels(Panels& panels, int width, int height, float altitudeShadeScale,
                const PlanetParams& params, const Planet& planet) {
  const float inverseRange = inverseElevationRange(params);
  for (int y = 0; y < height; ++y) {
    const float v = rowLatitude(y, height);
    for (int x = 0; x < width; ++x) {
      const float u = static_cast<float>(static_cast<double>(x) / width);
      const Tile t = planet.interpolateTile(locateTilePoint(planet, v, u));
      float shade = 0;
      if (y < height - 1) {
        // Light from the upper left: compare with the pixel one column west
        // (wrapping at column 0) and one row north, placed coarsely.
        const int westX = x == 0 ? width - 1 : x - 1;
        const float westU = static_cast<float>(static_cast<double>(westX) / width);
        const float northV = rowLatitude(y + 1, height);
        const Tile n = planet.interpolateTile(netTilePoint(planet, northV, westU));
        shade = reliefShade(t, n, params, altitudeShadeScale);
      }
      const GroundPixel ground = groundCover(t, shade, params);
      panels.ground.at(x, y) = ground.color;
      panels.riverMask.at(x, y) = ground.mask;
      panels.elevation.at(x, y) = elevationPanelColor(t, params, inverseRange);
      panels.rain.at(x, y) = rainPanelColor(t, params);
      panels.temperature.at(x, y) = temperaturePanelColor(t, params);
      panels.humidity.at(x, y) = humidityPanelColor(t);
      panels.sediment.at(x, y) = sedimentPanelColor(t, params);
    }
  }
}

// Two panels across, three down; buffer row 0 is the bottom of the file, so
// the ground map sits bottom left and temperature top left.
void compose(const Panels& panels, RgbImage& sheet, int width, int height) {
  const RgbImage* layout[3][2] = {{&panels.ground, &panels.sediment},
                                  {&panels.elevation, &panels.rain},
                                  {&panels.temperature, &panels.humidity}};
  for (int band = 0; band < 3; ++band) {
    for (int y = 0; y < height; ++y) {
      for (int column = 0; column < 2; ++column) {
        std::memcpy(&sheet.at(column * width, band * height + y), &layout[band][column]->at(0, y),
                    sizeof(Rgb) * static_cast<size_t>(width));
      }
    }
  }
}

bool write(const RgbImage& image, const char* name) {
  if (name == nullptr || image.writeBmp(name)) return true;
  std::fflush(stdout);
  std::fprintf(stderr, "warning: could not write %s\n", name);
  return false;
}
}  // namespace

bool renderSnapshot(const char* groundName, const char* allName, int width, int height,
                    float altitudeShadeScale, const PlanetParams* params, const Planet* planet) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  Panels panels(width, height);
  RgbImage sheet(2 * width, 3 * height);
  drawPixels(panels, width, height, altitudeShadeScale, *params, *planet);
  drawRivers(params->riverPoints, panels.ground, panels.sediment, panels.riverMask);
  if (width > 0) compose(panels, sheet, width, height);
  const bool groundWritten = write(panels.ground, groundName);
  const bool allWritten = write(sheet, allName);
  return groundWritten && allWritten;
}
