#include "climate/climate_phase.h"

#include "climate/atmosphere.h"
#include "climate/iteration_setup.h"
#include "climate/rivers.h"
#include "climate/temperatures.h"
#include "climate/water_flow.h"
#include "grid/planet.h"
#include "terrain/stages.h"

namespace {
void runTurns(Planet& planet, PlanetParams& params, float erosionScale) {
  for (int t = 0; t < params.turns; ++t) {
    if (params.turnCallback != nullptr) params.turnCallback(t, params.turnCallbackUser);
    planet.report(static_cast<float>(0.08 + 0.9 * t / params.turns), kStageIterating);
    // While the turns run, the rain colours measure against the latest pass.
    params.rainfall = atmospherePass(planet, params);
    waterPass(planet, params, erosionScale);
  }
}
}  // namespace

void runClimatePhase(Planet& planet, PlanetParams& params) {
  adjustTemperatures(planet, params);
  planet.report(0.07f, kStageSetup);
  sortTilesByElevation(planet, params);
  runTurns(planet, params, erosionScaleFor(params));
  planet.report(0.98f, kStageRivers);
  makeRivers(planet, params);
  planet.report(1.0f, kStageDone);
}
