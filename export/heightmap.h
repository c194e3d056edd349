#pragma once

#include <cstdint>
#include <vector>

namespace geoweave::detail {

// The 16-bit heightmap: ground heights mapped linearly so that the planet's
// lowest elevation (elevationMin) becomes 0 and its highest (elevationMax)
// 65535.

// Where a height falls on that scale, unrounded and unclamped (sea level is
// recorded this way). 0 when max == min: a flat range has no scale.
double heightmapPosition(double height, float elevationMin, float elevationMax);

// The stored value of a height: its position clamped to 0..65535 and rounded
// to the nearest whole value (halves up). Ground can lie outside the
// elevation range (sediment on the highest rock), hence the clamp; a height
// that is not a number gives 0.
uint16_t heightmapValue(float height, float elevationMin, float elevationMax);

// heightmapValue() of every height, in the same order.
std::vector<uint16_t> heightmapOf(const std::vector<float>& heights, float elevationMin,
                                  float elevationMax);

}  // namespace geoweave::detail
