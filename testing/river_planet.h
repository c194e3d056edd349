#pragma once

// Test support: a small generated planet with many rivers, some across the
// seam, for the tests of what draws or rasterises them.

#include <gtest/gtest.h>

#include "geoweave/planet.h"

namespace geoweave::detail {

// Generates width 64, two turns, rivers at 30 %: about a hundred segments
// in well under a second. Fails the calling test when it cannot.
inline void generateRiverPlanet(geoweave::Planet* planet) {
  geoweave::Settings settings;
  settings.width = 64;
  settings.turns = 2;
  settings.riverPercent = 30;
  ASSERT_EQ(planet->generate(settings, {}, nullptr), geoweave::Status::kOk);
}

}  // namespace geoweave::detail
