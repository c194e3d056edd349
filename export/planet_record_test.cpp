#include "export/planet_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <nlohmann/json.hpp>

namespace geoweave::detail {

namespace {

using nlohmann::json;

// The bits of a recorded float, read back the way a user's program would.
uint32_t bitsOf(const json& value) {
  const float f = value.get<float>();
  uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}
uint32_t bitsOf(float f) {
  uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

TEST(PlanetRecord, FiguresReadBackExactlyAndPixelRulesFitTheMapSize) {
  geoweave::Settings settings;
  settings.seed = 11;
  settings.width = 16;
  settings.turns = 1;
  settings.zoom = 0.3f;
  geoweave::Planet planet;
  ASSERT_EQ(planet.generate(settings, {}, nullptr), geoweave::Status::kOk);
  geoweave::ExportOptions options;
  options.mapWidth = 3;  // a single row: it lies on the equator
  options.mapHeight = 1;
  const json record = json::parse(planetRecord(options, planet, {"ground.png", "planet.json"}));

  EXPECT_EQ(record["version"], geoweave::version());
  EXPECT_EQ(bitsOf(record["settings"]["zoom"]), bitsOf(0.3f));
  EXPECT_EQ(record["grid"]["level"], planet.gridLevel());
  EXPECT_EQ(record["grid"]["records"], planet.recordCount());
  const geoweave::Statistics stats = planet.statistics();
  const json& figures = record["statistics"];
  EXPECT_EQ(bitsOf(figures["elevationMin"]), bitsOf(stats.elevationMin));
  EXPECT_EQ(bitsOf(figures["elevationMax"]), bitsOf(stats.elevationMax));
  EXPECT_EQ(bitsOf(figures["seaLevel"]), bitsOf(stats.seaLevel));
  EXPECT_EQ(bitsOf(figures["waterFlowing"]), bitsOf(stats.waterFlowing));
  EXPECT_EQ(bitsOf(figures["rainfall"]), bitsOf(stats.rainfall));
  EXPECT_EQ(bitsOf(figures["temperatureMin"]), bitsOf(stats.temperatureMin));
  EXPECT_EQ(bitsOf(figures["temperatureMax"]), bitsOf(stats.temperatureMax));
  EXPECT_EQ(bitsOf(figures["tileElevationDiff"]), bitsOf(stats.tileElevationDiff));
  // Sea level on the heightmap's scale lies strictly inside it.
  const double seaOnMap = record["seaLevel"]["heightmap"];
  EXPECT_GT(seaOnMap, 0.0);
  EXPECT_LT(seaOnMap, 65535.0);
  EXPECT_EQ(record["rivers"]["segments"], planet.rivers().segments.size());
  EXPECT_EQ(record["files"], json({"ground.png", "planet.json"}));

  const json& ground = record["pixels"]["ground.png"];
  EXPECT_EQ(ground["degreesPerColumn"], 120.0);
  EXPECT_EQ(ground["latitudeOfRow0"], 0.0);
  EXPECT_EQ(ground["degreesPerRow"], 0.0);
  const json& sheet = record["pixels"]["sheet.png"];
  EXPECT_EQ(sheet["width"], 6);
  EXPECT_EQ(sheet["height"], 3);
  EXPECT_EQ(sheet["panels"][4], json({{"name", "ground"}, {"x", 0}, {"y", 2}}));
  EXPECT_FALSE(record["pixels"].contains("frames/ground-NNNN.png"));
}

}  // namespace

}  // namespace geoweave::detail
