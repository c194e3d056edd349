// Cost of each phase of a planet, measured on a planet that has been generated
// once (its water sweep grouped into levels), so every pass sees real data. The width is the
// default 512 (163,842 points) unless GEOWEAVE_BENCH_WIDTH says otherwise (2048 for the large
// profile).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/parallel.h"
#include "climate/atmosphere.h"
#include "climate/iteration_setup.h"
#include "climate/rivers.h"
#include "climate/sweep_levels.h"
#include "climate/temperatures.h"
#include "climate/water_flow.h"
#include "generation/generate.h"
#include "image/rgb_image.h"
#include "render/render_snapshot.h"
#include "terrain/fractal.h"
#include "terrain/move_fractions.h"
#include "terrain/sea_level.h"
#include "world/params.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

namespace {
int benchWidth() {
  const char* text = std::getenv("GEOWEAVE_BENCH_WIDTH");
  const int width = text != nullptr ? std::atoi(text) : 0;
  return width > 0 ? width : 512;
}
const int kWidth = benchWidth();

struct World {
  PlanetGrid planet;
  PlanetParams params;

  World() {
    params.workers = availableProcessors();
    planet.buildIcosahedron();
    planet.allocate(kWidth, 1.0f, params.workers);
    params.random.seed(19800518);
    generatePlanet(planet, params);
  }
};

World& world() {
  static World w;
  return w;
}

void BM_MoveFractions(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) storeMoveFractions(w.planet, w.params.workers);
}
BENCHMARK(BM_MoveFractions)->Unit(benchmark::kMillisecond);

void BM_FractalPass(benchmark::State& state) {
  World& w = world();
  Tile vertices[12];
  const FractalRun run{w.planet, w.params};
  for (auto _ : state) fractalPass(run, 1, vertices);
}
BENCHMARK(BM_FractalPass)->Unit(benchmark::kMillisecond);

void BM_SeaLevel(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) calibrateSeaLevel(w.planet, w.params);
}
BENCHMARK(BM_SeaLevel)->Unit(benchmark::kMillisecond);

// After the first run, without the latitudes the move fractions keep: the
// grid works them out again.
void BM_Temperatures(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) adjustTemperatures(w.planet, w.params);
}
BENCHMARK(BM_Temperatures)->Unit(benchmark::kMillisecond);

void BM_TileSort(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) {
    w.params.tilesByElevation.release();
    sortTilesByElevation(w.planet, w.params);
  }
}
BENCHMARK(BM_TileSort)->Unit(benchmark::kMillisecond);

// Grouping the sweep into levels on one worker (as alongside the first
// atmosphere pass) and on every processor.
void BM_SweepLevels(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) {
    groupSweepLevels(w.planet, w.params, static_cast<int>(state.range(0)));
  }
  state.counters["levels"] = w.params.sweepLevelStarts.count - 1;
  // The four blocks a run counts, for the water passes after this.
  SweepGrouping grouping(w.planet, w.params, 4);
  grouping.countLevels();
  grouping.finish(w.params.workers);
}
BENCHMARK(BM_SweepLevels)
    ->Arg(1)
    ->Arg(availableProcessors())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_AtmospherePass(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) benchmark::DoNotOptimize(atmospherePass(w.planet, w.params));
}
BENCHMARK(BM_AtmospherePass)->Unit(benchmark::kMillisecond);

// On one worker and on every processor, level by level (the sweep's own
// timing, which may choose one worker when processors are busy, is reset
// every time).
void BM_WaterPass(benchmark::State& state) {
  World& w = world();
  const float erosionScale = erosionScaleFor(w.params);
  const int workers = w.params.workers;
  w.params.workers = static_cast<int>(state.range(0));
  for (auto _ : state) {
    w.params.sweepTimes = PlanetParams::SweepTimes{};
    waterPass(w.planet, w.params, erosionScale);
  }
  w.params.workers = workers;
}
BENCHMARK(BM_WaterPass)
    ->Arg(1)
    ->Arg(availableProcessors())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_RiverStage(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) {
    w.params.riverPoints.release();
    makeRivers(w.planet, w.params);
  }
}
BENCHMARK(BM_RiverStage)->Unit(benchmark::kMillisecond);

void BM_RenderSnapshot(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) {
    SnapshotCanvas canvas(w.planet, kWidth, kWidth / 2, w.params.workers);
    drawSnapshot(canvas, 1.0f, w.params, w.planet);
  }
}
BENCHMARK(BM_RenderSnapshot)->Unit(benchmark::kMillisecond);

// A run's later snapshots: pixel positions and images already made.
void BM_RenderSnapshotOnCanvas(benchmark::State& state) {
  World& w = world();
  SnapshotCanvas canvas(w.planet, kWidth, kWidth / 2, w.params.workers);
  for (auto _ : state) drawSnapshot(canvas, 1.0f, w.params, w.planet);
}
BENCHMARK(BM_RenderSnapshotOnCanvas)->Unit(benchmark::kMillisecond);

void BM_WriteBmp(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  const RgbImage image(width, height);
  char directory[] = "/tmp/geoweave-bench-XXXXXX";
  if (mkdtemp(directory) == nullptr) {
    state.SkipWithError("no temporary directory");
    return;
  }
  const std::string name = std::string(directory) + "/image.bmp";
  for (auto _ : state) benchmark::DoNotOptimize(image.writeBmp(name.c_str()));
  std::remove(name.c_str());
  std::remove(directory);
}
BENCHMARK(BM_WriteBmp)->Args({512, 256})->Args({1024, 768})->Unit(benchmark::kMillisecond);
}  // namespace

}  // namespace geoweave::detail

BENCHMARK_MAIN();
