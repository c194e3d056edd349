#pragma once

namespace geoweave::detail {

// Reports the overall completed share of generation and the current stage.
using ProgressCallback = void (*)(float fraction, const char* stage, void* user);
// Called at the start of every climate turn; the result is not read.
using TurnCallback = int (*)(int turn, void* user);

// How a run talks to its caller and how many threads it may use: set by the
// caller, read by every stage, written by none. The callbacks are called on
// the thread that runs generation, one at a time.
struct RunHooks {
  ProgressCallback progress = nullptr;
  void* progressUser = nullptr;
  TurnCallback turnCallback = nullptr;
  void* turnCallbackUser = nullptr;
  // Worker threads for the passes that share out their points (1 to
  // kMaxWorkers); the output never depends on it.
  int workers = 1;

  void report(float fraction, const char* stage) const {
    if (progress != nullptr) progress(fraction, stage, progressUser);
  }
};

}  // namespace geoweave::detail
