// Cost of each phase of a planet, measured on a planet that has been generated
// once (its water sweep grouped into levels), so every pass sees real data. The width is the
// default 512 (163,842 points) unless GEOWEAVE_BENCH_WIDTH says otherwise (2048 for the large
// profile).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
#include "grid/index_divider.h"
#include "image/rgb_image.h"
#include "render/render_snapshot.h"
#include "terrain/fractal.h"
#include "terrain/move_fractions.h"
#include "terrain/sea_level.h"
#include "world/planet_grid.h"
#include "world/tile_fields.h"

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

// --- Floors of the two climate passes ---
// Each floor does what its pass cannot avoid, in the pass's order, on one
// worker, and leaves out the rest; the pass does at least this much, so it
// cannot run faster than its floor. The gap says what is left to win
// without changing the pass itself (its order, or what it fetches).

// The bits of a float, summed in integers: a read the compiler must keep
// that costs one cycle, with no float chain of its own.
uint32_t bitsOf(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// The water sweep's memory floor: the entries of tilesByElevation in order,
// each entry's record and its six neighbours' read, with the sweep's own
// decoding and prefetching, and nothing written. The sweep fetches the same
// lines in the same order (its prefetches fetch the neighbours' whether or
// not the entry's water runs off) and does more besides, so it bounds the
// sweep from below. Left out: the run-off arithmetic, the writes (and the
// write-back of the lines they dirty) and the copies of edge points. "runs
// off" is the share of entries whose water moves (wet and above freezing)
// in the state the benchmark starts from.
void BM_WaterSweepFloor(benchmark::State& state) {
  World& w = world();
  const PlanetGrid& planet = w.planet;
  const GrowableArray<int32_t>& order = w.run.climate.tilesByElevation;
  const HotTile* const hot = planet.hot();
  const int64_t records = planet.records();
  const int64_t side = planet.side();
  const IndexDivider bySide(static_cast<uint32_t>(side));
  const IndexDivider byDiamond(static_cast<uint32_t>(planet.sideSquared()));
  constexpr int64_t kPrefetchAhead = 16;  // as water_flow.cpp
  const int64_t end = order.count;
  int64_t runsOff = 0;
  for (int64_t i = 0; i < end; ++i) {
    const HotTile& t = hot[order[i]];
    if (t.waterDepth != 0 && t.temperature > kFreezingTemperature) ++runsOff;
  }
  for (auto _ : state) {
    uint32_t sum = 0;
    for (int64_t i = 0; i < end; ++i) {
      if (i + kPrefetchAhead < end) {
        const int64_t ahead = order.data[i + kPrefetchAhead];
        if (ahead > side && ahead + side + 1 < records) {
          __builtin_prefetch(hot + ahead - side - 1);
          __builtin_prefetch(hot + ahead - side);
          __builtin_prefetch(hot + ahead - 1);
          __builtin_prefetch(hot + ahead + 1);
          __builtin_prefetch(hot + ahead + side);
          __builtin_prefetch(hot + ahead + side + 1);
        }
      }
      const uint32_t index = static_cast<uint32_t>(order.data[i]);
      const uint32_t diamond = byDiamond.divide(index);
      const uint32_t rest = index - diamond * static_cast<uint32_t>(planet.sideSquared());
      const uint32_t y = bySide.divide(rest);
      const TileCoord c{static_cast<int>(diamond), static_cast<int>(rest - y * side),
                        static_cast<int>(y)};
      int32_t around[6];
      const int count = planet.neighborIndices(c, around);
      sum += bitsOf(hot[index].elevation);
      for (int k = 0; k < count; ++k) sum += bitsOf(hot[around[k]].elevation);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.counters["runs off"] = static_cast<double>(runsOff) / static_cast<double>(end);
}
BENCHMARK(BM_WaterSweepFloor)->Unit(benchmark::kMillisecond);

// The positions the atmosphere pass visits, diamond by diamond, row by row:
// its bounds (atmosphere.cpp), which visit every point once.
template <typename Visit>
void forEachAtmospherePosition(const PlanetGrid& planet, Visit visit) {
  const int last = planet.lastIndex();
  for (int d = 0; d < 10; ++d) {
    const int x0 = d == 0 ? 0 : 1;
    const int x1 = d == 9 ? last - 1 : last;
    const int y0 = d >= 6 ? 1 : 0;
    const int y1 = d < 4 ? last : last - 1;
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) visit(TileCoord{d, x, y});
    }
  }
}

// The atmosphere pass's streaming floor: in the pass's order, each point's
// record and move fractions read and its neighbours' inflow read and written
// back (plus a share times an opaque zero, so the values stay as they were
// and the compiler keeps the store). Left out: evaporation, capacity and
// rain, the inflow's conversions and cap, the reserve, the row heights and
// the copies of edge points. The pass moves at least these bytes in this
// order.
void BM_AtmosphereFloor(benchmark::State& state) {
  World& w = world();
  PlanetGrid& planet = w.planet;
  HotTile* const hot = planet.hot();
  const MoveFractions* const fractions = planet.fractions();
  float zero = 0;
  benchmark::DoNotOptimize(zero);
  for (auto _ : state) {
    uint32_t sum = 0;
    forEachAtmospherePosition(planet, [&](const TileCoord& c) {
      const int32_t index = planet.tileIndex(c);
      sum += bitsOf(hot[index].humidity);
      int32_t around[6];
      const int count = planet.neighborIndices(c, around);
      const MoveFractions& shares = fractions[index];
      for (int i = 0; i < count; ++i) {
        HotTile& n = hot[around[i]];
        n.humidityInflow = n.humidityInflow + shares.share[i] * zero;
      }
    });
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_AtmosphereFloor)->Unit(benchmark::kMillisecond);

// The atmosphere pass's chain floor: the water reserve is one float that
// every point lends from or repays to, rounded to float at each step, in the
// pass's order (a reordered sum would round differently), so the pass is a
// chain of one float-to-double, one subtraction and one double-to-float per
// point once the reserve is below zero, where it stays (a lend lowers it,
// a repayment stops at zero). This is that chain alone, kept in a register,
// once per visited point: no point can be done before the point before it
// has passed on the reserve.
void BM_ReserveChainFloor(benchmark::State& state) {
  World& w = world();
  int64_t points = 0;
  forEachAtmospherePosition(w.planet, [&points](const TileCoord&) { ++points; });
  double lent = 1e-9;
  benchmark::DoNotOptimize(lent);
  for (auto _ : state) {
    float reserve = -0.5f;
    benchmark::DoNotOptimize(reserve);
    for (int64_t i = 0; i < points; ++i) {
      reserve = static_cast<float>(static_cast<double>(reserve) - lent);
    }
    benchmark::DoNotOptimize(reserve);
  }
  state.counters["points"] = static_cast<double>(points);
  // Below zero in the state the passes see: every point is on the chain.
  state.counters["reserve"] = w.run.climate.waterReserve;
}
BENCHMARK(BM_ReserveChainFloor)->Unit(benchmark::kMillisecond);

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
