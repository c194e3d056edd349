#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "app/command_line.h"
#include "app/out_of_memory.h"
#include "app/progress_dots.h"
#include "app/snapshot.h"
#include "base/parallel.h"
#include "generation/generate.h"
#include "image/atomic_file.h"
#include "world/planet_grid.h"

int main(int argc, char** argv) {
  using namespace geoweave::detail;
  const std::time_t start = std::time(nullptr);
  RunSettings settings;
  PlanetRun run;
  SnapshotContext snapshot;
  if (parseOptions(argc, argv, settings, run.settings, run.hooks, snapshot, stdout, start) !=
      ParseOutcome::kRun) {
    return 1;
  }
  // A frame cut short by a signal leaves no scratch file behind; a write
  // past the file-size limit fails and is warned of instead of ending the
  // run.
  installTempFileCleanup();
  ignoreWriteSignals();
  const int height = settings.width / 2;
  run.hooks.workers = workersFromEnvironment(std::getenv("GEOWEAVE_THREADS"));
  run.terrain.random.seed(static_cast<uint32_t>(settings.seed));
  ProgressDisplay display;
  run.hooks.progress = showProgress;
  run.hooks.progressUser = &display;

  PlanetGrid planet;
  planet.buildIcosahedron();
  snapshot.run = &run;
  snapshot.planet = &planet;
  snapshot.width = settings.width;
  snapshot.height = height;
  snapshot.altitudeShadeScale = settings.altitudeShadeScale;
  if (!planet.allocate(settings.width, settings.zoom, run.hooks.workers)) {
    const std::string records =
        PlanetGrid::tileRecordsText(PlanetGrid::levelFor(settings.width, settings.zoom));
    std::fflush(stdout);
    std::fprintf(stderr,
                 "error: the grid for width %d and zoom %g needs %s tiles, which cannot be "
                 "allocated\n",
                 settings.width, static_cast<double>(settings.zoom), records.c_str());
    return 2;
  }

  if (generatePlanet(planet, run) == GenerateStatus::kOutOfMemory) exitOutOfMemory();
  std::fflush(stdout);

  const PlanetStatistics& stats = run.statistics;
  debugMessage(
      "Elev(%f,%f), sealevel(%f), waterflowing(%f), rainfall(%f),\ntemp(%f,%f), "
      "TileElevDiff(%f)\n",
      static_cast<double>(stats.elevationMin), static_cast<double>(stats.elevationMax),
      static_cast<double>(stats.seaLevel), static_cast<double>(stats.waterFlowing),
      static_cast<double>(stats.rainfall), static_cast<double>(stats.temperatureMin),
      static_cast<double>(stats.temperatureMax), static_cast<double>(stats.tileElevationDiff));
  debugMessage("Generation took %d seconds.\n", static_cast<int>(std::time(nullptr) - start));
  planet.freeTiles();
  return snapshot.writeFailed ? 2 : 0;
}
