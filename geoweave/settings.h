#pragma once

#include <string>

namespace geoweave {

// The library's version, "MAJOR.MINOR.PATCH".
const char* version();

// The generation options. The defaults and limits are those of GeoweaveTest:
// the same settings give the same planet, to the last bit, as GeoweaveTest
// with the equivalent options.
struct Settings {
  int seed = 19800518;
  // Equatorial width in pixels that sizes the grid; with zoom it picks the
  // grid level (finer grids for wider maps). At least 1.
  int width = 512;
  // Divides the width when sizing the grid: fewer, faster tiles. Positive.
  float zoom = 1.0f;
  // Spread of the twelve corner elevations: more gives bigger continents.
  float cornerRange = 0.2f;
  // Percentage of the surface that is land.
  double landPercent = 25;
  // Percentage of land tiles that carry rivers; not negative.
  double riverPercent = 5;
  // Climate turns; at least 1. Each costs about as much as a fractal pass.
  int turns = 10;
  // Cap on the fractal amplitude: 1.0 continents, 0.2 islands. Positive.
  float shareCap = 0.2f;
  // Strength of the relief shading in rendered maps (negative swaps light
  // and dark).
  float shadeScale = 1.0f;
  // Worker threads; 0 means every processor the process may run on. The
  // planet never depends on it.
  int workers = 0;
};

// True when every setting lies within its limits and every real value is
// finite (as a float); otherwise false with a one-line message naming the
// setting and its rule in *error (when error is not null).
bool validate(const Settings& settings, std::string* error);

}  // namespace geoweave
