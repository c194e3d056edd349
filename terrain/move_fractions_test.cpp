#include "terrain/move_fractions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "grid/grid_geometry.h"
#include "testing/test_planet.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

namespace {

bool isVertex(const PlanetGrid& planet, const TileCoord& c) {
  const int L = planet.lastIndex();
  return (c.x == 0 || c.x == L) && (c.y == 0 || c.y == L);
}

// Within a few steps of the pole in the tile's own diamond.
bool nearPole(const PlanetGrid& planet, const TileCoord& c) {
  const int L = planet.lastIndex();
  return c.diamond < 5 ? c.x <= 3 && c.y >= L - 3 : c.x >= L - 3 && c.y <= 3;
}

// A point's neighbours as the grid lists them (from every copy, the list of
// the copy the walk visits) and the shares stored for it.
struct Stored {
  int neighborCount;
  TileCoord neighbors[6];
  float moveFractions[6];
};

Stored storedAt(const PlanetGrid& planet, const TileCoord& c) {
  Stored s;
  int32_t indices[6];
  s.neighborCount = planet.neighborIndices(c, indices);
  for (int k = 0; k < s.neighborCount; ++k) s.neighbors[k] = planet.coordOf(indices[k]);
  for (int k = 0; k < 6; ++k) s.moveFractions[k] = planet.fractionsAt(c).share[k];
  return s;
}

double fractionSum(const Stored& t) {
  double sum = 0;
  for (int i = 0; i < t.neighborCount; ++i) sum += t.moveFractions[i];
  return sum;
}

double smallestFraction(const Stored& t) {
  double least = 2;
  for (int i = 0; i < t.neighborCount; ++i) least = std::fmin(least, t.moveFractions[i]);
  return least;
}

struct Position {
  double latitude;
  double longitude;
};

Position positionOf(const PlanetGrid& planet, const TileCoord& c) {
  float latitude, longitude;
  mapCoordinates(planet, TilePoint{c, 0, 0}, latitude, longitude);
  return {latitude, longitude};
}

TEST(MoveFractions, EastwardWeightTable) {
  EXPECT_DOUBLE_EQ(eastwardWeight(-1.0), 0.1);
  EXPECT_DOUBLE_EQ(eastwardWeight(-0.3), 0.1);
  EXPECT_DOUBLE_EQ(eastwardWeight(0.0), 0.1);
  EXPECT_DOUBLE_EQ(eastwardWeight(0.25), 0.3);
  EXPECT_NEAR(eastwardWeight(0.4999999), 0.5, 1e-6);
  EXPECT_DOUBLE_EQ(eastwardWeight(0.5), 0.5);
  EXPECT_DOUBLE_EQ(eastwardWeight(0.725), 0.75);
  EXPECT_DOUBLE_EQ(eastwardWeight(0.9), 0.5 + 0.4 / 0.9);
  EXPECT_DOUBLE_EQ(eastwardWeight(0.941), 0.99);
  EXPECT_DOUBLE_EQ(eastwardWeight(0.95), 1.0);
  EXPECT_DOUBLE_EQ(eastwardWeight(0.97), 1.0);
  EXPECT_DOUBLE_EQ(eastwardWeight(1.0), 1.0);
  // Due east against due west: ten times the share.
  EXPECT_DOUBLE_EQ(eastwardWeight(1.0) / eastwardWeight(-1.0), 10.0);
}

TEST(MoveFractions, CountsSumsAndCopies) {
  auto planet = makePlanet(48);
  ASSERT_TRUE(storeMoveFractions(*planet, 1));
  EXPECT_TRUE(copiesAgree(*planet));
  for (int i = 0; i < diamondRecords(*planet); ++i) {
    const TileCoord c = planet->coordOf(i);
    const Stored t = storedAt(*planet, c);
    ASSERT_EQ(t.neighborCount, isVertex(*planet, c) ? 5 : 6) << describe(c);
    // A vertex has five neighbours: its sixth share stays unused at 0.
    EXPECT_EQ(t.moveFractions[5] == 0.0f, t.neighborCount == 5) << describe(c);
    EXPECT_NEAR(fractionSum(t), 1.0, 1e-6) << describe(c);
    for (int k = 0; k < t.neighborCount; ++k) {
      // The poles share equally, whatever the directions.
      if (planet->isPole(c)) {
        EXPECT_EQ(t.moveFractions[k], 0.2f) << describe(c);
      }
      EXPECT_GT(t.moveFractions[k], 0.0f) << describe(c);
    }
  }
}

// Expects every stored share to follow the east component of its
// neighbour's direction (see FollowTheEastComponentOfEachDirection).
void expectEastComponents(int width, int workers) {
  auto planet = makePlanet(width);
  ASSERT_TRUE(storeMoveFractions(*planet, workers));
  int seamPairs = 0;
  for (int i = 0; i < diamondRecords(*planet); ++i) {
    const TileCoord c = planet->coordOf(i);
    if (planet->isPole(c)) continue;
    const Stored t = storedAt(*planet, c);
    const Position here = positionOf(*planet, c);
    double weights[6], sum = 0;
    for (int k = 0; k < t.neighborCount; ++k) {
      double d = 0;
      if (!planet->isPole(t.neighbors[k])) {
        const Position there = positionOf(*planet, t.neighbors[k]);
        double turns = there.longitude - here.longitude;
        if (std::fabs(turns) > 0.5) {
          turns -= turns > 0 ? 1.0 : -1.0;
          ++seamPairs;
        }
        const double east = turns * std::cos((there.latitude - 0.5) * M_PI);
        d = east / std::hypot(east, there.latitude - here.latitude);
      }
      weights[k] = eastwardWeight(d);
      sum += weights[k];
    }
    // From width 192 on, neighbours lie a few float steps apart in
    // latitude, so the stored shares (float positions) and these (double)
    // part in the sixth digit; a wrong neighbour moves a share by far more.
    const double tolerance = width < 192 ? 1e-6 : 1e-5;
    for (int k = 0; k < t.neighborCount; ++k) {
      ASSERT_NEAR(t.moveFractions[k], weights[k] / sum, tolerance)
          << describe(c) << " to " << describe(t.neighbors[k]);
    }
  }
  EXPECT_GT(seamPairs, 0);
}

// Shares worked out from the tile positions: the east part of the unit
// direction to each neighbour, with the longitude difference taken the short
// way round the 0/1 seam and shrunk by the cosine of the neighbour's
// latitude; a pole lies due north or south. At width 192 each diamond is
// stored in several pieces, by two threads.
TEST(MoveFractions, FollowTheEastComponentOfEachDirection) {
  for (const int width : {48, 192}) {
    SCOPED_TRACE(width);
    expectEastComponents(width, width == 48 ? 1 : 2);
  }
}

// The five upper diamonds are one another turned by a fifth of a turn, and so
// are the five lower ones: away from their edges, their tiles must get the
// same shares, whether or not the longitude seam runs through them.
TEST(MoveFractions, SeamDoesNotBreakTheFivefoldSymmetry) {
  auto planet = makePlanet(48);
  ASSERT_TRUE(storeMoveFractions(*planet, 1));
  const int L = planet->lastIndex();
  for (const int first : {0, 5}) {
    for (int d = first + 1; d < first + 5; ++d) {
      for (int y = 1; y < L; ++y) {
        for (int x = 1; x < L; ++x) {
          const Stored a = storedAt(*planet, TileCoord{first, x, y});
          const Stored b = storedAt(*planet, TileCoord{d, x, y});
          for (int k = 0; k < 6; ++k) {
            ASSERT_NEAR(a.moveFractions[k], b.moveFractions[k], 1e-4)
                << describe(TileCoord{d, x, y}) << " neighbour " << k;
          }
        }
      }
    }
  }
}

// From level 8 on, tiles beside a pole map onto the pole itself, so some
// directions have no length: such a neighbour counts as neither east nor west
// and gets the smallest share, and no NaN may reach a share.
TEST(MoveFractions, LargeGridHasOnlyFiniteShares) {
  auto planet = makePlanet(1536);
  ASSERT_EQ(planet->level(), 9);
  ASSERT_TRUE(storeMoveFractions(*planet, 1));
  int samePlace = 0;
  for (int i = 0; i < diamondRecords(*planet); ++i) {
    const TileCoord c = planet->coordOf(i);
    const Stored t = storedAt(*planet, c);
    for (int k = 0; k < t.neighborCount; ++k) {
      ASSERT_TRUE(std::isfinite(t.moveFractions[k])) << describe(c);
      ASSERT_GT(t.moveFractions[k], 0.0f) << describe(c);
    }
    ASSERT_NEAR(fractionSum(t), 1.0, 1e-6) << describe(c);

    if (planet->isPole(c) || !nearPole(*planet, c)) continue;
    const Position here = positionOf(*planet, c);
    for (int k = 0; k < t.neighborCount; ++k) {
      const TileCoord& n = t.neighbors[k];
      const Position there = positionOf(*planet, n);
      if (planet->isPole(n) || there.latitude != here.latitude ||
          there.longitude != here.longitude) {
        continue;
      }
      ++samePlace;
      EXPECT_EQ(t.moveFractions[k], smallestFraction(t)) << describe(c) << " to " << describe(n);
    }
  }
  EXPECT_GT(samePlace, 0);
}

// The latitudes worked out on the way are kept, each exactly the one the
// grid gives for its record (copies included), for the temperatures, in
// every piece of every diamond.
TEST(MoveFractions, KeepEveryRecordsLatitude) {
  auto planet = makePlanet(192);
  ASSERT_TRUE(storeMoveFractions(*planet, 2));
  ASSERT_NE(planet->latitudes(), nullptr);
  for (int i = 0; i < diamondRecords(*planet); ++i) {
    ASSERT_EQ(planet->latitudes()[i], latitudeOf(*planet, TilePoint{planet->coordOf(i), 0, 0}))
        << i;
  }
  planet->releaseLatitudes();
  EXPECT_EQ(planet->latitudes(), nullptr);
}

}  // namespace

}  // namespace geoweave::detail
