#pragma once

#include <cstdio>
#include <ctime>
#include <string>

#include "app/snapshot.h"
#include "world/generation_settings.h"
#include "world/run_hooks.h"

namespace geoweave::detail {

// The run's settings besides the generation settings.
struct RunSettings {
  int seed = 19800518;
  int width = 512;
  float zoom = 1.0f;
  std::string groundFileName = "grnd.bmp";
  float altitudeShadeScale = 1.0f;
};

enum class ParseOutcome { kRun, kExit };

// Reads the options left to right, a later one overriding an earlier one,
// into settings and generation; -v arms the turn callback in hooks with
// snapshot. Messages, warnings and the usage text go to out; the first
// failure stops the parse. now is the clock value for a seed left empty.
ParseOutcome parseOptions(int argc, const char* const* argv, RunSettings& settings,
                          GenerationSettings& generation, RunHooks& hooks,
                          SnapshotContext& snapshot, std::FILE* out, std::time_t now);

// The ground-cover pattern made from a file name: "%04d" before its last
// '.', every '%' of the name itself escaped. False when it does not fit.
bool buildGroundPattern(const std::string& fileName, char (&pattern)[1024]);

// atoi without undefined behaviour: out-of-range values saturate.
int parseInt(const char* text);

// The worker count GEOWEAVE_THREADS asks for (null when unset): a positive
// whole number, at most kMaxWorkers; anything else means every processor
// the process may run on.
int workersFromEnvironment(const char* value);

extern const char kUsageText[];

}  // namespace geoweave::detail
