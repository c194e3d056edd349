// A planet's own river list drawn onto its maps, checked against the overlay
// rules rather than against a second drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/numeric.h"
#include "generation/generate.h"
#include "generation/planet_run.h"
#include "render/render_snapshot.h"
#include "render/river_overlay.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

namespace {
constexpr Rgb kRiverBlue{204, 51, 51};

bool between(uint8_t value, uint8_t from, uint8_t to) {
  return value >= std::min(from, to) && value <= std::max(from, to);
}

struct RiverMaps : testing::Test {
  PlanetGrid planet;
  PlanetRun run;
  // The same thresholds with no segments.
  RiverNetwork withoutRivers;

  void SetUp() override {
    planet.buildIcosahedron();
    ASSERT_TRUE(planet.allocate(128, 1.0f));
    run.terrain.random.seed(3);
    run.settings.turns = 4;
    run.settings.riverFraction = 0.3f;  // plenty of segments to look at
    ASSERT_EQ(generatePlanet(planet, run), GenerateStatus::kDone);
    ASSERT_GT(run.rivers.points.count, 20);
    withoutRivers.flowThreshold = run.rivers.flowThreshold;
    withoutRivers.majorFlowThreshold = run.rivers.majorFlowThreshold;
  }
};

TEST_F(RiverMaps, DrawnPixelsFollowTheOverlayRules) {
  const int w = 256, h = 128;
  SnapshotCanvas plain(planet, w, h, 1);
  ASSERT_TRUE(plain.ok());
  drawSnapshot(plain, 1.0f, run.statistics, withoutRivers, planet);
  SnapshotCanvas drawn(planet, w, h, 2);
  ASSERT_TRUE(drawn.ok());
  drawSnapshot(drawn, 1.0f, run.statistics, run.rivers, planet);

  int changed = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Rgb before = plain.ground.at(x, y);
      const Rgb after = drawn.ground.at(x, y);
      const uint8_t mask = drawn.riverMask.at(x, y).red;
      if (mask == 0) {
        // Over sea the mask hides every line.
        EXPECT_EQ(after, before) << x << "," << y;
        EXPECT_EQ(drawn.sediment.at(x, y), plain.sediment.at(x, y)) << x << "," << y;
        continue;
      }
      if (after == before) continue;
      ++changed;
      // A line only ever blends a pixel towards the river colour.
      EXPECT_TRUE(between(after.red, before.red, kRiverBlue.red)) << x << "," << y;
      EXPECT_TRUE(between(after.green, before.green, kRiverBlue.green)) << x << "," << y;
      EXPECT_TRUE(between(after.blue, before.blue, kRiverBlue.blue)) << x << "," << y;
    }
  }
  EXPECT_GT(changed, 0);

  // A segment starting with full opacity paints its first pixel exactly the
  // river colour where the mask is full, and later lines keep it so.
  int fullStarts = 0;
  for (int32_t i = 0; i + 1 < run.rivers.points.count; i += 2) {
    const RiverPoint& p = run.rivers.points[i];
    const int x = static_cast<int>(roundHalfAway(w * static_cast<double>(p.longitude)));
    const int y = static_cast<int>(roundHalfAway(h * static_cast<double>(p.latitude)));
    if (riverOpacity(p.flow, run.rivers) != 1.0f || x < 0 || y < 0 || x >= w || y >= h) continue;
    if (drawn.riverMask.at(x, y).red != 255) continue;
    ++fullStarts;
    EXPECT_EQ(drawn.ground.at(x, y), kRiverBlue) << "segment " << i / 2;
    EXPECT_EQ(drawn.sediment.at(x, y), kRiverBlue) << "segment " << i / 2;
  }
  EXPECT_GT(fullStarts, 0);

  // Rivers touch the ground map and the sediment panel only.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      EXPECT_EQ(drawn.elevation.at(x, y), plain.elevation.at(x, y));
      EXPECT_EQ(drawn.rain.at(x, y), plain.rain.at(x, y));
    }
  }
}
}  // namespace

}  // namespace geoweave::detail
