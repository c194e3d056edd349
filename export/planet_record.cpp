#include "export/planet_record.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "export/class_record.h"
#include "export/cube_faces.h"
#include "export/geotiff_layers.h"
#include "export/gltf_model.h"
#include "export/heightmap.h"
#include "export/river_raster.h"
#include "export/rivers_png.h"
#include "export/world_file.h"
#include "geoweave/settings.h"

namespace geoweave::detail {

using json = nlohmann::ordered_json;

namespace {

// The exact value of a float: a double holds every float exactly, and the
// JSON writer prints doubles so that they read back bit for bit.
double exact(float value) {
  return static_cast<double>(value);
}

constexpr char kRawFormat[] =
    "little-endian unsigned 16-bit values, rows from the top, no header: height.png's values";

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

// Where the cells of a width x height GeoTIFF lie: cell (x, y) covers an
// area and holds the field sampled at its centre. The same numbers as
// frameRule's, so one formula places the value of either.
json geographicRule(int width, int height) {
  json rule;
  rule["width"] = width;
  rule["height"] = height;
  rule["crs"] = "EPSG:4326";
  rule["extent"] = {{"west", -180.0}, {"south", -90.0}, {"east", 180.0}, {"north", 90.0}};
  rule["longitude"] = "-180 + 360 * (x + 0.5) / " + std::to_string(width) + " degrees east";
  rule["longitudeOfColumn0"] = -180.0 + 180.0 / width;
  rule["degreesPerColumn"] = 360.0 / width;
  rule["latitude"] = "90 - 180 * (y + 0.5) / " + std::to_string(height) + " degrees";
  rule["latitudeOfRow0"] = 90.0 - 90.0 / height;
  rule["degreesPerRow"] = -180.0 / height;
  rule["pixelIs"] =
      "an area of degreesPerColumn x -degreesPerRow degrees (column x, row y from the top "
      "left), holding the field sampled at its centre";
  return rule;
}

// The direction through each pixel of one size x size cube face.
json cubeRule(const CubeFaceInfo& face, int size) {
  const auto axis = [](const int(&v)[3]) { return json::array({v[0], v[1], v[2]}); };
  json rule;
  rule["width"] = size;
  rule["height"] = size;
  if (size > 1) {
    const std::string last = std::to_string(size - 1);
    rule["s"] = "(2 * x - " + last + ") / " + last;
    rule["t"] = "(2 * y - " + last + ") / " + last;
  } else {
    rule["s"] = "0";
    rule["t"] = "0";
  }
  rule["direction"] = face.direction;
  rule["directionOf"] = "centre + s * alongS + t * alongT";
  rule["centre"] = axis(face.centre);
  rule["alongS"] = axis(face.alongS);
  rule["alongT"] = axis(face.alongT);
  rule["axes"] = "+x towards latitude 0 longitude 0, +y towards longitude 90 east, +z north";
  rule["latitude"] = "atan2(z, sqrt(x * x + y * y)) degrees";
  rule["longitude"] = "atan2(y, x) degrees east";
  rule["pixelIs"] =
      "the point where the direction from the planet's centre meets the surface (column x, row "
      "y from the top left); the outer rows and columns lie on the cube's edges, so faces that "
      "meet show the same points along their shared edge";
  return rule;
}

// How height.png and the height faces store the ground height.
void addHeightScale(json& rule, const geoweave::Statistics& stats) {
  rule["value0"] = exact(stats.elevationMin);
  rule["value65535"] = exact(stats.elevationMax);
  rule["heightOfValue"] =
      stats.elevationMax == stats.elevationMin
          ? "every value is 0: the elevation range is empty"
          : "elevationMin + v * (elevationMax - elevationMin) / 65535, v rounded to nearest "
            "and clamped to 0..65535";
}

// How planet.glb places the planet: enough to find any place and height in
// it, or a vertex's place and height on the planet.
json modelRule(const geoweave::ExportOptions& options, const geoweave::Planet& planet) {
  const GltfHeightMapping mapping = gltfHeightMapping(planet, gltfOptionsOf(options));
  json rule;
  rule["file"] = "planet.glb";
  rule["format"] = "glTF 2.0 binary";
  rule["units"] = "metres";
  rule["axes"] =
      "+y towards the north pole, +z towards latitude 0 longitude 0, +x towards longitude 90 "
      "east (glTF x = the cube rule's y, y = its z, z = its x)";
  rule["mesh"] = options.gltfMesh;
  rule["texture"] = options.gltfTexture;
  rule["radius"] = mapping.radius;
  rule["relief"] = options.gltfRelief;
  rule["exaggerate"] = mapping.exaggerate;
  rule["metresPerHeightUnit"] = mapping.metresPerUnit;
  rule["waterLevel"] = exact(mapping.waterLevel);
  rule["distanceFromCentre"] =
      "radius + (h - waterLevel) * metresPerHeightUnit * exaggerate metres for a ground height "
      "h in height units";
  rule["ground"] =
      "node ground: one primitive per cube face in the cube rule's order (px nx py ny pz nz), "
      "mesh + 1 x mesh + 1 vertices, vertex (x, y) in the direction of the cube rule's pixel "
      "(x, y) at size mesh + 1, its base colour texture the face's ground cover at size texture";
  rule["ocean"] =
      "node ocean: the same vertices' directions at distance radius (the water surface), "
      "partly transparent";
  return rule;
}

// Where a PNG map's world file and GDAL side file are, and the world file's
// six numbers, which place the pixels as the map's own rule does.
void addWorldFile(json& rule, const std::string& png, int width, int height) {
  rule["worldFile"] = worldFileName(png);
  rule["auxXml"] = auxXmlName(png);
  json lines = json::array();
  std::istringstream text(worldFileText(width, height));
  double value = 0;
  while (text >> value) lines.push_back(value);
  rule["worldFileLines"] = lines;
}

}  // namespace

std::string planetRecord(const geoweave::ExportOptions& options, const geoweave::Planet& planet,
                         const std::vector<std::string>& files, const ClassCounts* classes) {
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
      {"seedFromClock", options.seedFromClock},
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
      {"geotiff", options.geotiff},
      {"geojson", options.geojson},
      {"globe", options.globe},
      {"cube", options.cubeSize},
      {"gltf", options.gltf},
      {"riverOverlay", options.riverOverlay},
      {"boldRivers", options.boldRivers},
      {"raw", options.raw},
      {"worldFiles", options.worldFiles},
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
  if (options.geojson) {
    record["rivers"]["geojson"] = {
        {"file", "rivers.geojson"},
        {"features", rivers.segments.size()},
        {"coordinates",
         "[longitude, latitude] in degrees on WGS 84 (EPSG:4326), longitude -180..180; one "
         "feature per segment, a MultiLineString split at the antimeridian where it crosses it"},
    };
  }
  if (options.gltf) record["model"] = modelRule(options, planet);
  if (options.riverOverlay || options.boldRivers) {
    record["rivers"]["drawn"] = {
        {"largestFlow", exact(largestFlow(rivers))},
        {"width",
         "1 pixel at or below threshold, 1 + 3 * ln(flow / threshold) / ln(largestFlow / "
         "threshold) pixels above it, at most 4; linear from one end's width to the other's"},
        {"color", json::array({kRiverColor[0], kRiverColor[1], kRiverColor[2]})},
        {"opacity",
         "1 in every pixel a segment's centre line passes through, else min(1, max(0, width / "
         "2 + 0.5 - d)) for a pixel centre d pixels from it"},
    };
  }
  record["files"] = files;
  const auto listed = [&files](const std::string& name) {
    return std::find(files.begin(), files.end(), name) != files.end();
  };

  json pixels;
  pixels["ground.png"] = frameRule(w, h);
  pixels["sheet.png"] = sheetRule(w, h);
  json height = frameRule(w, h);
  addHeightScale(height, stats);
  pixels["height.png"] = height;
  if (options.raw) {
    json raw = height;
    raw["format"] = kRawFormat;
    pixels["height.r16"] = raw;
  }
  if (options.riverOverlay) {
    json overlay = frameRule(w, h);
    overlay["opacity"] = "the rivers' opacity (see rivers.drawn), 0 away from them";
    pixels["rivers.png"] = overlay;
  }
  addClassPixelRules(pixels, frameRule(w, h), geographicRule(w, h), options.geotiff);
  if (options.worldFiles) {
    for (const std::string& map : mapLayoutPngs()) {
      if (pixels.contains(map) && listed(worldFileName(map))) {
        addWorldFile(pixels[map], map, w, h);
      }
    }
  }
  if (options.frames) {
    pixels["frames/ground-NNNN.png"] = frameRule(w, h);
    pixels["frames/sheet-NNNN.png"] = sheetRule(w, h);
  }
  if (options.geotiff) {
    for (const Layer& layer : layers()) {
      json rule = geographicRule(w, h);
      rule["band"] = layer.band;
      rule["unit"] = layer.unit;
      rule["overviews"] =
          "internal, each half the one above ((n + 1) / 2 cells a side) down to one 256 x 256 "
          "tile, a cell the mean of the 2 x 2 cells under it";
      if (layer.alongRivers) {
        rule["values"] =
            "in every cell that a river segment's centre line passes through (the straight line "
            "between its ends on this grid, taken the short way across the antimeridian) the "
            "flow of the segment's upstream end, the largest where several pass; 0 in every "
            "other";
      }
      pixels[std::string("layers/") + layer.name + ".tif"] = rule;
    }
  }
  if (options.cubeSize > 0) {
    for (const CubeFaceInfo& face : cubeFaces()) {
      pixels[std::string("cube/ground-") + face.name + ".png"] = cubeRule(face, options.cubeSize);
    }
    for (const CubeFaceInfo& face : cubeFaces()) {
      json rule = cubeRule(face, options.cubeSize);
      addHeightScale(rule, stats);
      pixels[std::string("cube/height-") + face.name + ".png"] = rule;
      if (options.raw) {
        rule["format"] = kRawFormat;
        pixels[std::string("cube/height-") + face.name + ".r16"] = rule;
      }
    }
  }
  record["pixels"] = pixels;
  addClassRecord(record, planet, classes);
  // The water line in metres, on the scale the model and the engine recipes
  // use, so a water plane can be set without converting.
  const GltfHeightMapping mapping = gltfHeightMapping(planet, gltfOptionsOf(options));
  const auto metres = [&](float h) {
    return (static_cast<double>(h) - stats.elevationMin) * mapping.metresPerUnit;
  };
  json& ocean = record["ocean"];
  ocean["surface"]["metres"] = metres(planet.ocean().surface);
  ocean["waterLine"]["metres"] = metres(planet.ocean().waterLine);
  ocean["metres"] = {
      {"relief", options.gltfRelief},
      {"metresPerHeightUnit", mapping.metresPerUnit},
      {"rule",
       "metres above the lowest bedrock (elevationMin, heightmap value 0) on the scale that puts "
       "relief metres between the lowest and the highest bedrock (--gltf-relief; planet.glb's "
       "scale before exaggeration, where the surface lies at the radius)"}};
  return record.dump(2) + "\n";
}

}  // namespace geoweave::detail
