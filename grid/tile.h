#pragma once

#include <cstdint>
#include <type_traits>

#include "grid/tile_coord.h"

// Depths of water and sediment are measured in this unit.
constexpr float kDepthUnit = static_cast<float>(1.0 / 10000.0);
// More than this much standing water makes a tile sea.
constexpr float kSeaDepth = static_cast<float>(60.0 * kDepthUnit);

// The whole state of one surface point. Every pass copies a record out, changes
// it and writes it back to every copy of its point, so it is a plain value.
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
  int32_t neighborCount = 0;
  TileCoord neighbors[6] = {};
  float moveFractions[6] = {};

  // More than a minimal depth of water that is not merely flowing through.
  bool isSea() const {
    return waterDepth > kSeaDepth &&
           2.2 * static_cast<double>(waterFlow) < static_cast<double>(waterDepth);
  }

  // The height that air and water see.
  float surfaceHeight() const {
    return static_cast<float>(static_cast<double>(elevation) + static_cast<double>(sediment) +
                              static_cast<double>(waterDepth));
  }
};
static_assert(std::is_trivially_copyable_v<Tile>, "tiles are copied whole");
