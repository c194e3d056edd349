#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace geoweave::detail {

// One home for the numeric helpers every layer uses.

// Pi in double, for directions and projections.
constexpr double kPiDouble = 3.14159265358979323846;
// Pi as a float and 1/pi formed from that float: the grid's map fractions are
// defined with these, in this order.
constexpr float kPi = static_cast<float>(kPiDouble);
constexpr float kInvPi = static_cast<float>(1.0 / static_cast<double>(kPi));

inline double clamp01(double x) {
  return std::min(std::max(x, 0.0), 1.0);
}

// A fraction brought into [0, 1] by whole turns; each step is rounded to
// float again, as the map fractions are stored.
inline float wrapUnit(float value) {
  while (value < 0) value = static_cast<float>(value + 1.0);
  while (value > 1) value = static_cast<float>(value - 1.0);
  return value;
}

// A double stored as float, or false (stored untouched) when the float would
// not be finite.
inline bool toFiniteFloat(double value, float& stored) {
  if (!std::isfinite(value)) return false;
  // Below this bound round-to-nearest still gives FLT_MAX.
  const double limit = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 103);
  if (std::fabs(value) >= limit) return false;
  stored = static_cast<float>(value);
  return true;
}

// Rounds halves away from zero (2.5 -> 3, -2.5 -> -3).
inline double roundHalfAway(double v) {
  return v >= 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5);
}

}  // namespace geoweave::detail
