#include "climate/climate_phase.h"

#include "base/parallel.h"
#include "climate/atmosphere.h"
#include "climate/climate_state.h"
#include "climate/iteration_setup.h"
#include "climate/rivers.h"
#include "climate/sweep_levels.h"
#include "climate/temperatures.h"
#include "climate/water_flow.h"
#include "world/generation_settings.h"
#include "world/planet_grid.h"
#include "world/planet_statistics.h"
#include "world/run_hooks.h"
#include "world/stages.h"

namespace geoweave::detail {

namespace {
// Pieces of the sweep's list for counting levels: enough for the thread that
// joins late to find some left, few, as each adds levels.
constexpr int kGroupingBlocks = 4;

void runTurns(PlanetGrid& planet, const GenerationSettings& settings, const RunHooks& hooks,
              PlanetStatistics& statistics, ClimateState& climate, float erosionScale) {
  for (int t = 0; t < settings.turns; ++t) {
    if (hooks.turnCallback != nullptr) hooks.turnCallback(t, hooks.turnCallbackUser);
    hooks.report(static_cast<float>(0.08 + 0.9 * t / settings.turns), kStageIterating);
    // While the turns run, the rain colours measure against the latest pass.
    auto atmosphere = [&] {
      statistics.rainfall = atmospherePass(planet, settings, statistics, climate);
    };
    const int workers = usableWorkers(hooks.workers);
    if (t == 0 && workers > 1) {
      // Levels let the water sweeps run on every worker. They depend on the
      // sweep's list and the grid alone, so a second thread counts them
      // while the first atmosphere pass (which cannot be shared out) runs,
      // and the first joins in when it is done: even a single turn gains,
      // as that thread would otherwise wait. Without room for them the
      // sweeps run on one worker.
      SweepGrouping grouping(planet, climate, kGroupingBlocks);
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
    waterPass(planet, climate, hooks.workers, erosionScale);
  }
  // Only the sweeps read the levels; what follows a big planet's generation
  // (its pictures and files) has better use for their memory.
  climate.sweepLevelEntries.release();
  climate.sweepLevelStarts.release();
}
}  // namespace

bool runClimatePhase(PlanetGrid& planet, const GenerationSettings& settings, const RunHooks& hooks,
                     PlanetStatistics& statistics, ClimateState& climate, RiverNetwork& rivers) {
  adjustTemperatures(planet, statistics, hooks.workers);
  hooks.report(0.07f, kStageSetup);
  if (!sortTilesByElevation(planet, climate, hooks.workers)) return false;
  runTurns(planet, settings, hooks, statistics, climate, erosionScaleFor(statistics));
  hooks.report(0.98f, kStageRivers);
  if (!makeRivers(planet, settings, statistics, rivers)) return false;
  hooks.report(1.0f, kStageDone);
  return true;
}

}  // namespace geoweave::detail
