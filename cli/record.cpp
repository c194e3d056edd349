#include "cli/record.h"

#include <nlohmann/json.hpp>

#include "cli/heightmap.h"
#include "geoweave/settings.h"

using json = nlohmann::ordered_json;

namespace {

// The exact value of a float: a double holds every float exactly, and the
// JSON writer prints doubles so that they read back bit for bit.
double exact(float value) {
  return static_cast<double>(value);
}

// Where the pixels of a width x height picture in the frame layout lie. The
// numbers repeat the formulas so that a program can use either.
json frameRule(int width, int height) {
  json rule;
  rule["width"] = width;
  rule["height"] = height;
  rule["longitude"] = "360 * x / " + std::to_string(width) + " degrees east of 0";
  rule["longitudeOfColumn0"] = 0.0;
  rule["degreesPerColumn"] = 360.0 / width;
  if (height > 1) {
    rule["latitude"] = "90 - 180 * y / " + std::to_string(height - 1) + " degrees";
    rule["degreesPerRow"] = -180.0 / (height - 1);
  } else {
    rule["latitude"] = "0 degrees (a single row on the equator)";
    rule["degreesPerRow"] = 0.0;
  }
  rule["latitudeOfRow0"] = height > 1 ? 90.0 : 0.0;
  rule["pixelIs"] = "the point the pixel is sampled at (column x, row y from the top left)";
  return rule;
}

// The six panels of the sheet, each a width x height map with the frame
// rule, at these offsets from the sheet's top left corner.
json sheetRule(int width, int height) {
  json rule;
  rule["width"] = 2 * width;
  rule["height"] = 3 * height;
  const char* names[3][2] = {
      {"temperature", "humidity"}, {"elevation", "rain"}, {"ground", "sediment"}};
  json panels = json::array();
  for (int band = 0; band < 3; ++band) {
    for (int column = 0; column < 2; ++column) {
      panels.push_back(
          {{"name", names[band][column]}, {"x", column * width}, {"y", band * height}});
    }
  }
  rule["panels"] = panels;
  rule["panel"] = frameRule(width, height);
  rule["inPanel"] = "x and y of the panel rule count from the panel's own top left corner";
  return rule;
}

}  // namespace

std::string planetRecord(const RunOptions& options, const geoweave::Planet& planet,
                         const std::vector<std::string>& files) {
  const geoweave::Settings& s = planet.settings();
  const geoweave::Statistics stats = planet.statistics();
  const geoweave::Rivers rivers = planet.rivers();
  const int w = options.mapWidth;
  const int h = options.mapHeight;

  json record;
  record["program"] = "geoweave";
  record["version"] = geoweave::version();
  record["settings"] = {
      {"seed", s.seed},
      {"seedFromClock", options.randomSeed},
      {"width", s.width},
      {"zoom", exact(s.zoom)},
      {"cornerRange", exact(s.cornerRange)},
      {"landPercent", s.landPercent},
      {"riverPercent", s.riverPercent},
      {"turns", s.turns},
      {"shareCap", exact(s.shareCap)},
      {"shade", exact(s.shadeScale)},
      {"mapWidth", w},
      {"mapHeight", h},
      {"frames", options.frames},
  };
  record["grid"] = {{"level", planet.gridLevel()}, {"records", planet.recordCount()}};
  record["statistics"] = {
      {"elevationMin", exact(stats.elevationMin)},
      {"elevationMax", exact(stats.elevationMax)},
      {"seaLevel", exact(stats.seaLevel)},
      {"waterFlowing", exact(stats.waterFlowing)},
      {"rainfall", exact(stats.rainfall)},
      {"temperatureMin", exact(stats.temperatureMin)},
      {"temperatureMax", exact(stats.temperatureMax)},
      {"tileElevationDiff", exact(stats.tileElevationDiff)},
  };
  record["seaLevel"] = {
      {"height", exact(stats.seaLevel)},
      {"heightmap", heightmapPosition(stats.seaLevel, stats.elevationMin, stats.elevationMax)},
  };
  record["rivers"] = {
      {"threshold", exact(rivers.threshold)},
      {"majorThreshold", exact(rivers.majorThreshold)},
      {"segments", rivers.segments.size()},
  };
  record["files"] = files;

  json pixels;
  pixels["ground.png"] = frameRule(w, h);
  pixels["sheet.png"] = sheetRule(w, h);
  json height = frameRule(w, h);
  height["value0"] = exact(stats.elevationMin);
  height["value65535"] = exact(stats.elevationMax);
  height["heightOfValue"] =
      stats.elevationMax == stats.elevationMin
          ? "every value is 0: the elevation range is empty"
          : "elevationMin + v * (elevationMax - elevationMin) / 65535, v rounded to nearest "
            "and clamped to 0..65535";
  pixels["height.png"] = height;
  if (options.frames) {
    pixels["frames/ground-NNNN.png"] = frameRule(w, h);
    pixels["frames/sheet-NNNN.png"] = sheetRule(w, h);
  }
  record["pixels"] = pixels;
  return record.dump(2) + "\n";
}
