#include "generation/generate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "base/parallel.h"
#include "base/random.h"
#include "testing/test_planet.h"
#include "world/planet_grid.h"
#include "world/stages.h"

namespace geoweave::detail {

namespace {

std::vector<std::pair<float, const char*>> reports;

void recordReport(float fraction, const char* stage, void*) {
  reports.emplace_back(fraction, stage);
}

struct GeneratedPlanet {
  std::unique_ptr<PlanetGrid> planet;
  std::unique_ptr<PlanetRun> state = std::make_unique<PlanetRun>();
  bool result = false;
};

GeneratedPlanet generate(int width, uint32_t seed, int turns, ProgressCallback callback,
                         int workers = 1) {
  GeneratedPlanet run;
  run.planet = makePlanet(width);
  run.state->settings.turns = turns;
  run.state->hooks.workers = workers;
  run.state->hooks.progress = callback;
  reports.clear();
  run.state->terrain.random.seed(seed);
  run.result = generatePlanet(*run.planet, *run.state) == GenerateStatus::kDone;
  return run;
}

// Every record of the three arrays, bit for bit.
bool sameTiles(const PlanetGrid& a, const PlanetGrid& b) {
  const size_t records = static_cast<size_t>(diamondRecords(a));
  return a.side() == b.side() && std::memcmp(a.hot(), b.hot(), sizeof(HotTile) * records) == 0 &&
         std::memcmp(a.roughness(), b.roughness(), sizeof(float) * records) == 0 &&
         std::memcmp(a.fractions(), b.fractions(), sizeof(MoveFractions) * records) == 0;
}

// The closing statistics and the river points, bit for bit.
void expectSameResults(const PlanetRun& a, const PlanetRun& b) {
  const float PlanetStatistics::*fields[] = {
      &PlanetStatistics::seaLevel,       &PlanetStatistics::elevationMin,
      &PlanetStatistics::elevationMax,   &PlanetStatistics::waterFlowing,
      &PlanetStatistics::rainfall,       &PlanetStatistics::temperatureMin,
      &PlanetStatistics::temperatureMax, &PlanetStatistics::tileElevationDiff};
  for (const auto field : fields) {
    EXPECT_EQ(std::memcmp(&(a.statistics.*field), &(b.statistics.*field), sizeof(float)), 0);
  }
  ASSERT_EQ(a.rivers.points.count, b.rivers.points.count);
  EXPECT_EQ(std::memcmp(a.rivers.points.data, b.rivers.points.data,
                        sizeof(RiverPoint) * a.rivers.points.count),
            0);
}

TEST(Generate, ReportsEveryStageInOrder) {
  const GeneratedPlanet run = generate(16, 19800518u, 3, recordReport);
  EXPECT_TRUE(run.result);
  EXPECT_EQ(run.state->hooks.progress, &recordReport);
  const struct {
    float fraction;
    const char* text;
    const char* object;
  } expected[] = {{0.0f, "Prestoring neighbors and move fractions", kStageNeighbors},
                  {0.01f, "Creating roughness", kStageRoughness},
                  {0.02f, "Creating terrain elevations", kStageElevations},
                  {0.04f, "Calibrating sea level", kStageSeaLevel},
                  {0.05f, "Tweaking temperatures", kStageTemperatures},
                  {0.07f, "Setting up iterations", kStageSetup},
                  {0.08f, "Iterating", kStageIterating},
                  {0.38f, "Iterating", kStageIterating},
                  {0.68f, "Iterating", kStageIterating},
                  {0.98f, "Making rivers", kStageRivers},
                  {1.0f, "Done generating planet", kStageDone}};
  ASSERT_EQ(reports.size(), std::size(expected));
  for (size_t i = 0; i < reports.size(); ++i) {
    EXPECT_EQ(reports[i].first, expected[i].fraction) << "report " << i;
    EXPECT_STREQ(reports[i].second, expected[i].text) << "report " << i;
    // The display starts a new line when the text object changes, so each
    // stage must always come with the same object.
    EXPECT_EQ(reports[i].second, expected[i].object) << "report " << i;
  }
  EXPECT_EQ(reports[6].second, reports[7].second);
  EXPECT_EQ(reports[7].second, reports[8].second);
}

TEST(Generate, SameSeedSamePlanetWithOrWithoutProgress) {
  const GeneratedPlanet quiet = generate(48, 7u, 3, nullptr);
  const GeneratedPlanet shown = generate(48, 7u, 3, recordReport);
  EXPECT_EQ(reports.size(), 11u);
  const GeneratedPlanet again = generate(48, 7u, 3, nullptr);
  EXPECT_TRUE(sameTiles(*quiet.planet, *shown.planet));
  EXPECT_TRUE(sameTiles(*quiet.planet, *again.planet));
  expectSameResults(*quiet.state, *shown.state);
  expectSameResults(*quiet.state, *again.state);
  EXPECT_TRUE(copiesAgree(*quiet.planet));

  const GeneratedPlanet other = generate(48, 8u, 3, nullptr);
  EXPECT_FALSE(sameTiles(*quiet.planet, *other.planet));
}

// The passes share their points out between the workers, and the slices of
// the sea-level counts and the tile sort follow the worker count: none of it
// may show in the planet.
TEST(Generate, SamePlanetForAnyNumberOfWorkers) {
  const GeneratedPlanet one = generate(48, 11u, 2, nullptr, 1);
  for (const int workers : {2, 3, 7, kMaxWorkers}) {
    SCOPED_TRACE(workers);
    const GeneratedPlanet many = generate(48, 11u, 2, nullptr, workers);
    EXPECT_TRUE(sameTiles(*one.planet, *many.planet));
    expectSameResults(*one.state, *many.state);
    const GrowableArray<int32_t>& oneList = one.state->climate.tilesByElevation;
    const GrowableArray<int32_t>& manyList = many.state->climate.tilesByElevation;
    ASSERT_EQ(oneList.count, manyList.count);
    EXPECT_EQ(std::memcmp(oneList.data, manyList.data, sizeof(int32_t) * oneList.count), 0);
  }
}

// Only the three fractal passes draw, 10 (side - 1)^2 + 26 numbers each.
TEST(Generate, DrawsOnlyInTheFractalPasses) {
  const uint32_t seed = 4242u;
  const GeneratedPlanet run = generate(16, seed, 2, nullptr);
  const int edge = run.planet->side() - 1;
  const int draws = 3 * (10 * edge * edge + 26);
  const int next = run.state->terrain.random.next();
  Random fresh;
  fresh.seed(seed);
  for (int i = 0; i < draws; ++i) fresh.next();
  EXPECT_EQ(fresh.next(), next);
}

}  // namespace

}  // namespace geoweave::detail
