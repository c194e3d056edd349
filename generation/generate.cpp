#include "generation/generate.h"

#include "climate/climate_phase.h"
#include "terrain/fractal.h"
#include "terrain/move_fractions.h"
#include "terrain/sea_level.h"
#include "world/stages.h"

namespace geoweave::detail {

GenerateStatus generatePlanet(PlanetGrid& planet, PlanetRun& run) {
  const FractalRun fractal{planet, run.settings, run.terrain};
  Tile vertexTiles[12];
  for (int phase = 0;; ++phase) {
    bool more = false;
    const GenerateStatus status = runPhase(planet, run, phase, more);
    if (status != GenerateStatus::kDone || !more) return status;
    const PassResult pass = fractalPass(fractal, phase, vertexTiles);
    if (pass == PassResult::kRefused) return GenerateStatus::kDone;
    if (pass == PassResult::kFailed) return GenerateStatus::kFailed;
  }
}

GenerateStatus runPhase(PlanetGrid& planet, PlanetRun& run, int phase, bool& more) {
  const RunHooks& hooks = run.hooks;
  more = phase < 3;
  switch (phase) {
    case 0:
      hooks.report(0.0f, kStageNeighbors);
      if (!storeMoveFractions(planet, hooks.workers)) {
        return GenerateStatus::kOutOfMemory;
      }
      hooks.report(0.01f, kStageRoughness);
      return GenerateStatus::kDone;
    case 1:
      hooks.report(0.02f, kStageElevations);
      return GenerateStatus::kDone;
    case 2:
      hooks.report(0.04f, kStageSeaLevel);
      calibrateSeaLevel(planet, run.settings, run.statistics, hooks.workers);
      hooks.report(0.05f, kStageTemperatures);
      return GenerateStatus::kDone;
    case 3:
      return runClimatePhase(planet, run.settings, hooks, run.statistics, run.climate, run.rivers)
                 ? GenerateStatus::kDone
                 : GenerateStatus::kOutOfMemory;
    default:
      more = false;
      return GenerateStatus::kDone;
  }
}

}  // namespace geoweave::detail
