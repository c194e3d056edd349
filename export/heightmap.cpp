#include "export/heightmap.h"

#include <cmath>

namespace geoweave::detail {

double heightmapPosition(double height, float elevationMin, float elevationMax) {
  const double low = elevationMin;
  const double range = static_cast<double>(elevationMax) - low;
  if (range == 0) return 0;
  return (height - low) / range * 65535.0;
}

uint16_t heightmapValue(float height, float elevationMin, float elevationMax) {
  const double position = heightmapPosition(height, elevationMin, elevationMax);
  // Written so that NaN fails the first test and lands on 0.
  if (!(position > 0)) return 0;
  if (position >= 65535.0) return 65535;
  return static_cast<uint16_t>(std::floor(position + 0.5));
}

std::vector<uint16_t> heightmapOf(const std::vector<float>& heights, float elevationMin,
                                  float elevationMax) {
  std::vector<uint16_t> values(heights.size());
  for (size_t i = 0; i < heights.size(); ++i) {
    values[i] = heightmapValue(heights[i], elevationMin, elevationMax);
  }
  return values;
}

}  // namespace geoweave::detail
