#pragma once

#include <cstdint>

namespace geoweave::detail {

class PlanetGrid;

// The sea's standing water as the grid holds it. Each distinct surface point
// counts once.
struct OceanMeasure {
  // The lower median of ground + water over the ocean's points (those the
  // maps draw as sea whose bedrock lies at or below the sea level), in
  // height units; the level the sea was filled to (the sea level plus the
  // sediment every point starts with) when no point is ocean.
  float surface = 0;
  int64_t oceanPoints = 0;
  // Points the maps draw as sea whose bedrock lies above the sea level.
  int64_t lakePoints = 0;
};

// Measures the ocean of a generated grid whose sea level is seaLevel,
// sharing the diamonds out between the workers; the result does not depend
// on their number. Reads the grid three times and needs 80 KB of scratch
// space; std::bad_alloc when that cannot be had.
OceanMeasure measureOcean(const PlanetGrid& planet, float seaLevel, int workers);

}  // namespace geoweave::detail
