#include "grid/grid_topology.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "grid/diamond_grid.h"
#include "grid/grid_geometry.h"
#include "grid/tile_cursor.h"
#include "testing/same_point.h"

namespace geoweave::detail {

namespace {

void build(DiamondGrid& grid, int side) {
  grid.buildIcosahedron();
  ASSERT_TRUE(grid.setLevel(DiamondGrid::levelFor(3 * (side - 1), 1.0f), 1));
  ASSERT_EQ(grid.side(), side);
}

std::vector<TileCoord> allCoords(const DiamondGrid& grid) {
  std::vector<TileCoord> out;
  for (int d = 0; d < 10; ++d) {
    for (int y = 0; y <= grid.lastIndex(); ++y) {
      for (int x = 0; x <= grid.lastIndex(); ++x) out.push_back(TileCoord{d, x, y});
    }
  }
  return out;
}

std::vector<TileCoord> aliasList(const DiamondGrid& grid, const TileCoord& c) {
  TileCoord out[5];
  return std::vector<TileCoord>(out, out + aliases(grid, c, out));
}

std::vector<TileCoord> neighborList(const DiamondGrid& grid, const TileCoord& c) {
  TileCoord out[6];
  return std::vector<TileCoord>(out, out + neighbors(grid, c, out));
}

bool sameList(const std::vector<TileCoord>& a, const std::vector<TileCoord>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameCoord);
}

Vector3f position(const DiamondGrid& grid, const TileCoord& c) {
  return pointPosition(grid, TilePoint{c, 0, 0});
}

double angle(const Vector3f& a, const Vector3f& b) {
  return std::acos(std::min(1.0, std::max(-1.0, a.dot(b))));
}

bool isCorner(const DiamondGrid& grid, const TileCoord& c) {
  return (c.x == 0 || c.x == grid.lastIndex()) && (c.y == 0 || c.y == grid.lastIndex());
}

// One key per surface point, whichever copy names it: an edge point lists its
// copies in a different order from each side, so take the lowest index.
int pointKey(const DiamondGrid& grid, const TileCoord& c) {
  int key = grid.tileIndex(c);
  for (const TileCoord& a : aliasList(grid, c)) key = std::min(key, grid.tileIndex(a));
  return key;
}

std::string str(const TileCoord& c) {
  return "(" + std::to_string(c.diamond) + "," + std::to_string(c.x) + "," + std::to_string(c.y) +
         ")";
}

}  // namespace

TEST(AliasTest, PolesVerticesAndEdgePoints) {
  DiamondGrid grid;
  build(grid, 5);
  const int L = 4;
  for (int d = 0; d < 5; ++d) {
    EXPECT_TRUE(sameList(aliasList(grid, {d, 0, L}),
                         {{0, 0, L}, {1, 0, L}, {2, 0, L}, {3, 0, L}, {4, 0, L}}));
    EXPECT_TRUE(sameList(aliasList(grid, {d + 5, L, 0}),
                         {{5, L, 0}, {6, L, 0}, {7, L, 0}, {8, L, 0}, {9, L, 0}}));
  }
  const std::vector<TileCoord> vertex7 = {{5, L, L}, {6, 0, 0}, {1, L, 0}};
  for (const TileCoord& c : vertex7) EXPECT_TRUE(sameList(aliasList(grid, c), vertex7));
  for (int y = 1; y < L; ++y) {
    EXPECT_TRUE(sameList(aliasList(grid, {0, L, y}), {{5, 0, y}, {0, L, y}}));
    EXPECT_TRUE(sameList(aliasList(grid, {0, y, L}), {{1, 0, L - y}, {0, y, L}}));
    EXPECT_TRUE(samePoint(grid, {0, 0, y}, {4, L - y, L}));
    EXPECT_TRUE(samePoint(grid, {4, L - y, L}, {0, 0, y}));
  }
  EXPECT_TRUE(sameList(aliasList(grid, {3, 2, 1}), {{3, 2, 1}}));
  EXPECT_FALSE(samePoint(grid, {3, 2, 1}, {3, 1, 2}));
  EXPECT_FALSE(samePoint(grid, {3, 2, 1}, {4, 2, 1}));
  EXPECT_FALSE(samePoint(grid, {0, 0, 1}, {4, 1, L}));
}

TEST(AliasTest, EveryCopyListsTheSamePoint) {
  for (const int side : {3, 5, 9}) {
    DiamondGrid grid;
    build(grid, side);
    for (const TileCoord& t : allCoords(grid)) {
      const std::vector<TileCoord> list = aliasList(grid, t);
      const size_t expected = !grid.isOnDiamondEdge(t) ? 1
                              : grid.isPole(t)         ? 5
                              : isCorner(grid, t)      ? 3
                                                       : 2;
      ASSERT_EQ(list.size(), expected) << side << " " << str(t);
      EXPECT_EQ(std::count_if(list.begin(), list.end(),
                              [&](const TileCoord& c) { return sameCoord(c, t); }),
                1)
          << side << " " << str(t);
      const Vector3f p = position(grid, t);
      for (const TileCoord& c : list) {
        std::vector<TileCoord> fromCopy = aliasList(grid, c);
        // An edge point lists the other copy first, so the order flips between its two copies.
        if (list.size() == 2 && !sameCoord(c, t)) std::swap(fromCopy[0], fromCopy[1]);
        EXPECT_TRUE(sameList(fromCopy, list)) << side << " " << str(t) << " via " << str(c);
        EXPECT_TRUE(samePoint(grid, t, c)) << side << " " << str(t) << " " << str(c);
        const Vector3f q = position(grid, c);
        EXPECT_NEAR(p.x, q.x, 1e-6) << side << " " << str(t) << " " << str(c);
        EXPECT_NEAR(p.y, q.y, 1e-6) << side << " " << str(t) << " " << str(c);
        EXPECT_NEAR(p.z, q.z, 1e-6) << side << " " << str(t) << " " << str(c);
      }
    }
  }
}

TEST(AliasTest, SamePointExactlyWhenPositionsCoincide) {
  for (const int side : {3, 5, 9}) {
    DiamondGrid grid;
    build(grid, side);
    const std::vector<TileCoord> coords = allCoords(grid);
    std::vector<Vector3f> positions;
    for (const TileCoord& c : coords) positions.push_back(position(grid, c));
    for (size_t i = 0; i < coords.size(); ++i) {
      for (size_t j = 0; j < coords.size(); ++j) {
        const bool coincide = angle(positions[i], positions[j]) < 1e-3;
        ASSERT_EQ(samePoint(grid, coords[i], coords[j]), coincide)
            << side << " " << str(coords[i]) << " " << str(coords[j]);
      }
    }
  }
}

TEST(WalkTest, VisitsEveryDistinctPointOnce) {
  for (const int side : {3, 5, 9, 129}) {
    DiamondGrid grid;
    build(grid, side);
    std::set<int> seen;
    int visits = 0;
    TileCursor cursor;
    for (cursor.start(side); cursor.valid(); cursor.advance()) {
      const TileCoord c = cursor.coord();
      ASSERT_TRUE(c.x >= 0 && c.x < side && c.y >= 0 && c.y < side) << side << " " << str(c);
      ASSERT_EQ(cursor.index(), grid.tileIndex(c));
      ASSERT_TRUE(sameCoord(grid.coordOf(cursor.index()), c)) << str(c);
      ASSERT_TRUE(seen.insert(pointKey(grid, c)).second) << side << " twice: " << str(c);
      ++visits;
    }
    EXPECT_EQ(visits, 10 * (side - 1) * (side - 1) + 2) << side;
    EXPECT_EQ(cursor.diamond, 10);
    EXPECT_EQ(cursor.x, -1);
    EXPECT_EQ(cursor.y, -1);
  }
}

TEST(NeighborTest, ListsFollowTheOffsetOrder) {
  DiamondGrid grid;
  build(grid, 5);
  EXPECT_TRUE(sameList(neighborList(grid, {3, 2, 1}),
                       {{3, 2, 2}, {3, 3, 2}, {3, 3, 1}, {3, 2, 0}, {3, 1, 0}, {3, 1, 1}}));
  // An edge point takes the neighbours seen from the other diamond first.
  EXPECT_TRUE(sameList(neighborList(grid, {0, 4, 2}),
                       {{5, 0, 3}, {5, 1, 3}, {5, 1, 2}, {5, 0, 1}, {0, 3, 1}, {0, 3, 2}}));
}

TEST(NeighborTest, DistinctSymmetricAndOneStepAway) {
  for (const int side : {3, 5, 9}) {
    DiamondGrid grid;
    build(grid, side);
    const double step = 1.10715 / (side - 1);
    for (const TileCoord& t : allCoords(grid)) {
      const std::vector<TileCoord> list = neighborList(grid, t);
      ASSERT_EQ(list.size(), isCorner(grid, t) ? 5u : 6u) << side << " " << str(t);
      const Vector3f p = position(grid, t);
      for (size_t i = 0; i < list.size(); ++i) {
        const TileCoord& n = list[i];
        ASSERT_TRUE(n.diamond >= 0 && n.diamond < 10 && n.x >= 0 && n.x < side && n.y >= 0 &&
                    n.y < side)
            << str(n);
        EXPECT_FALSE(samePoint(grid, t, n)) << side << " " << str(t);
        for (size_t j = 0; j < i; ++j) {
          EXPECT_FALSE(samePoint(grid, list[j], n)) << side << " " << str(t) << " " << str(n);
        }
        const std::vector<TileCoord> back = neighborList(grid, n);
        EXPECT_TRUE(std::any_of(back.begin(), back.end(),
                                [&](const TileCoord& b) { return samePoint(grid, b, t); }))
            << side << " " << str(t) << " -> " << str(n);
        const double a = angle(p, position(grid, n));
        EXPECT_TRUE(a > 0.3 * step && a < 2.0 * step) << side << " " << str(t) << " " << str(n);
      }
      // Every copy of the point sees the same neighbouring points.
      for (const TileCoord& c : aliasList(grid, t)) {
        std::set<int> mine;
        std::set<int> theirs;
        for (const TileCoord& n : list) mine.insert(pointKey(grid, n));
        for (const TileCoord& n : neighborList(grid, c)) theirs.insert(pointKey(grid, n));
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
    DiamondGrid grid;
    build(grid, side);
    TileCursor cursor;
    for (cursor.start(side); cursor.valid(); cursor.advance()) {
      const TileCoord t = cursor.coord();
      TileCoord listed[6];
      const int n = neighbors(grid, t, listed);
      int32_t indices[6];
      ASSERT_EQ(grid.neighborIndices(t, indices), n) << side << " " << str(t);
      for (int k = 0; k < n; ++k) {
        ASSERT_EQ(indices[k], grid.tileIndex(listed[k])) << side << " " << str(t) << " " << k;
      }
      for (const TileCoord& c : aliasList(grid, t)) {
        int32_t fromCopy[6];
        ASSERT_EQ(grid.neighborIndices(c, fromCopy), n) << side << " " << str(c);
        for (int k = 0; k < n; ++k) {
          EXPECT_EQ(fromCopy[k], indices[k]) << side << " " << str(t) << " via " << str(c);
        }
      }
    }
  }
}

}  // namespace geoweave::detail
