#pragma once

#include <cfloat>

namespace geoweave::detail {

// A double rounded to float, held at the largest finite float instead of
// becoming infinite; extreme settings can carry values past the float range.
inline float saturatedFloat(double v) {
  if (v > FLT_MAX) return FLT_MAX;
  if (v < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(v);
}

}  // namespace geoweave::detail
