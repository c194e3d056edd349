#pragma once

#include <cstdint>
#include <type_traits>

namespace geoweave::detail {

// Depths of water and sediment are measured in this unit.
constexpr float kDepthUnit = static_cast<float>(1.0 / 10000.0);
// More than this much standing water makes a tile sea.
constexpr float kSeaDepth = static_cast<float>(60.0 * kDepthUnit);

// More than a minimal depth of water that is not merely flowing through.
inline bool isSeaWater(float waterDepth, float waterFlow) {
  return waterDepth > kSeaDepth &&
         2.2 * static_cast<double>(waterFlow) < static_cast<double>(waterDepth);
}

// The height that air and water see: ground, sediment and water summed in
// double, rounded once.
inline float surfaceHeightOf(float elevation, float sediment, float waterDepth) {
  return static_cast<float>(static_cast<double>(elevation) + static_cast<double>(sediment) +
                            static_cast<double>(waterDepth));
}

// The per-point fields of a planet, as laid over the grid's positions (see
// planet_grid.h). The terrain makes the ground and the first temperatures and
// water; the climate works on them turn after turn. One record holds the
// fields of both, as every climate turn reads the terrain's and writes its
// own side by side; which layer writes which field is noted at each.

// The fields the climate turns read and write, one 32-byte record per grid
// position: two share a cache line, so the passes that jump across the
// planet fetch as little as possible.
struct alignas(32) HotTile {
  // Terrain (the elevation pass); read by everything after it.
  float elevation = 0;
  // Terrain (the temperature pass), then the climate's temperature stage.
  float temperature = 0;
  // Climate: the temperature stage starts it, the turns move it.
  float humidity = 0;
  // Climate: moisture arriving from the neighbours during a turn.
  float humidityInflow = 0;
  // Climate (the atmosphere pass).
  float rain = 0;
  // Terrain (the sea level stage fills the seas), then the climate turns.
  float waterDepth = 0;
  // Climate (the atmosphere and water passes).
  float waterFlow = 0;
  // Climate (the water pass erodes and deposits it); every point starts with
  // this much.
  float sediment = 0.05f;

  bool isSea() const { return isSeaWater(waterDepth, waterFlow); }
  float surfaceHeight() const { return surfaceHeightOf(elevation, sediment, waterDepth); }
};
static_assert(sizeof(HotTile) == 32, "two hot records per cache line");
static_assert(std::is_trivially_copyable_v<HotTile>, "hot records are copied whole");

// The shares of a point's moisture that go to each of its neighbours, in
// the order the grid lists them (the sixth is 0 at the twelve vertices).
// Written once by the terrain (move_fractions.h), read by the atmosphere.
struct MoveFractions {
  float share[6] = {};
};
static_assert(sizeof(MoveFractions) == 24, "six floats, no padding");

// The whole state of one surface point as a value: roughness (written by
// the terrain's roughness pass, read only by the elevation pass and the
// pictures) and the hot fields. The planet keeps the two apart; a Tile is
// assembled from them and stored back to them.
struct Tile {
  float roughness = 0;
  float elevation = 0;
  float temperature = 0;
  float humidity = 0;
  float humidityInflow = 0;
  float rain = 0;
  float waterDepth = 0;
  float waterFlow = 0;
  float sediment = 0.05f;

  Tile() = default;
  Tile(float roughnessValue, const HotTile& h)
      : roughness(roughnessValue),
        elevation(h.elevation),
        temperature(h.temperature),
        humidity(h.humidity),
        humidityInflow(h.humidityInflow),
        rain(h.rain),
        waterDepth(h.waterDepth),
        waterFlow(h.waterFlow),
        sediment(h.sediment) {}

  // The fields the hot record holds.
  HotTile hot() const {
    HotTile h;
    h.elevation = elevation;
    h.temperature = temperature;
    h.humidity = humidity;
    h.humidityInflow = humidityInflow;
    h.rain = rain;
    h.waterDepth = waterDepth;
    h.waterFlow = waterFlow;
    h.sediment = sediment;
    return h;
  }

  bool isSea() const { return isSeaWater(waterDepth, waterFlow); }
  float surfaceHeight() const { return surfaceHeightOf(elevation, sediment, waterDepth); }
  // The ground under any water: elevation and sediment summed in double,
  // rounded once.
  float groundHeight() const {
    return static_cast<float>(static_cast<double>(elevation) + static_cast<double>(sediment));
  }
};
static_assert(std::is_trivially_copyable_v<Tile>, "tiles are copied whole");

}  // namespace geoweave::detail
