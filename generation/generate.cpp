#include "generation/generate.h"

#include "base/parallel.h"
#include "climate/climate_phase.h"
#include "terrain/fractal.h"
#include "terrain/move_fractions.h"
#include "terrain/sea_level.h"
#include "world/stages.h"

namespace geoweave::detail {

namespace {
// The three fractal passes and sea level, in the order their random draws
// and reads require; kRefused stops the driver quietly, as it always did.
PassResult terrainPasses(PlanetGrid& planet, PlanetRun& run) {
  const RunHooks& hooks = run.hooks;
  const FractalRun fractal{planet, run.settings, run.terrain};
  Tile vertexTiles[12];
  hooks.report(0.01f, kStageRoughness);
  PassResult pass = fractalPass(fractal, 0, vertexTiles);
  if (pass != PassResult::kDone) return pass;
  hooks.report(0.02f, kStageElevations);
  pass = fractalPass(fractal, 1, vertexTiles);
  if (pass != PassResult::kDone) return pass;
  hooks.report(0.04f, kStageSeaLevel);
  calibrateSeaLevel(planet, run.settings, run.statistics, hooks.workers);
  hooks.report(0.05f, kStageTemperatures);
  return fractalPass(fractal, 2, vertexTiles);
}
}  // namespace

GenerateStatus generatePlanet(PlanetGrid& planet, PlanetRun& run) {
  const RunHooks& hooks = run.hooks;
  hooks.report(0.0f, kStageNeighbors);
  const int workers = usableWorkers(hooks.workers);
  MoveFractionStore fractions(planet, workers);
  if (!fractions.ok()) return GenerateStatus::kOutOfMemory;
  // The move fractions and latitudes depend on the grid alone, and only
  // the temperatures' adjustment and the climate turns read them, while the
  // fractal passes run on one thread: the other workers store them beside
  // those passes, and the first joins in once it is done with them.
  PassResult terrain = PassResult::kDone;
  if (workers > 1) {
    auto terrainThenShare = [&] {
      terrain = terrainPasses(planet, run);
      fractions.work();
    };
    auto share = [&fractions, workers] {
      auto work = [&fractions](int, int) { fractions.work(); };
      teamFor(workers - 1, work);
    };
    runAlongside(terrainThenShare, share);
  } else {
    fractions.work();
    terrain = terrainPasses(planet, run);
  }
  if (terrain == PassResult::kRefused) return GenerateStatus::kDone;
  if (terrain == PassResult::kFailed) return GenerateStatus::kFailed;
  return runClimatePhase(planet, run.settings, hooks, run.statistics, run.climate, run.rivers)
             ? GenerateStatus::kDone
             : GenerateStatus::kOutOfMemory;
}

}  // namespace geoweave::detail
