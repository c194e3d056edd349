#pragma once

#include <cstdint>

namespace geoweave::detail {

// What a run is asked to make: set by the caller before generation starts
// and only read from then on. Fractions are shares of the surface in [0, 1];
// the elevations and the noise scale are in the terrain's own units, where
// the corner elevations spread about the mean.
struct GenerationSettings {
  // The twelve icosahedron vertices' elevations: mean plus range times a
  // bell-shaped draw.
  float cornerElevationMean = 0.5f;
  float cornerElevationRange = 0.2f;
  // Scales the elevation pass's random offsets.
  float elevationNoiseScale = 1.0f;
  // The share of the surface the sea level puts under water.
  float seaFraction = 0.75f;
  // The share of land tiles that carry a river.
  float riverFraction = 0.05f;
  // The most any fractal level's offsets may be scaled by (0.2 and up):
  // small makes islands, 1 continents.
  float shareCap = 0.2f;
  // Climate turns, 1 and up.
  int32_t turns = 10;
  // The most humidity dry air takes from the global water reserve at one
  // tile in one atmosphere pass.
  float reserveTransferLimit = 0.02f;
};

}  // namespace geoweave::detail
