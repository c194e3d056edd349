#include "export/class_maps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "geoweave/export.h"
#include "testing/png_reader.h"
#include "testing/test_command.h"
#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

using geoweave::Biome;
using geoweave::Field;
using nlohmann::json;

class ClassMaps : public TestDirectory {
 protected:
  // Generates the planet and writes its folder (map size: the grid's
  // width), or fails the test.
  json exportFolder(const geoweave::Settings& settings, const std::string& name, bool geotiff,
                    geoweave::Planet* planet) {
    std::string error;
    EXPECT_EQ(planet->generate(settings, {}, &error), geoweave::Status::kOk) << error;
    geoweave::ExportOptions options;
    options.outDir = path(name);
    options.mapWidth = settings.width;
    options.mapHeight = settings.width / 2;
    options.geotiff = geotiff;
    EXPECT_EQ(geoweave::exportPlanet(*planet, options, {}, nullptr, &error), geoweave::Status::kOk)
        << error;
    std::ifstream file(path(name + "/planet.json"));
    return json::parse(std::string(std::istreambuf_iterator<char>(file), {}));
  }

  PngImage picture(const std::string& name) const {
    PngImage image;
    std::string error;
    EXPECT_TRUE(readPng(path(name).c_str(), &image, &error)) << error;
    return image;
  }
};

// The water line of planet.json splits height.png as mask.png does: every
// pixel whose ground lies above the line is land and every pixel below it
// water, but lakes, pixels on the coast (within two pixels of the other
// kind), which blend sea and land points, and water whose surface is not
// the sea's; those are under 1% of the map. mask.png and biomes.png hold
// the library's water and biome of each pixel's place, and planet.json
// counts them. For the default planet and two others.
TEST_F(ClassMaps, WaterLineSplitsTheHeightmapAsTheMaskDoes) {
  struct Case {
    int seed;
    int width;
    double land;
    float cornerRange;
  };
  for (const Case& p :
       {Case{19800518, 512, 25, 0.2f}, Case{42, 512, 25, 0.2f}, Case{7, 256, 40, 0.5f}}) {
    SCOPED_TRACE("seed " + std::to_string(p.seed));
    geoweave::Settings settings;
    settings.seed = p.seed;
    settings.width = p.width;
    settings.landPercent = p.land;
    settings.cornerRange = p.cornerRange;
    geoweave::Planet planet;
    const std::string name = "seed" + std::to_string(p.seed);
    const json record = exportFolder(settings, name, false, &planet);
    const PngImage height = picture(name + "/height.png");
    const PngImage mask = picture(name + "/mask.png");
    const PngImage biomes = picture(name + "/biomes.png");
    const int w = height.width;
    const int h = height.height;
    ASSERT_EQ((std::vector<int>{mask.width, mask.height, mask.bitDepth, mask.colorType}),
              (std::vector<int>{w, h, 8, 0}));
    ASSERT_EQ((std::vector<int>{biomes.width, biomes.height, biomes.colorType}),
              (std::vector<int>{w, h, 2}));

    std::vector<std::vector<float>> fields;
    ASSERT_EQ(planet.sampleMaps({Field::kWater, Field::kBiome, Field::kSurface}, w, h,
                                geoweave::MapLayout::kFrame, &fields, nullptr),
              geoweave::Status::kOk);
    std::vector<int> pixelsOf(geoweave::kBiomeCount, 0);
    int waterPixels = 0;
    int layoutFaults = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const size_t i = static_cast<size_t>(y) * w + x;
        const bool water = mask.at(x, y, 0) == 0;
        const auto biome = static_cast<Biome>(fields[1][i]);
        const geoweave::Color color = geoweave::biomeColor(biome);
        const bool wet = biome == Biome::kOcean || biome == Biome::kSeaIce || biome == Biome::kLake;
        layoutFaults += (mask.at(x, y, 0) != 0 && mask.at(x, y, 0) != 255) ||
                        water != (fields[0][i] == 1) || water != wet ||
                        biomes.at(x, y, 0) != color.red || biomes.at(x, y, 1) != color.green ||
                        biomes.at(x, y, 2) != color.blue;
        waterPixels += water;
        ++pixelsOf[static_cast<int>(biome)];
      }
    }
    EXPECT_EQ(layoutFaults, 0);
    EXPECT_EQ(record["ocean"]["mask"]["waterPixels"], waterPixels);
    for (int c = 0; c < geoweave::kBiomeCount; ++c) {
      EXPECT_EQ(record["biomes"]["classes"][c]["pixels"], pixelsOf[c]) << c;
    }

    const double line = record["ocean"]["waterLine"]["heightmap"].get<double>();
    const float surface = record["ocean"]["surface"]["height"].get<float>();
    const auto waterAt = [&](int x, int y) { return mask.at((x + w) % w, y, 0) == 0; };
    const auto onCoast = [&](int x, int y) {
      for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
          if (y + dy >= 0 && y + dy < h && waterAt(x + dx, y + dy) != waterAt(x, y)) return true;
        }
      }
      return false;
    };
    int disagreeing = 0;
    int lakes = 0;
    int unexplained = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const size_t i = static_cast<size_t>(y) * w + x;
        const double value = height.at(x, y, 0);
        const bool water = waterAt(x, y);
        if (water ? value < line : value > line) continue;
        ++disagreeing;
        // Water that does not stand at the sea's level: a lake, or water
        // piled up where run-off arrives faster than it drains.
        const bool ownLevel = std::fabs(fields[2][i] - surface) > 0.001f;
        if (fields[1][i] == static_cast<float>(Biome::kLake)) {
          ++lakes;
        } else if (!onCoast(x, y) && !ownLevel) {
          ++unexplained;
          ADD_FAILURE() << "pixel " << x << "," << y << " (" << value << ") is "
                        << (water ? "water" : "land") << " away from any coast, its surface "
                        << fields[2][i] - surface << " from the sea's";
        }
      }
    }
    EXPECT_EQ(unexplained, 0);
    EXPECT_LT(disagreeing - lakes, w * h / 100) << lakes << " lake pixels";
    // Most of the planet is sea, and the line lies below the sea's surface.
    EXPECT_GT(waterPixels, w * h / 2);
    EXPECT_LT(line, record["ocean"]["surface"]["heightmap"].get<double>());
    // In metres the line lies where the heightmap's scale puts it once its
    // 65535 steps span the relief.
    const double relief = record["ocean"]["metres"]["relief"].get<double>();
    EXPECT_NEAR(record["ocean"]["waterLine"]["metres"].get<double>(), line / 65535 * relief,
                1e-9 * relief);
  }
}

// layers/land.tif and layers/biome.tif open in GDAL as Byte rasters: the
// biomes with the classes' colours as the colour table and their names as
// categories, each holding as many cells of each value as the library
// gives the cells' centres.
TEST_F(ClassMaps, ClassLayersOpenInGdalWithColoursNamesAndTheLibrarysClasses) {
  const int w = 40, h = 20;
  geoweave::Settings settings;
  settings.seed = 5;
  settings.width = 64;
  settings.turns = 2;
  geoweave::Planet planet;
  std::string error;
  ASSERT_EQ(planet.generate(settings, {}, &error), geoweave::Status::kOk) << error;
  geoweave::ExportOptions options;
  options.outDir = path("world");
  options.mapWidth = w;
  options.mapHeight = h;
  options.geotiff = true;
  ASSERT_EQ(geoweave::exportPlanet(planet, options, {}, nullptr, &error), geoweave::Status::kOk)
      << error;
  std::vector<std::vector<float>> fields;
  ASSERT_EQ(planet.sampleMaps({Field::kWater, Field::kBiome}, w, h,
                              geoweave::MapLayout::kGeographic, &fields, nullptr),
            geoweave::Status::kOk);
  std::vector<int> biomeCells(256, 0);
  std::vector<int> landCells(256, 0);
  for (size_t i = 0; i < fields[0].size(); ++i) {
    ++landCells[fields[0][i] == 1 ? 0 : 1];
    ++biomeCells[static_cast<int>(fields[1][i])];
  }
  ASSERT_GT(landCells[0], 0);
  ASSERT_GT(landCells[1], 0);

  const json biome = json::parse(
      runCommand("gdalinfo -json '" + path("world/layers/biome.tif") + "'"), nullptr, false);
  ASSERT_FALSE(biome.is_discarded());
  const json& band = biome["bands"][0];
  EXPECT_EQ(band["type"], "Byte");
  EXPECT_EQ(band["colorInterpretation"], "Palette");
  ASSERT_TRUE(band.contains("categories") && band.contains("colorTable") &&
              band.contains("metadata"))
      << band.dump();
  ASSERT_EQ(band["categories"].size(), static_cast<size_t>(geoweave::kBiomeCount));
  for (int c = 0; c < geoweave::kBiomeCount; ++c) {
    const auto b = static_cast<Biome>(c);
    const geoweave::Color color = geoweave::biomeColor(b);
    EXPECT_EQ(band["categories"][c], geoweave::biomeName(b));
    EXPECT_EQ(band["colorTable"]["entries"][c],
              json::array({color.red, color.green, color.blue, 255}));
    EXPECT_EQ(band["metadata"][""]["CLASS_" + std::to_string(c)], geoweave::biomeName(b));
  }

  // A Byte band's histogram has a bucket for each value.
  for (const auto& [name, expected] :
       {std::make_pair("land", &landCells), std::make_pair("biome", &biomeCells)}) {
    SCOPED_TRACE(name);
    const json info =
        json::parse(runCommand("gdalinfo -json -hist '" +
                               path(std::string("world/layers/") + name + ".tif") + "'"),
                    nullptr, false);
    ASSERT_FALSE(info.is_discarded());
    EXPECT_EQ(info["bands"][0]["type"], "Byte");
    const json& buckets = info["bands"][0]["histogram"]["buckets"];
    ASSERT_EQ(buckets.size(), 256u);
    for (int v = 0; v < 256; ++v) EXPECT_EQ(buckets[v], (*expected)[v]) << v;
  }
}

}  // namespace

}  // namespace geoweave::detail
