#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "grid/planet_grid.h"

namespace geoweave::detail {

namespace {

void build(PlanetGrid& planet, int side) {
  planet.buildIcosahedron();
  ASSERT_TRUE(planet.allocate(3 * (side - 1), 1.0f));
  ASSERT_EQ(planet.side, side);
}

std::vector<TileCoord> allCoords(const PlanetGrid& planet) {
  std::vector<TileCoord> out;
  for (int d = 0; d < 10; ++d) {
    for (int y = 0; y <= planet.lastIndex; ++y) {
      for (int x = 0; x <= planet.lastIndex; ++x) out.push_back(TileCoord{d, x, y});
    }
  }
  return out;
}

std::vector<TileCoord> aliasList(const PlanetGrid& planet, const TileCoord& c) {
  TileCoord out[5];
  return std::vector<TileCoord>(out, out + planet.aliases(c, out));
}

std::vector<TileCoord> neighborList(const PlanetGrid& planet, const TileCoord& c) {
  TileCoord out[6];
  return std::vector<TileCoord>(out, out + planet.neighbors(c, out));
}

bool sameList(const std::vector<TileCoord>& a, const std::vector<TileCoord>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameCoord);
}

Vector3f position(const PlanetGrid& planet, const TileCoord& c) {
  return planet.pointPosition(TilePoint{c, 0, 0});
}

double angle(const Vector3f& a, const Vector3f& b) {
  return std::acos(std::min(1.0, std::max(-1.0, a.dot(b))));
}

bool isCorner(const PlanetGrid& planet, const TileCoord& c) {
  return (c.x == 0 || c.x == planet.lastIndex) && (c.y == 0 || c.y == planet.lastIndex);
}

// One key per surface point, whichever copy names it: an edge point lists its
// copies in a different order from each side, so take the lowest index.
int pointKey(const PlanetGrid& planet, const TileCoord& c) {
  int key = planet.tileIndex(c);
  for (const TileCoord& a : aliasList(planet, c)) key = std::min(key, planet.tileIndex(a));
  return key;
}

std::string str(const TileCoord& c) {
  return "(" + std::to_string(c.diamond) + "," + std::to_string(c.x) + "," + std::to_string(c.y) +
         ")";
}

}  // namespace

TEST(AliasTest, PolesVerticesAndEdgePoints) {
  PlanetGrid planet;
  build(planet, 5);
  const int L = 4;
  for (int d = 0; d < 5; ++d) {
    EXPECT_TRUE(sameList(aliasList(planet, {d, 0, L}),
                         {{0, 0, L}, {1, 0, L}, {2, 0, L}, {3, 0, L}, {4, 0, L}}));
    EXPECT_TRUE(sameList(aliasList(planet, {d + 5, L, 0}),
                         {{5, L, 0}, {6, L, 0}, {7, L, 0}, {8, L, 0}, {9, L, 0}}));
  }
  const std::vector<TileCoord> vertex7 = {{5, L, L}, {6, 0, 0}, {1, L, 0}};
  for (const TileCoord& c : vertex7) EXPECT_TRUE(sameList(aliasList(planet, c), vertex7));
  for (int y = 1; y < L; ++y) {
    EXPECT_TRUE(sameList(aliasList(planet, {0, L, y}), {{5, 0, y}, {0, L, y}}));
    EXPECT_TRUE(sameList(aliasList(planet, {0, y, L}), {{1, 0, L - y}, {0, y, L}}));
    EXPECT_TRUE(planet.samePoint({0, 0, y}, {4, L - y, L}));
    EXPECT_TRUE(planet.samePoint({4, L - y, L}, {0, 0, y}));
  }
  EXPECT_TRUE(sameList(aliasList(planet, {3, 2, 1}), {{3, 2, 1}}));
  EXPECT_FALSE(planet.samePoint({3, 2, 1}, {3, 1, 2}));
  EXPECT_FALSE(planet.samePoint({3, 2, 1}, {4, 2, 1}));
  EXPECT_FALSE(planet.samePoint({0, 0, 1}, {4, 1, L}));
}

TEST(AliasTest, EveryCopyListsTheSamePoint) {
  for (const int side : {3, 5, 9}) {
    PlanetGrid planet;
    build(planet, side);
    for (const TileCoord& t : allCoords(planet)) {
      const std::vector<TileCoord> list = aliasList(planet, t);
      const size_t expected = !planet.isOnDiamondEdge(t) ? 1
                              : planet.isPole(t)         ? 5
                              : isCorner(planet, t)      ? 3
                                                         : 2;
      ASSERT_EQ(list.size(), expected) << side << " " << str(t);
      EXPECT_EQ(std::count_if(list.begin(), list.end(),
                              [&](const TileCoord& c) { return sameCoord(c, t); }),
                1)
          << side << " " << str(t);
      const Vector3f p = position(planet, t);
      for (const TileCoord& c : list) {
        std::vector<TileCoord> fromCopy = aliasList(planet, c);
        // An edge point lists the other copy first, so the order flips between its two copies.
        if (list.size() == 2 && !sameCoord(c, t)) std::swap(fromCopy[0], fromCopy[1]);
        EXPECT_TRUE(sameList(fromCopy, list)) << side << " " << str(t) << " via " << str(c);
        EXPECT_TRUE(planet.samePoint(t, c)) << side << " " << str(t) << " " << str(c);
        const Vector3f q = position(planet, c);
        EXPECT_NEAR(p.x, q.x, 1e-6) << side << " " << str(t) << " " << str(c);
        EXPECT_NEAR(p.y, q.y, 1e-6) << side << " " << str(t) << " " << str(c);
        EXPECT_NEAR(p.z, q.z, 1e-6) << side << " " << str(t) << " " << str(c);
      }
    }
  }
}

TEST(AliasTest, SamePointExactlyWhenPositionsCoincide) {
  for (const int side : {3, 5, 9}) {
    PlanetGrid planet;
    build(planet, side);
    const std::vector<TileCoord> coords = allCoords(planet);
    std::vector<Vector3f> positions;
    for (const TileCoord& c : coords) positions.push_back(position(planet, c));
    for (size_t i = 0; i < coords.size(); ++i) {
      for (size_t j = 0; j < coords.size(); ++j) {
        const bool coincide = angle(positions[i], positions[j]) < 1e-3;
        ASSERT_EQ(planet.samePoint(coords[i], coords[j]), coincide)
            << side << " " << str(coords[i]) << " " << str(coords[j]);
      }
    }
  }
}

TEST(WalkTest, VisitsEveryDistinctPointOnce) {
  for (const int side : {3, 5, 9, 129}) {
    PlanetGrid planet;
    build(planet, side);
    std::set<int> seen;
    int visits = 0;
    TileCursor cursor;
    for (cursor.start(side); cursor.valid(); cursor.advance()) {
      const TileCoord c = cursor.coord();
      ASSERT_TRUE(c.x >= 0 && c.x < side && c.y >= 0 && c.y < side) << side << " " << str(c);
      ASSERT_EQ(cursor.index(), planet.tileIndex(c));
      ASSERT_TRUE(sameCoord(planet.coordOf(cursor.index()), c)) << str(c);
      ASSERT_TRUE(seen.insert(pointKey(planet, c)).second) << side << " twice: " << str(c);
      ++visits;
    }
    EXPECT_EQ(visits, 10 * (side - 1) * (side - 1) + 2) << side;
    EXPECT_EQ(cursor.diamond, 10);
    EXPECT_EQ(cursor.x, -1);
    EXPECT_EQ(cursor.y, -1);
  }
}

TEST(NeighborTest, ListsFollowTheOffsetOrder) {
  PlanetGrid planet;
  build(planet, 5);
  EXPECT_TRUE(sameList(neighborList(planet, {3, 2, 1}),
                       {{3, 2, 2}, {3, 3, 2}, {3, 3, 1}, {3, 2, 0}, {3, 1, 0}, {3, 1, 1}}));
  // An edge point takes the neighbours seen from the other diamond first.
  EXPECT_TRUE(sameList(neighborList(planet, {0, 4, 2}),
                       {{5, 0, 3}, {5, 1, 3}, {5, 1, 2}, {5, 0, 1}, {0, 3, 1}, {0, 3, 2}}));
}

TEST(NeighborTest, DistinctSymmetricAndOneStepAway) {
  for (const int side : {3, 5, 9}) {
    PlanetGrid planet;
    build(planet, side);
    const double step = 1.10715 / (side - 1);
    for (const TileCoord& t : allCoords(planet)) {
      const std::vector<TileCoord> list = neighborList(planet, t);
      ASSERT_EQ(list.size(), isCorner(planet, t) ? 5u : 6u) << side << " " << str(t);
      const Vector3f p = position(planet, t);
      for (size_t i = 0; i < list.size(); ++i) {
        const TileCoord& n = list[i];
        ASSERT_TRUE(n.diamond >= 0 && n.diamond < 10 && n.x >= 0 && n.x < side && n.y >= 0 &&
                    n.y < side)
            << str(n);
        EXPECT_FALSE(planet.samePoint(t, n)) << side << " " << str(t);
        for (size_t j = 0; j < i; ++j) {
          EXPECT_FALSE(planet.samePoint(list[j], n)) << side << " " << str(t) << " " << str(n);
        }
        const std::vector<TileCoord> back = neighborList(planet, n);
        EXPECT_TRUE(std::any_of(back.begin(), back.end(),
                                [&](const TileCoord& b) { return planet.samePoint(b, t); }))
            << side << " " << str(t) << " -> " << str(n);
        const double a = angle(p, position(planet, n));
        EXPECT_TRUE(a > 0.3 * step && a < 2.0 * step) << side << " " << str(t) << " " << str(n);
      }
      // Every copy of the point sees the same neighbouring points.
      for (const TileCoord& c : aliasList(planet, t)) {
        std::set<int> mine;
        std::set<int> theirs;
        for (const TileCoord& n : list) mine.insert(pointKey(planet, n));
        for (const TileCoord& n : neighborList(planet, c)) theirs.insert(pointKey(planet, n));
        EXPECT_EQ(mine, theirs) << side << " " << str(t) << " via " << str(c);
      }
    }
  }
}

// The passes take the neighbours from the grid instead of a stored list: the
// fast lookup must name the very copies, in the very order, that the
// definition lists from the copy the walk visits (the passes work from that
// copy), and give that same list from every other copy of the point.
TEST(NeighborTest, IndicesNameTheWalksListFromEveryCopy) {
  for (const int side : {3, 5, 9, 17, 65}) {
    PlanetGrid planet;
    build(planet, side);
    TileCursor cursor;
    for (cursor.start(side); cursor.valid(); cursor.advance()) {
      const TileCoord t = cursor.coord();
      TileCoord listed[6];
      const int n = planet.neighbors(t, listed);
      int32_t indices[6];
      ASSERT_EQ(planet.neighborIndices(t, indices), n) << side << " " << str(t);
      for (int k = 0; k < n; ++k) {
        ASSERT_EQ(indices[k], planet.tileIndex(listed[k])) << side << " " << str(t) << " " << k;
      }
      for (const TileCoord& c : aliasList(planet, t)) {
        int32_t fromCopy[6];
        ASSERT_EQ(planet.neighborIndices(c, fromCopy), n) << side << " " << str(c);
        for (int k = 0; k < n; ++k) {
          EXPECT_EQ(fromCopy[k], indices[k]) << side << " " << str(t) << " via " << str(c);
        }
      }
    }
  }
}

}  // namespace geoweave::detail
