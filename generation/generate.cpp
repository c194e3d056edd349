#include "generation/generate.h"

#include "climate/climate_phase.h"
#include "terrain/fractal.h"
#include "terrain/move_fractions.h"
#include "terrain/sea_level.h"
#include "world/stages.h"

namespace geoweave::detail {

GenerateStatus generatePlanet(PlanetGrid& planet, PlanetParams& params) {
  const FractalRun run{planet, params};
  Tile vertexTiles[12];
  for (int phase = 0;; ++phase) {
    bool more = false;
    const GenerateStatus status = runPhase(planet, params, phase, more);
    if (status != GenerateStatus::kDone || !more) return status;
    const PassResult pass = fractalPass(run, phase, vertexTiles);
    if (pass == PassResult::kRefused) return GenerateStatus::kDone;
    if (pass == PassResult::kFailed) return GenerateStatus::kFailed;
  }
}

GenerateStatus runPhase(PlanetGrid& planet, PlanetParams& params, int phase, bool& more) {
  more = phase < 3;
  switch (phase) {
    case 0:
      params.report(0.0f, kStageNeighbors);
      if (!storeMoveFractions(planet, params.workers)) {
        return GenerateStatus::kOutOfMemory;
      }
      params.report(0.01f, kStageRoughness);
      return GenerateStatus::kDone;
    case 1:
      params.report(0.02f, kStageElevations);
      return GenerateStatus::kDone;
    case 2:
      params.report(0.04f, kStageSeaLevel);
      calibrateSeaLevel(planet, params);
      params.report(0.05f, kStageTemperatures);
      return GenerateStatus::kDone;
    case 3:
      return runClimatePhase(planet, params) ? GenerateStatus::kDone : GenerateStatus::kOutOfMemory;
    default:
      more = false;
      return GenerateStatus::kDone;
  }
}

}  // namespace geoweave::detail
