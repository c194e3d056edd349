#pragma once

#include <cstdint>

#include "app/growable_array.h"
#include "app/river_point.h"

// Reports the overall completed share of generation and the current stage.
using ProgressCallback = void (*)(float fraction, const char* stage);
// Called at the start of every climate turn; the result is not read.
using TurnCallback = int (*)(int turn, void* user);

// Program-wide values, fixed before the command line is read. They are
// derived in this order: pi as float, 1/pi from that float, then the depths.
constexpr float kPi = static_cast<float>(3.14159265358979323846);
constexpr float kInvPi = static_cast<float>(1.0 / static_cast<double>(kPi));
constexpr float kDepthUnit = static_cast<float>(1.0 / 10000.0);
constexpr float kRiverFlowThresholdStart = static_cast<float>(30.0 * kDepthUnit);
constexpr float kMajorRiverFlowThresholdStart = static_cast<float>(100.0 * kDepthUnit);
constexpr float kSeaDepth = static_cast<float>(60.0 * kDepthUnit);

// Written by the river stage, read by the renderer.
extern float riverFlowThreshold;
extern float majorRiverFlowThreshold;

// Puts both river thresholds back to their starting values (a new run in the
// same process, such as a test, must not see the last run's rivers).
void resetRiverThresholds();

// Settings in, statistics out: the one record that travels from the command
// line through generation and back to the closing statistics line.
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
  TurnCallback turnCallback = nullptr;
  void* turnCallbackUser = nullptr;
  GrowableArray<int32_t> tilesByElevation;
  GrowableArray<RiverPoint> riverPoints;

  PlanetParams() = default;
  PlanetParams(const PlanetParams&) = delete;
  PlanetParams& operator=(const PlanetParams&) = delete;
};
