#include "terrain/fractal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "base/random.h"
#include "testing/test_planet.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

namespace {

using Point = std::pair<int, int>;

// Records the target of every displacement of the passes it watches.
struct TargetLog {
  std::vector<TileCoord> targets;

  // A run of the fractal passes that reports to this log.
  FractalRun watch(PlanetGrid& planet, PlanetRun& run) {
    FractalRun fractal{planet, run.settings, run.terrain};
    fractal.midpointObserver = [](const PlanetGrid& owner, int target, void* user) {
      static_cast<TargetLog*>(user)->targets.push_back(owner.coordOf(target));
    };
    fractal.observerUser = this;
    return fractal;
  }
  std::vector<Point> pointsOf(int diamond) const {
    std::vector<Point> out;
    for (const TileCoord& c : targets) {
      if (c.diamond == diamond) out.emplace_back(c.x, c.y);
    }
    return out;
  }
};

// The sequence has made exactly `draws` steps since it was seeded with `seed`.
testing::AssertionResult drewExactly(Random& random, uint32_t seed, int draws) {
  int next[3];
  for (int& n : next) n = random.next();
  Random fresh;
  fresh.seed(seed);
  for (int i = 0; i < draws; ++i) fresh.next();
  for (const int n : next) {
    if (fresh.next() != n) return testing::AssertionFailure() << "not at draw " << draws;
  }
  return testing::AssertionSuccess();
}

// A seed whose first draw is r.
uint32_t seedWithFirstDraw(int r) {
  for (uint32_t s = 0;; ++s) {
    Random random;
    random.seed(s);
    if (random.next() == r) return s;
  }
}
constexpr int kDrawPlusOne = 16384;  // u = +1
constexpr int kDrawMinusOne = 0;     // u = -1

bool sameBytes(const Tile& a, const Tile& b) {
  return std::memcmp(&a, &b, sizeof(Tile)) == 0;
}

// Every record of the ten diamonds as a value, copies included.
std::vector<Tile> allTiles(const PlanetGrid& planet) {
  std::vector<Tile> out;
  for (int i = 0; i < diamondRecords(planet); ++i) out.push_back(planet.tile(planet.coordOf(i)));
  return out;
}

// Records 0, 1 and 2 of a smallest grid as the parents a, b and the target
// of one displacement.
struct Displacement {
  std::unique_ptr<PlanetGrid> planet = makePlanet(8);
  static constexpr int kA = 0;
  static constexpr int kB = 1;
  static constexpr int kTarget = 2;

  void set(int record, const Tile& t) { planet->setTile(planet->coordOf(record), t); }
  Tile at(int record) const { return planet->tile(planet->coordOf(record)); }
};

void runPass(PlanetGrid& planet, int phase, PlanetRun& run, TargetLog* log = nullptr) {
  Tile vertexTiles[12];
  const FractalRun fractal =
      log != nullptr ? log->watch(planet, run) : FractalRun{planet, run.settings, run.terrain};
  ASSERT_EQ(fractalPass(fractal, phase, vertexTiles), PassResult::kDone);
}

TEST(FractalOrder, SmallestGrid) {
  auto planet = makePlanet(8);
  ASSERT_EQ(planet->side(), 3);
  PlanetRun run;
  TargetLog log;
  runPass(*planet, 0, run, &log);

  const std::vector<Point> first = {{1, 2}, {2, 1}, {1, 0}, {0, 1}, {1, 1}};
  const std::vector<Point> threeEdges = {{1, 2}, {2, 1}, {1, 0}, {1, 1}};
  const std::vector<Point> twoEdges = {{2, 1}, {1, 0}, {1, 1}};
  const std::vector<Point> oneEdge = {{2, 1}, {1, 1}};
  const std::vector<Point> centreOnly = {{1, 1}};
  const std::vector<Point>* expected[10] = {&first,    &threeEdges, &threeEdges, &threeEdges,
                                            &twoEdges, &twoEdges,   &oneEdge,    &oneEdge,
                                            &oneEdge,  &centreOnly};
  for (int d = 0; d < 10; ++d) EXPECT_EQ(log.pointsOf(d), *expected[d]) << "diamond " << d;
  EXPECT_EQ(log.targets.size(), 30u);
  // Diamonds are worked one after another.
  for (size_t i = 1; i < log.targets.size(); ++i) {
    EXPECT_LE(log.targets[i - 1].diamond, log.targets[i].diamond);
  }
}

TEST(FractalOrder, DepthFirstOnSideFive) {
  auto planet = makePlanet(16);
  ASSERT_EQ(planet->side(), 5);
  PlanetRun run;
  TargetLog log;
  runPass(*planet, 1, run, &log);

  const std::vector<Point> diamond0 = {{2, 4}, {4, 2}, {2, 0}, {0, 2}, {2, 2}, {1, 2}, {2, 1},
                                       {1, 0}, {0, 1}, {1, 1}, {3, 2}, {4, 1}, {3, 0}, {3, 1},
                                       {1, 4}, {2, 3}, {0, 3}, {1, 3}, {3, 4}, {4, 3}, {3, 3}};
  EXPECT_EQ(log.pointsOf(0), diamond0);
  const size_t counts[10] = {21, 18, 18, 18, 15, 15, 12, 12, 12, 9};
  for (int d = 0; d < 10; ++d) EXPECT_EQ(log.pointsOf(d).size(), counts[d]) << "diamond " << d;
  EXPECT_EQ(log.targets.size(), 150u);
}

TEST(FractalDraws, OnePerPointAndThreePerVertex) {
  // 10 (side - 1)^2 + 26: 36 for the vertices, one for every other point.
  const struct { int width, draws; } grids[] = {{8, 66}, {16, 186}, {24, 666}, {48, 2586}};
  for (const auto [width, expected] : grids) {
    auto planet = makePlanet(width);
    PlanetRun run;
    for (int phase = 0; phase <= 2; ++phase) {
      const uint32_t seed = 1000u + static_cast<uint32_t>(phase);
      prepareTerrainPhase(*planet, run, phase);
      run.terrain.random.seed(seed);
      TargetLog log;
      runPass(*planet, phase, run, &log);
      EXPECT_EQ(static_cast<int>(log.targets.size()) + 36, expected)
          << "width " << width << " phase " << phase;
      EXPECT_TRUE(drewExactly(run.terrain.random, seed, expected))
          << "width " << width << " phase " << phase;
    }
  }
}

TEST(FractalCopies, AgreeAfterEveryStepAndPassChangesOnlyItsField) {
  auto planet = makePlanet(48);
  PlanetRun run;
  run.settings.shareCap = 1.0f;
  run.terrain.random.seed(19800518u);
  for (int phase = 0; phase <= 2; ++phase) {
    prepareTerrainPhase(*planet, run, phase);
    EXPECT_TRUE(copiesAgree(*planet)) << "after step " << phase;
    const std::vector<Tile> before = allTiles(*planet);
    runPass(*planet, phase, run);
    EXPECT_TRUE(copiesAgree(*planet)) << "after pass " << phase;

    const std::vector<Tile> after = allTiles(*planet);
    int changed = 0;
    for (size_t i = 0; i < before.size(); ++i) {
      Tile now = after[i];
      float* field[3] = {&now.roughness, &now.elevation, &now.temperature};
      const float* old[3] = {&before[i].roughness, &before[i].elevation, &before[i].temperature};
      changed += *field[phase] != *old[phase];
      *field[phase] = *old[phase];
      ASSERT_TRUE(sameBytes(now, before[i])) << "pass " << phase << " record " << i;
    }
    EXPECT_GT(changed, static_cast<int>(before.size()) / 2) << "pass " << phase;
  }
}

TEST(FractalRoughness, ClampedToUnitRangeVerticesWithinTheirs) {
  auto planet = makePlanet(48);
  PlanetRun run;
  run.settings.shareCap = 5.0f;  // large steps at every level: the clamp must hold them
  run.terrain.random.seed(3u);
  prepareTerrainPhase(*planet, run, 0);
  runPass(*planet, 0, run);
  int atBounds = 0;
  for (int i = 0; i < diamondRecords(*planet); ++i) {
    const float r = planet->roughness()[i];
    ASSERT_GE(r, 0.0f) << i;
    ASSERT_LE(r, 1.0f) << i;
    atBounds += r == 0.0f || r == 1.0f;
  }
  EXPECT_GT(atBounds, 0);

  const int L = planet->lastIndex();
  for (int d = 0; d < 10; ++d) {
    for (const TileCoord& c :
         {TileCoord{d, 0, 0}, TileCoord{d, 0, L}, TileCoord{d, L, 0}, TileCoord{d, L, L}}) {
      EXPECT_GE(planet->roughnessAt(c), 0.2f) << describe(c);
      EXPECT_LE(planet->roughnessAt(c), 0.8f) << describe(c);
    }
  }
}

TEST(FractalRoughness, DisplacementClampsAtBothEnds) {
  Displacement records;
  PlanetRun run;
  run.settings.shareCap = 1.0f;
  const struct {
    float parentA, parentB;
    int draw;
    float scale;
    float expected;
  } cases[] = {{0.9f, 0.9f, kDrawPlusOne, 0.5f, 1.0f},
               {0.1f, 0.1f, kDrawMinusOne, 0.5f, 0.0f},
               {0.4f, 0.6f, kDrawPlusOne, 0.25f, 0.75f},
               {0.4f, 0.6f, kDrawMinusOne, 0.25f, 0.25f}};
  for (const auto& c : cases) {
    Tile a, b;
    a.roughness = c.parentA;
    b.roughness = c.parentB;
    records.set(Displacement::kA, a);
    records.set(Displacement::kB, b);
    run.terrain.random.seed(seedWithFirstDraw(c.draw));
    ASSERT_TRUE(displaceMidpoint(FractalRun{*records.planet, run.settings, run.terrain}, 0,
                                 Displacement::kTarget, Displacement::kA, Displacement::kB,
                                 c.scale));
    EXPECT_FLOAT_EQ(records.at(Displacement::kTarget).roughness, c.expected)
        << c.parentA << " " << c.draw;
  }
}

TEST(FractalElevation, DisplacementBoundedByClampedRoughness) {
  Displacement records;
  PlanetRun run;
  run.settings.shareCap = 1.0f;
  run.settings.elevationNoiseScale = 1.5f;
  const float scale = 0.5f;  // a = 0.5
  const double low = 1.5 * 0.2 * 0.5;
  const double high = 1.5 * 0.8 * 0.5;
  const struct {
    float roughness;
    double size;
  } cases[] = {{0.0f, low},  {0.1f, low},   {0.2f, low}, {0.5f, 1.5 * 0.5 * 0.5},
               {0.8f, high}, {0.95f, high}, {1.0f, high}};
  for (const int draw : {kDrawPlusOne, kDrawMinusOne}) {
    const double sign = draw == kDrawPlusOne ? 1.0 : -1.0;
    for (const auto& c : cases) {
      Tile a, b;
      a.elevation = 0.25f;
      b.elevation = 0.75f;
      records.set(Displacement::kA, a);
      records.set(Displacement::kB, b);
      Tile target;
      target.roughness = c.roughness;
      target.temperature = 3.0f;
      const Tile untouched = target;
      records.set(Displacement::kTarget, target);
      run.terrain.random.seed(seedWithFirstDraw(draw));
      ASSERT_TRUE(displaceMidpoint(FractalRun{*records.planet, run.settings, run.terrain}, 1,
                                   Displacement::kTarget, Displacement::kA, Displacement::kB,
                                   scale));
      target = records.at(Displacement::kTarget);
      const double step = static_cast<double>(target.elevation) - 0.5;
      EXPECT_NEAR(step, sign * c.size, 1e-6) << "roughness " << c.roughness;
      EXPECT_GE(std::fabs(step), low - 1e-6);
      EXPECT_LE(std::fabs(step), high + 1e-6);
      target.elevation = untouched.elevation;
      EXPECT_TRUE(sameBytes(target, untouched)) << "only the elevation may change";
    }
  }
}

// Replays the pass's draws to check the amplitude used on the diagonal of
// diamond 0, where each level's centre point lies: (8, 8) at scale 1, (4, 4)
// at 0.5, (2, 2) at 0.25 and (1, 1) at 0.125.
TEST(FractalAmplitude, ShareCapLimitsTheCoarseLevels) {
  const struct {
    float cap;
    float amplitudes[4];
  } cases[] = {{1.0f, {1.0f, 0.5f, 0.25f, 0.125f}},
               {0.2f, {0.2f, 0.2f, 0.2f, 0.125f}},
               {1.5f, {1.0f, 0.5f, 0.25f, 0.125f}},
               {0.3f, {0.3f, 0.3f, 0.25f, 0.125f}}};
  for (const auto& c : cases) {
    auto planet = makePlanet(48);
    ASSERT_EQ(planet->side(), 17);
    PlanetRun run;
    run.settings.shareCap = c.cap;
    const uint32_t seed = 77u;
    run.terrain.random.seed(seed);
    TargetLog log;
    runPass(*planet, 2, run, &log);

    Random replay;
    replay.seed(seed);
    for (int i = 0; i < 36; ++i) replay.next();
    std::vector<double> u;
    for (size_t i = 0; i < log.targets.size(); ++i) u.push_back(2.0 * replay.fraction() - 1.0);

    const HotTile& origin = *planet->hotAt(0, 0, 0);
    for (int level = 0; level < 4; ++level) {
      const int k = 8 >> level;
      const auto hit =
          std::find_if(log.targets.begin(), log.targets.end(), [&](const TileCoord& t) {
            return sameCoord(t, TileCoord{0, k, k});
          });
      ASSERT_NE(hit, log.targets.end()) << "level " << level;
      const size_t i = hit - log.targets.begin();
      const HotTile& far = *planet->hotAt(0, 2 * k, 2 * k);
      const double amplitude = c.amplitudes[level];
      const float expected =
          static_cast<float>((static_cast<double>(origin.temperature) + far.temperature) * 0.5 +
                             u[i] * amplitude * 10.0);
      EXPECT_EQ(planet->hotAt(0, k, k)->temperature, expected)
          << "cap " << c.cap << " level " << level;
    }
  }
}

TEST(FractalRefusal, PhaseAboveTwoDrawsNothingAndChangesNothing) {
  auto planet = makePlanet(16);
  PlanetRun run;
  run.terrain.random.seed(5u);
  runTerrainPhases(*planet, run, 2);
  const std::vector<Tile> before = allTiles(*planet);

  const uint32_t seed = 99u;
  run.terrain.random.seed(seed);
  TargetLog log;
  const FractalRun fractal = log.watch(*planet, run);
  Tile vertexTiles[12];
  EXPECT_FALSE(setVertexValues(fractal, 3, vertexTiles, 12));
  EXPECT_EQ(fractalPass(fractal, 3, vertexTiles), PassResult::kRefused);
  EXPECT_EQ(fractalPass(fractal, 7, vertexTiles), PassResult::kRefused);
  EXPECT_EQ(fractalPass(fractal, -1, vertexTiles), PassResult::kRefused);
  for (const int phase : {3, 4, -1}) {
    EXPECT_FALSE(displaceMidpoint(fractal, phase, 12, 10, 14, 1.0f)) << phase;
  }
  EXPECT_TRUE(log.targets.empty());
  EXPECT_TRUE(drewExactly(run.terrain.random, seed, 0));
  const std::vector<Tile> after = allTiles(*planet);
  for (size_t i = 0; i < before.size(); ++i) {
    ASSERT_TRUE(sameBytes(after[i], before[i])) << "record " << i;
  }
}

}  // namespace

}  // namespace geoweave::detail
