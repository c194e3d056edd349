#pragma once

#include <memory>

#include "generation/planet_run.h"
#include "render/render_snapshot.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

// What the per-turn snapshot needs: the file name patterns, the run's
// planet and its statistics, rivers and worker count, and the picture size.
struct SnapshotContext {
  // Room for a 503-character file name with every '%' escaped.
  char groundPattern[1024] = "grnd%04d.bmp";
  char allPattern[1024] = "all%04d.bmp";
  const PlanetRun* run = nullptr;
  PlanetGrid* planet = nullptr;
  int width = 0;
  int height = 0;
  float altitudeShadeScale = 1.0f;
  // Set when any picture could not be written: the run then ends with exit
  // code 2 instead of 0, so a lost frame is never silent.
  bool writeFailed = false;
  // Pixel positions and images, made at the first snapshot.
  std::unique_ptr<SnapshotCanvas> canvas;
};

// The turn callback armed by -v: renders the planet as it stands and writes
// the numbered ground-cover map and six-panel sheet. A file that cannot be
// written is named in a warning on standard error (the other is still
// written); images that cannot be had end the run as out of memory.
int writeTurnSnapshot(int turn, void* user);

// File name of one turn: the pattern formatted with the turn number, at most
// 511 characters.
void formatSnapshotName(const char* pattern, int turn, char (&name)[512]);

}  // namespace geoweave::detail
