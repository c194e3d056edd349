#pragma once

namespace geoweave::detail {

// One end of a river segment: map fractions of a tile and its water flow.
struct RiverPoint {
  float longitude = 0;
  float latitude = 0;
  float flow = 0;
};
static_assert(sizeof(RiverPoint) == 12, "three floats, no padding");

}  // namespace geoweave::detail
