#pragma once

namespace geoweave::detail {

// What the stages measure of the planet they made, for the stages after
// them, the pictures and the closing statistics line. Each is written by the
// stage named beside it and read from then on; all are 0 before it.
struct PlanetStatistics {
  // Terrain (sea level stage): the ground's range and the sea level in it.
  float elevationMin = 0;
  float elevationMax = 0;
  float seaLevel = 0;
  // Climate (river stage): the largest water flow of any tile.
  float waterFlowing = 0;
  // Climate: the largest rain of any tile, after each atmosphere pass and
  // finally in the river stage.
  float rainfall = 0;
  // Climate (temperature stage).
  float temperatureMin = 0;
  float temperatureMax = 0;
  // Terrain (sea level stage): the largest elevation step between
  // neighbouring tiles.
  float tileElevationDiff = 0;
};

}  // namespace geoweave::detail
