#pragma once

#include <string>

#include "geoweave/status.h"

namespace geoweave {

// The library's version, "MAJOR.MINOR.PATCH". Never null; the text lives as
// long as the program.
const char* version();

// The generation options. The same settings give the same planet, to the
// last bit, on every run, build type and number of workers. Real values are
// stored as floats during generation: each must be finite as a float (about
// +-3.4e38).
struct Settings {
  // Any int; only its low 32 bits start the random sequence.
  int seed = 19800518;
  // Equatorial width in pixels that sizes the grid: the grid gets the level
  // whose diamonds' side suits a map of width / zoom pixels. At least 1. The
  // largest usable value depends on zoom and memory: a grid above level 13
  // (widths beyond about 16384 at zoom 1) or one larger than the memory the
  // process may use is refused by Planet::generate with kGridTooLarge.
  int width = 512;
  // Divides the width when sizing the grid: fewer, faster tiles. Positive.
  float zoom = 1.0f;
  // Spread of the twelve icosahedron corners' starting elevations around
  // their mean of 0.5, in height units: more gives bigger continents. Any
  // finite value; 0 starts every corner at the same height.
  float cornerRange = 0.2f;
  // Percentage of the surface that is land: the sea level is set so that
  // this share of the grid's points lies above it. Finite; 0 to 100 is the
  // meaningful range (values outside it give an all-sea or all-land planet).
  double landPercent = 25;
  // Percentage of land points that carry rivers: the river threshold is the
  // water flow exceeded by this share of land. Finite and not negative.
  double riverPercent = 5;
  // Climate turns (evaporation, wind, rain, run-off); at least 1. Each turn
  // costs the same time, roughly that of one fractal pass.
  int turns = 10;
  // Cap on the fractal amplitude: 1.0 gives continents, 0.2 islands; below
  // 0.2 the icosahedron's corners may show. Positive.
  float shareCap = 0.2f;
  // Strength of the relief shading in rendered maps (not in the planet);
  // negative swaps light and dark. Finite.
  float shadeScale = 1.0f;
  // Worker threads for generation, sampling and rendering: 0 means every
  // processor the process may run on; any value is clamped to 1..16. The
  // planet never depends on it. Not negative.
  int workers = 0;
};

// Status::kOk when every setting lies within the limits stated above;
// otherwise Status::kInvalidSettings with a one-line message naming the
// setting and its rule in *error (when error is not null). Thread-safe.
Status validate(const Settings& settings, std::string* error);

}  // namespace geoweave
