#include "climate/climate_phase.h"
#include "grid/planet.h"
#include "terrain/move_fractions.h"
#include "terrain/sea_level.h"
#include "terrain/stages.h"

bool Planet::generate(PlanetParams* params, ProgressCallback callback) {
  progress = callback;
  Tile vertexTiles[12];
  for (int phase = 0;; ++phase) {
    if (!runPhase(phase, params)) return true;
    const PassResult pass = fractalPass(phase, params, vertexTiles);
    if (pass == PassResult::kRefused) return true;
    if (pass == PassResult::kFailed) return false;
  }
}

bool Planet::runPhase(int phase, PlanetParams* params) {
  switch (phase) {
    case 0:
      report(0.0f, kStageNeighbors);
      storeNeighborsAndMoveFractions(*this);
      report(0.01f, kStageRoughness);
      return true;
    case 1:
      report(0.02f, kStageElevations);
      return true;
    case 2:
      report(0.04f, kStageSeaLevel);
      calibrateSeaLevel(*this, *params);
      report(0.05f, kStageTemperatures);
      return true;
    case 3:
      runClimatePhase(*this, *params);
      return false;
    default:
      return false;
  }
}
