#pragma once

#include "base/random.h"

namespace geoweave::detail {

// What the terrain keeps for the whole run: the random sequence its fractal
// passes draw from. The caller seeds it before generation; the passes then
// draw in one fixed order, so a seed always gives the same planet, and each
// run has its own, so planets made at once never see each other's draws.
struct TerrainState {
  Random random;
};

}  // namespace geoweave::detail
