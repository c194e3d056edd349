#include <cstdio>
#include <ctime>
#include <string>

#include "app/options.h"
#include "app/params.h"
#include "app/progress.h"
#include "app/random.h"
#include "app/snapshot.h"
#include "grid/planet.h"

int main(int argc, char** argv) {
  const std::time_t start = std::time(nullptr);
  RunSettings settings;
  PlanetParams params;
  SnapshotContext snapshot;
  if (parseOptions(argc, argv, settings, params, snapshot, stdout, start) != ParseOutcome::kRun) {
    return 1;
  }
  const int height = settings.width / 2;
  seedRandom(static_cast<uint32_t>(settings.seed));

  Planet planet;
  planet.buildIcosahedron();
  snapshot.params = &params;
  snapshot.planet = &planet;
  snapshot.width = settings.width;
  snapshot.height = height;
  snapshot.altitudeShadeScale = settings.altitudeShadeScale;
  if (!planet.allocate(settings.width, settings.zoom)) {
    const std::string records =
        Planet::tileRecordsText(Planet::levelFor(settings.width, settings.zoom));
    std::fflush(stdout);
    std::fprintf(stderr,
                 "error: the grid for width %d and zoom %g needs %s tiles, which cannot be "
                 "allocated\n",
                 settings.width, static_cast<double>(settings.zoom), records.c_str());
    return 2;
  }

  planet.generate(&params, showProgress);
  std::fflush(stdout);

  debugMessage(
      "Elev(%f,%f), sealevel(%f), waterflowing(%f), rainfall(%f),\ntemp(%f,%f), "
      "TileElevDiff(%f)\n",
      static_cast<double>(params.elevationMin), static_cast<double>(params.elevationMax),
      static_cast<double>(params.seaLevel), static_cast<double>(params.waterFlowing),
      static_cast<double>(params.rainfall), static_cast<double>(params.temperatureMin),
      static_cast<double>(params.temperatureMax), static_cast<double>(params.tileElevationDiff));
  debugMessage("Generation took %d seconds.\n", static_cast<int>(std::time(nullptr) - start));
  planet.freeTiles();
  return snapshot.writeFailed ? 2 : 0;
}
