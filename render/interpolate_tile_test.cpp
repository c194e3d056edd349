#include "render/interpolate_tile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "world/planet_grid.h"

namespace geoweave::detail {

namespace {

// The blended fields; roughness is never read.
constexpr float Tile::*kFields[8] = {
    &Tile::elevation, &Tile::temperature, &Tile::humidity,  &Tile::humidityInflow,
    &Tile::rain,      &Tile::waterDepth,  &Tile::waterFlow, &Tile::sediment,
};

// A tile whose eight blended fields are base, 2 base, ... 8 base, its
// roughness 9 base.
Tile scaled(float base) {
  Tile t;
  t.roughness = 9 * base;
  for (int i = 0; i < 8; ++i) t.*kFields[i] = base * static_cast<float>(i + 1);
  return t;
}

Tile poisoned() {
  Tile t;
  t.roughness = std::numeric_limits<float>::quiet_NaN();
  for (const auto field : kFields) t.*field = std::numeric_limits<float>::quiet_NaN();
  return t;
}

TilePoint at(int diamond, int x, int y, float fx = 0, float fy = 0) {
  TilePoint p;
  p.coord = TileCoord{diamond, x, y};
  p.fracX = fx;
  p.fracY = fy;
  return p;
}

// A side-5 grid whose every record is NaN, and so is the room after the last
// record of the hot and roughness arrays (where whole records once had two
// spare diamond blocks): a read of any tile the test did not set, or of one
// past diamond 9, shows up in the result.
struct InterpolateTile : testing::Test {
  PlanetGrid planet;
  void SetUp() override {
    ASSERT_TRUE(planet.allocate(16, 1));
    ASSERT_EQ(planet.side(), 5);
    for (int64_t i = 0; i < planet.records(); ++i) planet.setTile(planet.coordOf(i), poisoned());
    const Tile nan = poisoned();
    const auto* hotEnd = reinterpret_cast<const HotTile*>(planet.roughness());
    for (HotTile* h = planet.hot() + planet.records(); h < hotEnd; ++h) *h = nan.hot();
    const auto* roughnessEnd = reinterpret_cast<const float*>(planet.fractions());
    for (float* r = planet.roughness() + planet.records(); r < roughnessEnd; ++r)
      *r = nan.roughness;
  }
  void set(int d, int x, int y, const Tile& t) { planet.setTile(TileCoord{d, x, y}, t); }
};

// No tile's roughness is 0 in the grid, so a read of it would show.
void expectFields(const Tile& got, const Tile& want) {
  for (int i = 0; i < 8; ++i) EXPECT_EQ(got.*kFields[i], want.*kFields[i]) << "field " << i;
  EXPECT_EQ(got.roughness, 0);
}

TEST_F(InterpolateTile, WholeFractionsGiveTheTileItself) {
  const int last = planet.lastIndex();
  const int corners[][2] = {{0, 0},    {last, 0}, {0, last}, {last, last},
                            {last, 2}, {2, last}, {1, 3}};
  for (const int d : {0, 4, 9}) {
    for (const auto& c : corners) {
      SCOPED_TRACE(testing::Message() << "diamond " << d << " at " << c[0] << "," << c[1]);
      const Tile own = scaled(0.125f * static_cast<float>(d + 1));
      set(d, c[0], c[1], own);
      const Tile got = interpolateTile(planet, at(d, c[0], c[1]));
      // Sediment too is the tile's own value: the sum starts at 0, not 0.05.
      expectFields(got, own);
      set(d, c[0], c[1], poisoned());
    }
  }
}

TEST_F(InterpolateTile, LowerTriangleWeights) {
  // fx >= fy: (x + 1, y) takes fx - fy, (x + 1, y + 1) fy, (x, y) 1 - fx;
  // (x, y + 1) is never read.
  set(3, 1, 2, scaled(1));
  set(3, 2, 2, scaled(10));
  set(3, 2, 3, scaled(100));
  const Tile got = interpolateTile(planet, at(3, 1, 2, 0.5f, 0.25f));
  expectFields(got, scaled(0.5f + 2.5f + 25));
}

TEST_F(InterpolateTile, UpperTriangleWeights) {
  // fx < fy: (x, y + 1) takes fy - fx, (x + 1, y + 1) fx, (x, y) 1 - fy;
  // (x + 1, y) is never read.
  set(5, 3, 0, scaled(1));
  set(5, 3, 1, scaled(10));
  set(5, 4, 1, scaled(100));
  const Tile got = interpolateTile(planet, at(5, 3, 0, 0.25f, 0.5f));
  expectFields(got, scaled(0.5f + 2.5f + 25));
}

TEST_F(InterpolateTile, DiagonalReadsOnlyItsEnds) {
  set(0, 0, 0, scaled(2));
  set(0, 1, 1, scaled(6));
  expectFields(interpolateTile(planet, at(0, 0, 0, 0.5f, 0.5f)), scaled(4));
}

TEST_F(InterpolateTile, EdgeOfLastColumnStaysInside) {
  // x = lastIndex with fracX 0 and fy > 0: only (x, y) and (x, y + 1).
  set(9, 4, 1, scaled(4));
  set(9, 4, 2, scaled(8));
  expectFields(interpolateTile(planet, at(9, 4, 1, 0, 0.25f)), scaled(5));
  // y = lastIndex with fracY 0 and fx > 0: only (x, y) and (x + 1, y).
  set(9, 1, 4, scaled(4));
  set(9, 2, 4, scaled(8));
  expectFields(interpolateTile(planet, at(9, 1, 4, 0.75f, 0)), scaled(7));
}

TEST_F(InterpolateTile, CornersAreAddedInOrderRoundingEachSum) {
  // Weights 0.25, 0.25, 0.5 for (x + 1, y), (x + 1, y + 1), (x, y), in that
  // order: 1 + 1 + 2^24 = 16777218 holds exactly in a float, while adding the
  // large term first would lose both ones to rounding.
  Tile small;
  small.elevation = 4;
  Tile large;
  large.elevation = 33554432;  // 2^25
  set(7, 2, 2, large);
  set(7, 3, 2, small);
  set(7, 3, 3, small);
  EXPECT_EQ(interpolateTile(planet, at(7, 2, 2, 0.5f, 0.25f)).elevation, 16777218.0f);
}

}  // namespace

}  // namespace geoweave::detail
