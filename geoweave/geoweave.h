#pragma once

// Geoweave builds one whole spherical world from a seed and a few numbers:
// fractal terrain on an icosahedral diamond grid, a sea level, climate turns
// and rivers. A short use:
//
//   #include <geoweave/geoweave.h>
//
//   geoweave::Settings settings;  // the defaults: a 512-wide planet, 25 % land
//   settings.seed = 7;
//   settings.width = 256;
//   geoweave::Planet planet;
//   std::string error;
//   if (planet.generate(settings, {}, &error) != geoweave::Status::kOk) {
//     std::fprintf(stderr, "%s\n", error.c_str());
//     return 2;
//   }
//   const geoweave::Statistics stats = planet.statistics();
//   const float t = planet.sample(geoweave::Field::kTemperature, 45.0, 7.5);
//   geoweave::Image map;
//   if (planet.renderGround(512, 256, &map, &error) == geoweave::Status::kOk) {
//     geoweave::writeBmp(map, "ground.bmp", &error);
//   }
//   geoweave::ExportOptions folder;  // ground.png, height.png, planet.json...
//   folder.outDir = "world";
//   geoweave::exportPlanet(planet, folder, {}, nullptr, &error);
//
// Link with the CMake package (find_package(Geoweave CONFIG), target
// Geoweave::geoweave) or pkg-config (geoweave).

#include "geoweave/export.h"
#include "geoweave/image.h"
#include "geoweave/planet.h"
#include "geoweave/settings.h"
#include "geoweave/status.h"
