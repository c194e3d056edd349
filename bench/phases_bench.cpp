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
#include "generation/planet_run.h"
#include "image/rgb_image.h"
#include "render/render_snapshot.h"
#include "terrain/fractal.h"
#include "terrain/move_fractions.h"
#include "terrain/sea_level.h"
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
  PlanetRun run;

  World() {
    run.hooks.workers = availableProcessors();
    planet.buildIcosahedron();
    planet.allocate(kWidth, 1.0f, run.hooks.workers);
    run.terrain.random.seed(19800518);
    generatePlanet(planet, run);
  }
};

World& world() {
  static World w;
  return w;
}

void BM_MoveFractions(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) storeMoveFractions(w.planet, w.run.hooks.workers);
}
BENCHMARK(BM_MoveFractions)->Unit(benchmark::kMillisecond);

void BM_FractalPass(benchmark::State& state) {
  World& w = world();
  Tile vertices[12];
  const FractalRun fractal{w.planet, w.run.settings, w.run.terrain};
  for (auto _ : state) fractalPass(fractal, 1, vertices);
}
BENCHMARK(BM_FractalPass)->Unit(benchmark::kMillisecond);

void BM_SeaLevel(benchmark::State& state) {
  World& w = world();
  for (auto _ : state)
    calibrateSeaLevel(w.planet, w.run.settings, w.run.statistics, w.run.hooks.workers);
}
BENCHMARK(BM_SeaLevel)->Unit(benchmark::kMillisecond);

// After the first run, without the latitudes the move fractions keep: the
// grid works them out again.
void BM_Temperatures(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) adjustTemperatures(w.planet, w.run.statistics, w.run.hooks.workers);
}
BENCHMARK(BM_Temperatures)->Unit(benchmark::kMillisecond);

void BM_TileSort(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) {
    w.run.climate.tilesByElevation.release();
    sortTilesByElevation(w.planet, w.run.climate, w.run.hooks.workers);
  }
}
BENCHMARK(BM_TileSort)->Unit(benchmark::kMillisecond);

// Grouping the sweep into levels on one worker (as alongside the first
// atmosphere pass) and on every processor.
void BM_SweepLevels(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) {
    groupSweepLevels(w.planet, w.run.climate, static_cast<int>(state.range(0)));
  }
  state.counters["levels"] = w.run.climate.sweepLevelStarts.count - 1;
  // The four blocks a run counts, for the water passes after this.
  SweepGrouping grouping(w.planet, w.run.climate, 4);
  grouping.countLevels();
  grouping.finish(w.run.hooks.workers);
}
BENCHMARK(BM_SweepLevels)
    ->Arg(1)
    ->Arg(availableProcessors())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_AtmospherePass(benchmark::State& state) {
  World& w = world();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        atmospherePass(w.planet, w.run.settings, w.run.statistics, w.run.climate));
}
BENCHMARK(BM_AtmospherePass)->Unit(benchmark::kMillisecond);

// On one worker and on every processor, level by level (the sweep's own
// timing, which may choose one worker when processors are busy, is reset
// every time).
void BM_WaterPass(benchmark::State& state) {
  World& w = world();
  const float erosionScale = erosionScaleFor(w.run.statistics);
  const int workers = w.run.hooks.workers;
  w.run.hooks.workers = static_cast<int>(state.range(0));
  for (auto _ : state) {
    w.run.climate.sweepTimes = SweepTimes{};
    waterPass(w.planet, w.run.climate, w.run.hooks.workers, erosionScale);
  }
  w.run.hooks.workers = workers;
}
BENCHMARK(BM_WaterPass)
    ->Arg(1)
    ->Arg(availableProcessors())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_RiverStage(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) {
    w.run.rivers.points.release();
    makeRivers(w.planet, w.run.settings, w.run.statistics, w.run.rivers);
  }
}
BENCHMARK(BM_RiverStage)->Unit(benchmark::kMillisecond);

void BM_RenderSnapshot(benchmark::State& state) {
  World& w = world();
  for (auto _ : state) {
    SnapshotCanvas canvas(w.planet, kWidth, kWidth / 2, w.run.hooks.workers);
    drawSnapshot(canvas, 1.0f, w.run.statistics, w.run.rivers, w.planet);
  }
}
BENCHMARK(BM_RenderSnapshot)->Unit(benchmark::kMillisecond);

// A run's later snapshots: pixel positions and images already made.
void BM_RenderSnapshotOnCanvas(benchmark::State& state) {
  World& w = world();
  SnapshotCanvas canvas(w.planet, kWidth, kWidth / 2, w.run.hooks.workers);
  for (auto _ : state) drawSnapshot(canvas, 1.0f, w.run.statistics, w.run.rivers, w.planet);
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
