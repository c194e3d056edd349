#pragma once

#include "image/rgb_image.h"
#include "render/pixel_map.h"

struct Planet;
struct PlanetParams;

// Draws the planet as it stands into the ground-cover map (width x height)
// and the six-panel sheet and writes them; a null name skips that file. A
// file that cannot be written is reported on standard error; the result is
// then false (the other file is still written).
bool renderSnapshot(const char* groundName, const char* allName, int width, int height,
                    float altitudeShadeScale, const PlanetParams* params, const Planet* planet);

// What a run's snapshots draw with: where each pixel falls on the grid (the
// same for every turn), the seven map-sized panels and the six-panel sheet.
// Made once for a run; each snapshot starts from black images.
struct SnapshotCanvas {
  PixelMap map;
  RgbImage ground;
  RgbImage sediment;
  RgbImage elevation;
  RgbImage rain;
  RgbImage temperature;
  RgbImage humidity;
  RgbImage riverMask;  // fades the river lines; never written
  RgbImage sheet;
  // Relief shade of every pixel. It depends on ground elevation alone, which
  // no climate turn changes, so it is worked out once for the shading inputs
  // it was made with and remade only when they differ.
  Buffer<float> shade;
  bool shadeMade = false;
  float shadeScale = 0;
  float shadeElevationMax = 0;
  float shadeSeaLevel = 0;

  SnapshotCanvas(const Planet& planet, int w, int h);
  void clear();
  void makeShade(const Planet& planet, const PlanetParams& params, float altitudeShadeScale);
};

bool renderSnapshot(const char* groundName, const char* allName, SnapshotCanvas& canvas,
                    float altitudeShadeScale, const PlanetParams* params, const Planet* planet);
