#include "climate/ocean_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "testing/test_world.h"

namespace geoweave::detail {
namespace {

using climate_test::TestWorld;

// A hand-made planet of ocean, lake and land points: the surface is the
// lower median of the ocean's points alone, negative heights and values
// that share their upper bits included, on any number of workers; with no
// ocean it is the level the sea was filled to.
TEST(OceanSurface, LowerMedianOfTheOceanAlone) {
  TestWorld world(16);
  const float seaLevel = 0;
  std::vector<float> oceanSurfaces;
  int64_t lakes = 0;
  int point = 0;
  world.forEach([&](Tile& t) {
    const int kind = point % 5;
    const int k = point++;
    if (kind == 3) {  // standing water on bedrock above the sea level
      t.elevation = 0.25f;
      t.waterDepth = 0.5f;
      ++lakes;
    } else if (kind == 4) {  // dry land below the sea level
      t.elevation = -0.5f;
    } else {
      t.elevation = -1;
      // Surfaces from -0.3 up, many in steps too small to change the upper
      // half of their bits, and one point's worth of flow that makes it land.
      t.waterDepth =
          0.7f + 0.0001f * static_cast<float>((k * 37) % 101) + (k % 7 == 0 ? 0.5f : 0.0f);
      if (k == 11 || k == 12) t.waterFlow = t.waterDepth;
      if (t.isSea()) oceanSurfaces.push_back(t.surfaceHeight());
    }
  });
  ASSERT_EQ(oceanSurfaces.size() % 2, 0u) << "an even count tells the lower median apart";
  std::vector<float> sorted = oceanSurfaces;
  std::sort(sorted.begin(), sorted.end());
  ASSERT_LT(sorted.front(), 0.0f);
  for (const int workers : {1, 3}) {
    const OceanMeasure measure = measureOcean(world.planet, seaLevel, workers);
    EXPECT_EQ(measure.oceanPoints, static_cast<int64_t>(sorted.size()));
    EXPECT_EQ(measure.lakePoints, lakes);
    EXPECT_EQ(measure.surface, sorted[(sorted.size() - 1) / 2]) << workers << " workers";
  }

  world.forEach([](Tile& t) { t.waterDepth = 0; });
  const OceanMeasure dry = measureOcean(world.planet, 0.25f, 2);
  EXPECT_EQ(dry.oceanPoints, 0);
  EXPECT_EQ(dry.surface, 0.3f);
}

}  // namespace
}  // namespace geoweave::detail
