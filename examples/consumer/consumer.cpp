// Generates a planet through the installed public interface and prints its
// statistics line as GeoweaveTest does: consumer WIDTH TURNS SEED.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "geoweave/geoweave.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: consumer WIDTH TURNS SEED\n");
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
  return 0;
}
