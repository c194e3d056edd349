#include "climate/climate_phase.h"

#include "base/parallel.h"
#include "climate/atmosphere.h"
#include "climate/iteration_setup.h"
#include "climate/rivers.h"
#include "climate/sweep_levels.h"
#include "climate/temperatures.h"
#include "climate/water_flow.h"
#include "world/params.h"
#include "world/planet_grid.h"
#include "world/stages.h"

namespace geoweave::detail {

namespace {
// Pieces of the sweep's list for counting levels: enough for the thread that
// joins late to find some left, few, as each adds levels.
constexpr int kGroupingBlocks = 4;

void runTurns(PlanetGrid& planet, PlanetParams& params, float erosionScale) {
  for (int t = 0; t < params.turns; ++t) {
    if (params.turnCallback != nullptr) params.turnCallback(t, params.turnCallbackUser);
    params.report(static_cast<float>(0.08 + 0.9 * t / params.turns), kStageIterating);
    // While the turns run, the rain colours measure against the latest pass.
    auto atmosphere = [&planet, &params] { params.rainfall = atmospherePass(planet, params); };
    const int workers = usableWorkers(params.workers);
    if (t == 0 && workers > 1 && params.turns > 1) {
      // Levels let the water sweeps run on every worker (a single sweep
      // would not repay them). They depend on the sweep's list and the grid
      // alone, so a second thread counts them while the first atmosphere
      // pass (which cannot be shared out) runs, and the first joins in when
      // it is done. Without room for them the sweeps run on one worker.
      SweepGrouping grouping(planet, params, kGroupingBlocks);
      auto atmosphereThenCount = [&] {
        atmosphere();
        grouping.countLevels();
      };
      auto count = [&grouping] { grouping.countLevels(); };
      runAlongside(atmosphereThenCount, count);
      grouping.finish(workers);
    } else {
      atmosphere();
    }
    waterPass(planet, params, erosionScale);
  }
}
}  // namespace

bool runClimatePhase(PlanetGrid& planet, PlanetParams& params) {
  adjustTemperatures(planet, params);
  params.report(0.07f, kStageSetup);
  if (!sortTilesByElevation(planet, params)) return false;
  runTurns(planet, params, erosionScaleFor(params));
  params.report(0.98f, kStageRivers);
  if (!makeRivers(planet, params)) return false;
  params.report(1.0f, kStageDone);
  return true;
}

}  // namespace geoweave::detail
