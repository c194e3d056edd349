#pragma once

#include <cstdint>
#include <type_traits>

#include "grid/tile_coord.h"

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

// The fields the climate turns read and write, one 32-byte record per grid
// position: two share a cache line, so the passes that jump across the
// planet fetch as little as possible.
struct alignas(32) HotTile {
  float elevation = 0;
  float temperature = 0;
  float humidity = 0;
  float humidityInflow = 0;
  float rain = 0;
  float waterDepth = 0;
  float waterFlow = 0;
  float sediment = 0.05f;

  bool isSea() const { return isSeaWater(waterDepth, waterFlow); }
  float surfaceHeight() const { return surfaceHeightOf(elevation, sediment, waterDepth); }
};
static_assert(sizeof(HotTile) == 32, "two hot records per cache line");
static_assert(std::is_trivially_copyable_v<HotTile>, "hot records are copied whole");

// The shares of a point's moisture that go to each of its neighbours, in
// the order the grid lists them (the sixth is 0 at the twelve vertices).
struct MoveFractions {
  float share[6] = {};
};
static_assert(sizeof(MoveFractions) == 24, "six floats, no padding");

// The whole state of one surface point as a value: roughness (read only by
// the elevation pass and the pictures) and the hot fields. The planet keeps
// the two apart; a Tile is assembled from them and stored back to them.
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
};
static_assert(std::is_trivially_copyable_v<Tile>, "tiles are copied whole");

}  // namespace geoweave::detail
