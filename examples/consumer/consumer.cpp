// Generates a planet through the installed public interface and prints its
// statistics line as GeoweaveTest does: consumer WIDTH TURNS SEED [OUTDIR].
// With OUTDIR it also writes the planet folder there, as geoweave would:
// ground.png, sheet.png, height.png, mask.png, biomes.png, legend.png and
// planet.json.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "geoweave/geoweave.h"

namespace {

void tell(const char* line, void*) {
  std::fprintf(stderr, "consumer: %s\n", line);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: consumer WIDTH TURNS SEED [OUTDIR]\n");
    return 1;
  }
  geoweave::Settings settings;
  settings.width = std::atoi(argv[1]);
  settings.turns = std::atoi(argv[2]);
  settings.seed = std::atoi(argv[3]);
  geoweave::Planet planet;
  std::string error;
  if (planet.generate(settings, {}, &error) != geoweave::Status::kOk) {
    std::fprintf(stderr, "error: %s\n", error.c_str());
    return 2;
  }
  const geoweave::Statistics s = planet.statistics();
  std::printf(
      "Elev(%f,%f), sealevel(%f), waterflowing(%f), rainfall(%f),\ntemp(%f,%f), "
      "TileElevDiff(%f)\n",
      static_cast<double>(s.elevationMin), static_cast<double>(s.elevationMax),
      static_cast<double>(s.seaLevel), static_cast<double>(s.waterFlowing),
      static_cast<double>(s.rainfall), static_cast<double>(s.temperatureMin),
      static_cast<double>(s.temperatureMax), static_cast<double>(s.tileElevationDiff));
  if (argc == 5) {
    geoweave::ExportOptions options;
    options.outDir = argv[4];
    options.mapWidth = settings.width;
    options.mapHeight = settings.width / 2;
    geoweave::ExportCallbacks callbacks;
    callbacks.message = tell;  // each file that could not be written
    geoweave::ExportResult result;
    if (geoweave::exportPlanet(planet, options, callbacks, &result, &error) !=
        geoweave::Status::kOk) {
      return 2;
    }
  }
  return 0;
}
