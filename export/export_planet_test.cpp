#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "geoweave/export.h"
#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

using nlohmann::json;

class ExportPlanet : public TestDirectory {};

// What the callbacks were told.
struct Told {
  std::vector<std::pair<double, std::string>> progress;
  std::vector<std::string> messages;
};

geoweave::ExportCallbacks listening(Told* told) {
  geoweave::ExportCallbacks callbacks;
  callbacks.progress = [](double fraction, const char* stage, void* user) {
    static_cast<Told*>(user)->progress.emplace_back(fraction, stage);
  };
  callbacks.progressUser = told;
  callbacks.message = [](const char* line, void* user) {
    static_cast<Told*>(user)->messages.push_back(line);
  };
  callbacks.messageUser = told;
  return callbacks;
}

// Options out of their limits, or a planet not yet generated, end the call
// before anything is written, with the one line told and returned.
TEST_F(ExportPlanet, RefusalsWriteNothingAndTellTheirLineOnce) {
  geoweave::Settings settings;
  settings.width = 16;
  settings.turns = 1;
  geoweave::Planet planet;
  ASSERT_EQ(planet.generate(settings, {}, nullptr), geoweave::Status::kOk);
  const auto options = [this](int width, int height, int cube) {
    geoweave::ExportOptions o;
    o.outDir = path("folder");
    o.mapWidth = width;
    o.mapHeight = height;
    o.cubeSize = cube;
    return o;
  };
  const geoweave::ExportOptions refused[] = {options(geoweave::kMinMapWidth - 1, 1, 0),
                                             options(geoweave::kMaxMapWidth + 1, 8, 0),
                                             options(16, 0, 0),
                                             options(16, geoweave::kMaxMapHeight + 1, 0),
                                             options(16, 8, geoweave::kMaxCubeSize + 1),
                                             options(16, 8, -1)};
  for (const geoweave::ExportOptions& o : refused) {
    SCOPED_TRACE(std::to_string(o.mapWidth) + " x " + std::to_string(o.mapHeight) + ", cube " +
                 std::to_string(o.cubeSize));
    Told told;
    geoweave::ExportResult result;
    std::string error;
    EXPECT_EQ(geoweave::exportPlanet(planet, o, listening(&told), &result, &error),
              geoweave::Status::kInvalidSettings);
    EXPECT_EQ(told.messages, std::vector<std::string>{error});
    EXPECT_TRUE(result.written.empty());
    EXPECT_EQ(result.failures.size(), 1u);
  }
  Told told;
  std::string error;
  EXPECT_EQ(geoweave::exportPlanet(geoweave::Planet(), options(16, 8, 3), listening(&told), nullptr,
                                   &error),
            geoweave::Status::kUnusable);
  EXPECT_EQ(told.messages, std::vector<std::string>{error});
  EXPECT_TRUE(entries().empty());
}

// The frames of every turn and the folder after them go into one result,
// and planet.json lists everything it holds; progress only grows, within
// 0..1, and every stage asked for is named.
TEST_F(ExportPlanet, FramesAndTheFolderShareOneResultThatTheRecordLists) {
  struct Run {
    geoweave::ExportOptions options;
    geoweave::ExportResult result;
    geoweave::Status worst = geoweave::Status::kOk;
  } run;
  run.options.outDir = path("world");
  run.options.mapWidth = 24;
  run.options.mapHeight = 12;
  run.options.frames = true;
  run.options.geojson = true;
  run.options.cubeSize = 2;
  run.options.gltf = true;
  run.options.gltfMesh = 2;
  run.options.gltfTexture = 2;
  run.options.gltfRelief = 5000;
  ASSERT_EQ(geoweave::prepareExport(run.options, {}, &run.result, nullptr), geoweave::Status::kOk);
  geoweave::Callbacks callbacks;
  callbacks.turn = [](const geoweave::Planet& planet, int turn, void* user) {
    Run& r = *static_cast<Run*>(user);
    const geoweave::Status status =
        geoweave::exportFrames(planet, turn, r.options, {}, &r.result, nullptr);
    if (status != geoweave::Status::kOk) r.worst = status;
  };
  callbacks.turnUser = &run;
  geoweave::Settings settings;
  settings.width = 16;
  settings.turns = 2;
  geoweave::Planet planet;
  ASSERT_EQ(planet.generate(settings, callbacks, nullptr), geoweave::Status::kOk);
  ASSERT_EQ(run.worst, geoweave::Status::kOk);

  Told told;
  std::string error;
  ASSERT_EQ(geoweave::exportPlanet(planet, run.options, listening(&told), &run.result, &error),
            geoweave::Status::kOk)
      << error;
  EXPECT_TRUE(told.messages.empty());
  EXPECT_TRUE(run.result.failures.empty());
  ASSERT_EQ(run.result.written.size(), 4u + 3u + 3u + 1u + 12u + 1u + 1u);
  EXPECT_EQ(run.result.written[0], "frames/ground-0000.png");
  EXPECT_EQ(run.result.written[3], "frames/sheet-0001.png");
  EXPECT_EQ(run.result.written.end()[-2], "planet.glb");
  EXPECT_EQ(run.result.written.back(), "planet.json");
  std::ifstream file(path("world/planet.json"));
  const json record = json::parse(std::string(std::istreambuf_iterator<char>(file), {}));
  EXPECT_EQ(record["files"], json(run.result.written));
  EXPECT_EQ(record["settings"]["seedFromClock"], false);
  // The model's heights as the record states them: the relief over the
  // bedrock's span, from the sea's surface.
  const Statistics stats = planet.statistics();
  EXPECT_EQ(record["model"]["metresPerHeightUnit"],
            5000 / (static_cast<double>(stats.elevationMax) - stats.elevationMin));
  EXPECT_EQ(record["model"]["waterLevel"].get<float>(), planet.ocean().surface);

  ASSERT_FALSE(told.progress.empty());
  EXPECT_EQ(told.progress.front().first, 0.0);
  std::vector<std::string> stages;
  for (size_t i = 0; i < told.progress.size(); ++i) {
    const double fraction = told.progress[i].first;
    EXPECT_TRUE(fraction >= 0 && fraction <= 1) << fraction;
    if (i > 0) {
      EXPECT_GE(fraction, told.progress[i - 1].first);
    }
    const std::string& stage = told.progress[i].second;
    if (stages.empty() || stages.back() != stage) stages.push_back(stage);
  }
  EXPECT_EQ(stages, (std::vector<std::string>{"Writing maps and heightmap",
                                              "Writing rivers.geojson", "Writing cube faces",
                                              "Writing planet.glb", "Writing planet.json"}));
}

}  // namespace

}  // namespace geoweave::detail
