#pragma once

#include <cstdint>

#include "base/growable_array.h"
#include "base/random.h"
#include "world/river_point.h"
#include "world/tile_fields.h"

namespace geoweave::detail {

// Reports the overall completed share of generation and the current stage.
using ProgressCallback = void (*)(float fraction, const char* stage, void* user);
// Called at the start of every climate turn; the result is not read.
using TurnCallback = int (*)(int turn, void* user);

// Where the river thresholds start before the river stage sets them.
constexpr float kRiverFlowThresholdStart = static_cast<float>(30.0 * kDepthUnit);
constexpr float kMajorRiverFlowThresholdStart = static_cast<float>(100.0 * kDepthUnit);

// Settings in, statistics out: the one record that travels from the command
// line through generation and back to the closing statistics line. Each run
// has its own, with its own random sequence and river thresholds, so planets
// made at the same time in one process never see each other.
struct PlanetParams {
  float cornerElevationMean = 0.5f;
  float cornerElevationRange = 0.2f;
  float elevationNoiseScale = 1.0f;
  float seaFraction = 0.75f;
  float riverFraction = 0.05f;
  float shareCap = 0.2f;
  int32_t turns = 10;
  float waterReserve = 0;
  float reserveTransferLimit = 0.02f;
  float elevationMin = 0;
  float elevationMax = 0;
  float seaLevel = 0;
  float waterFlowing = 0;
  float rainfall = 0;
  float temperatureMin = 0;
  float temperatureMax = 0;
  float tileElevationDiff = 0;
  // Written by the river stage, read by the renderer.
  float riverFlowThreshold = kRiverFlowThresholdStart;
  float majorRiverFlowThreshold = kMajorRiverFlowThresholdStart;
  // Worker threads for the passes that share out their points (1 to
  // kMaxWorkers); the output never depends on it.
  int workers = 1;
  Random random;
  ProgressCallback progress = nullptr;
  void* progressUser = nullptr;
  TurnCallback turnCallback = nullptr;
  void* turnCallbackUser = nullptr;
  GrowableArray<int32_t> tilesByElevation;
  // The water sweep's entries grouped into levels (entries of one level touch
  // disjoint points): level k is sweepLevelEntries[sweepLevelStarts[k] ..
  // sweepLevelStarts[k + 1]). They belong to tilesByElevation as it was when
  // they were grouped; whoever changes that list releases them.
  GrowableArray<int32_t> sweepLevelEntries;
  GrowableArray<int32_t> sweepLevelStarts;
  // How long a water sweep took per entry, by levels on several workers and
  // in list order on one (0: not yet tried), and the sweeps since the slower
  // way was last tried again: the sweeps take the faster way, as the workers
  // may be sharing their processors with other programs.
  struct SweepTimes {
    double shared = 0;
    double alone = 0;
    int sinceRetry = 0;
  } sweepTimes;
  GrowableArray<RiverPoint> riverPoints;

  PlanetParams() = default;
  PlanetParams(const PlanetParams&) = delete;
  PlanetParams& operator=(const PlanetParams&) = delete;

  void report(float fraction, const char* stage) const {
    if (progress != nullptr) progress(fraction, stage, progressUser);
  }
};

}  // namespace geoweave::detail
