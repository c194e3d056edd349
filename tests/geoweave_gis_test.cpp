// geoweave's files for GIS tools and 3D programs, read back by GDAL's own
// programs and the PNG reader and checked against the library's view of the
// same planet at the places planet.json gives.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "geoweave/geoweave.h"
#include "testing/glb_reader.h"
#include "testing/png_reader.h"
#include "testing/test_command.h"
#include "testing/test_directory.h"
#include "tests/program_runner.h"

namespace geoweave::detail {

namespace {

namespace fs = std::filesystem;
using geoweave::Field;
using nlohmann::json;

struct GeoweaveGis : testing::Test {
  ScratchDirectory scratch;

  ProgramRun run(const std::vector<std::string>& args) {
    return runIn(GEOWEAVE_CLI_BINARY, args, scratch.work, scratch.path);
  }
  std::string at(const std::string& name) const { return scratch.work + "/" + name; }
};

geoweave::Planet generated(int seed) {
  geoweave::Settings settings;
  settings.seed = seed;
  settings.width = 64;
  settings.turns = 2;
  geoweave::Planet planet;
  EXPECT_EQ(planet.generate(settings, {}, nullptr), geoweave::Status::kOk);
  return planet;
}

// Every layer opens in GDAL as a georeferenced Float32 raster of the whole
// globe, and holds at chosen cells the library's value at the cell's centre
// as planet.json places it; the rivers open in OGR with one feature per
// recorded segment.
TEST_F(GeoweaveGis, LayersAndRiversOpenInGdalWithTheLibrarysValues) {
  const int w = 40, h = 20;
  const ProgramRun ours = run({"--seed", "5", "--width", "64", "--turns", "2", "--map-width", "40",
                               "--geotiff", "--geojson", "--quiet"});
  ASSERT_EQ(ours.exitCode, 0) << ours.err;
  const json record = json::parse(readFileText(at("planet.json")));
  const geoweave::Planet planet = generated(5);

  // Cells where the fields differ from one another: the highest and the
  // lowest ground, the most rain and the most flow.
  std::vector<std::vector<float>> maps;
  ASSERT_EQ(planet.sampleMaps({Field::kGround, Field::kRain, Field::kWaterFlow}, w, h,
                              geoweave::MapLayout::kGeographic, &maps, nullptr),
            geoweave::Status::kOk);
  std::vector<size_t> cells;
  for (const std::vector<float>& map : maps) {
    cells.push_back(std::max_element(map.begin(), map.end()) - map.begin());
  }
  cells.push_back(std::min_element(maps[0].begin(), maps[0].end()) - maps[0].begin());

  const struct {
    const char* name;
    Field field;
  } layers[] = {{"elevation", Field::kElevation},     {"ground", Field::kGround},
                {"surface", Field::kSurface},         {"water-depth", Field::kWaterDepth},
                {"temperature", Field::kTemperature}, {"rain", Field::kRain},
                {"humidity", Field::kHumidity},       {"sediment", Field::kSediment},
                {"water-flow", Field::kWaterFlow}};
  std::vector<std::string> listed;
  for (const auto& layer : layers) {
    const std::string name = std::string("layers/") + layer.name + ".tif";
    SCOPED_TRACE(name);
    listed.push_back(name);
    const json info = json::parse(runCommand("gdalinfo -json '" + at(name) + "'"), nullptr, false);
    ASSERT_FALSE(info.is_discarded());
    EXPECT_EQ(info["size"], json::array({w, h}));
    EXPECT_EQ(info["stac"]["proj:epsg"], 4326);
    EXPECT_NE(info["coordinateSystem"]["wkt"].get<std::string>().find("ID[\"EPSG\",4326]"),
              std::string::npos);
    EXPECT_EQ(info["cornerCoordinates"]["upperLeft"], json::array({-180.0, 90.0}));
    EXPECT_EQ(info["cornerCoordinates"]["lowerRight"], json::array({180.0, -90.0}));
    EXPECT_EQ(info["metadata"][""]["AREA_OR_POINT"], "Area");
    ASSERT_EQ(info["bands"].size(), 1u);
    EXPECT_EQ(info["bands"][0]["type"], "Float32");
    const json& rule = record["pixels"][name];
    // The band's title as GDAL shows it, among the band's entries.
    EXPECT_NE(info["bands"][0].dump().find(rule["band"].dump()), std::string::npos);
    EXPECT_EQ(info["bands"][0]["unit"], rule["unit"]);
    EXPECT_FALSE(rule["unit"].get<std::string>().empty());

    std::ostringstream points;
    points.precision(17);
    std::vector<float> expected;
    for (const size_t cell : cells) {
      const int x = static_cast<int>(cell % w);
      const int y = static_cast<int>(cell / w);
      const double longitude =
          rule["longitudeOfColumn0"].get<double>() + x * rule["degreesPerColumn"].get<double>();
      const double latitude =
          rule["latitudeOfRow0"].get<double>() + y * rule["degreesPerRow"].get<double>();
      points << " '" << longitude << ' ' << latitude << "'";
      expected.push_back(planet.sample(layer.field, latitude, longitude));
    }
    std::istringstream values(runCommand("printf '%s\\n'" + points.str() +
                                         " | gdallocationinfo -valonly -wgs84 '" + at(name) + "'"));
    for (const float value : expected) {
      double got = 0;
      ASSERT_TRUE(values >> got);
      EXPECT_EQ(static_cast<float>(got), value);
    }
  }
  listed.push_back("rivers.geojson");
  for (const std::string& name : listed) {
    EXPECT_NE(std::find(record["files"].begin(), record["files"].end(), name),
              record["files"].end())
        << name;
  }

  const std::string summary = runCommand("ogrinfo -ro -al -so '" + at("rivers.geojson") + "'");
  const size_t count = summary.find("Feature Count: ");
  ASSERT_NE(count, std::string::npos) << summary;
  const size_t segments = record["rivers"]["segments"].get<size_t>();
  EXPECT_GT(segments, 0u);
  EXPECT_EQ(std::stoul(summary.substr(count + 15)), segments);
}

// The cube faces in OpenGL's order and orientation: +X looks at latitude 0
// longitude 0 and +Z at the north pole, as the maps show them; every pixel
// of a height face holds the ground where planet.json's rule points, on
// height.png's scale; and faces that meet agree along their shared edge.
TEST_F(GeoweaveGis, CubeFacesLieWhereTheRecordSays) {
  const int n = 9;
  // The map's relief step is a row of a 19-row map, the faces' one of a
  // 2 n + 1 row map; without shading the colours depend on the place alone.
  // 38 columns and 19 rows put a pixel on latitude 0 longitude 0 (row 9).
  const ProgramRun ours = run({"--seed", "5", "--width", "64", "--turns", "2", "--map-width", "38",
                               "--cube", "9", "--shade", "0", "--quiet", "--out", "o"});
  ASSERT_EQ(ours.exitCode, 0) << ours.err;
  const PngImage map = readPicture(at("o/ground.png"));
  ASSERT_EQ(map.height, 19);
  const auto rgbAt = [](const PngImage& image, int x, int y) {
    return std::vector<int>{image.at(x, y, 0), image.at(x, y, 1), image.at(x, y, 2)};
  };
  const PngImage px = readPicture(at("o/cube/ground-px.png"));
  const PngImage pz = readPicture(at("o/cube/ground-pz.png"));
  ASSERT_EQ((std::vector<int>{px.width, px.height, px.bitDepth, px.colorType}),
            (std::vector<int>{n, n, 8, 2}));
  EXPECT_EQ(rgbAt(px, n / 2, n / 2), rgbAt(map, 0, 9));
  EXPECT_EQ(rgbAt(pz, n / 2, n / 2), rgbAt(map, 0, 0));
  // Those two places differ, so the check tells the faces apart.
  EXPECT_NE(rgbAt(map, 0, 9), rgbAt(map, 0, 0));

  const geoweave::Planet planet = generated(5);
  const json record = json::parse(readFileText(at("o/planet.json")));
  const double low = record["statistics"]["elevationMin"].get<float>();
  const double range = record["statistics"]["elevationMax"].get<float>() - low;
  // Each edge point (the direction times n - 1, whole numbers) with the
  // values the faces hold there.
  std::map<std::vector<int>, std::vector<int>> edges;
  int files = 0;
  for (const char* face : {"px", "nx", "py", "ny", "pz", "nz"}) {
    const std::string name = std::string("cube/height-") + face + ".png";
    SCOPED_TRACE(name);
    const PngImage height = readPicture(at("o/" + name));
    ASSERT_EQ((std::vector<int>{height.width, height.height, height.bitDepth, height.colorType}),
              (std::vector<int>{n, n, 16, 0}));
    EXPECT_TRUE(fs::is_regular_file(at(std::string("o/cube/ground-") + face + ".png")));
    files += 2;
    const json& rule = record["pixels"][name];
    ASSERT_EQ(rule["width"], n);
    const std::vector<int> centre = rule["centre"];
    const std::vector<int> alongS = rule["alongS"];
    const std::vector<int> alongT = rule["alongT"];
    int wrong = 0;
    for (int y = 0; y < n; ++y) {
      for (int x = 0; x < n; ++x) {
        const int s = 2 * x - (n - 1);
        const int t = 2 * y - (n - 1);
        std::vector<int> d(3);
        for (int i = 0; i < 3; ++i) d[i] = centre[i] * (n - 1) + alongS[i] * s + alongT[i] * t;
        const int value = height.at(x, y, 0);
        const double ground = planet.sampleDirection(Field::kGround, d[0], d[1], d[2]);
        const double position = std::clamp((ground - low) / range * 65535.0, 0.0, 65535.0);
        if (value != static_cast<int>(std::floor(position + 0.5))) ++wrong;
        if (x == 0 || y == 0 || x == n - 1 || y == n - 1) edges[d].push_back(value);
      }
    }
    EXPECT_EQ(wrong, 0);
  }
  // Twelve edges of n points, each of the eight corners on three of them.
  EXPECT_EQ(edges.size(), static_cast<size_t>(12 * n - 16));
  for (const auto& [point, values] : edges) {
    EXPECT_GE(values.size(), 2u);
    EXPECT_EQ(std::count(values.begin(), values.end(), values[0]),
              static_cast<long>(values.size()));
  }
  // The maps, mask, biomes and legend, the faces and the record.
  EXPECT_EQ(record["files"].size(), 3u + 3u + files + 1u);
}

// planet.glb passes the Khronos validator, wears each cube face's
// ground-F.png (the very bytes) on its face, and lies where planet.json's
// model says: the vertex at the centre of +X's face, on glTF's +Z, at the
// distance the record's numbers give for the ground there.
TEST_F(GeoweaveGis, ModelWearsTheCubeFacesWhereTheRecordSays) {
  const ProgramRun ours =
      run({"--seed", "5", "--width", "64", "--turns", "2", "--cube", "9", "--gltf", "--gltf-mesh",
           "4", "--gltf-texture", "9", "--gltf-exaggerate", "3", "--quiet", "--out", "o"});
  ASSERT_EQ(ours.exitCode, 0) << ours.err;
  expectValidGltf(GEOWEAVE_GLTF_VALIDATOR, at("o/planet.glb"));
  Glb glb;
  ASSERT_TRUE(readGlb(at("o/planet.glb"), &glb));
  const json record = json::parse(readFileText(at("o/planet.json")));
  EXPECT_NE(std::find(record["files"].begin(), record["files"].end(), "planet.glb"),
            record["files"].end());
  const json& ground = glb.gltf["meshes"][glb.gltf["nodes"][0]["mesh"].get<int>()]["primitives"];
  ASSERT_EQ(ground.size(), 6u);
  const char* faces[] = {"px", "nx", "py", "ny", "pz", "nz"};
  for (int f = 0; f < 6; ++f) {
    const json& material = glb.gltf["materials"][ground[f]["material"].get<int>()];
    const int texture = material["pbrMetallicRoughness"]["baseColorTexture"]["index"];
    EXPECT_EQ(glb.imageBytes(glb.gltf["textures"][texture]["source"]),
              readFileText(at(std::string("o/cube/ground-") + faces[f] + ".png")))
        << faces[f];
  }
  const json& model = record["model"];
  const geoweave::Planet planet = generated(5);
  const double h = planet.sampleDirection(Field::kGround, 1, 0, 0);
  const double distance =
      model["radius"].get<double>() + (h - model["waterLevel"].get<double>()) *
                                          model["metresPerHeightUnit"].get<double>() *
                                          model["exaggerate"].get<double>();
  const std::vector<float> p = glb.floats(ground[0]["attributes"]["POSITION"]);
  const size_t centre = 2 * 5 + 2;  // (2, 2) of 5 x 5
  EXPECT_EQ(p[centre * 3], 0.0f);
  EXPECT_EQ(p[centre * 3 + 1], 0.0f);
  EXPECT_NEAR(p[centre * 3 + 2], distance, 1.0);
}

// The extras for GIS programs and game engines as GDAL and the PNG reader
// see them: the world files place each PNG map's pixels where planet.json's
// rule puts them; every river segment's midpoint is opaque in rivers.png and
// drawn in the rivers' colour on the bold ground.png; the layers are cloud
// optimized and rivers.tif holds the rivers' flows along them and 0
// elsewhere; the RAW heights are their PNGs' values, little-endian.
TEST_F(GeoweaveGis, ExtrasPlaceTheMapsAndCarryTheRiversAndHeights) {
  const int w = 40, h = 20;
  const ProgramRun ours =
      run({"--seed", "5", "--width", "64", "--turns", "2", "--map-width", "40", "--geotiff",
           "--river-overlay", "--bold-rivers", "--world-files", "--raw", "--cube", "5", "--quiet"});
  ASSERT_EQ(ours.exitCode, 0) << ours.err;
  const json record = json::parse(readFileText(at("planet.json")));
  const auto listed = [&record](const std::string& name) {
    return std::find(record["files"].begin(), record["files"].end(), name) != record["files"].end();
  };

  for (const std::string map : {"ground", "height", "rivers"}) {
    SCOPED_TRACE(map);
    EXPECT_TRUE(listed(map + ".png") && listed(map + ".pgw") && listed(map + ".png.aux.xml"));
    const json info = json::parse(runCommand("gdalinfo -json '" + at(map + ".png") + "'"));
    EXPECT_NE(info["coordinateSystem"]["wkt"].get<std::string>().find("ID[\"EPSG\",4326]"),
              std::string::npos);
    const json& rule = record["pixels"][map + ".png"];
    const double x0 = rule["longitudeOfColumn0"], dx = rule["degreesPerColumn"];
    const double y0 = rule["latitudeOfRow0"], dy = rule["degreesPerRow"];
    // GDAL's transform runs from the pixels' outer edge, half a pixel
    // before the first pixel's point; its corners (printed to 1e-3) lie
    // half a pixel beyond the first and last pixels' points.
    const std::vector<double> transform = info["geoTransform"];
    const std::vector<double> expected = {x0 - dx / 2, dx, 0, y0 - dy / 2, 0, dy};
    ASSERT_EQ(transform.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(transform[i], expected[i]) << i;
    const json& corners = info["cornerCoordinates"];
    EXPECT_NEAR(corners["upperLeft"][0].get<double>(), x0 - dx / 2, 1e-3);
    EXPECT_NEAR(corners["upperLeft"][1].get<double>(), y0 - dy / 2, 1e-3);
    EXPECT_NEAR(corners["lowerRight"][0].get<double>(), x0 + (w - 0.5) * dx, 1e-3);
    EXPECT_NEAR(corners["lowerRight"][1].get<double>(), y0 + (h - 0.5) * dy, 1e-3);
  }

  const PngImage overlay = readPicture(at("rivers.png"));
  const PngImage ground = readPicture(at("ground.png"));
  ASSERT_EQ((std::vector<int>{overlay.width, overlay.height, overlay.bitDepth, overlay.colorType}),
            (std::vector<int>{w, h, 8, 6}));
  const std::vector<int> color = record["rivers"]["drawn"]["color"];
  const geoweave::Rivers rivers = generated(5).rivers();
  ASSERT_GT(rivers.segments.size(), 5u);
  std::ostringstream midpoints;
  midpoints.precision(17);
  int notOpaque = 0, notDrawn = 0;
  for (const geoweave::RiverSegment& segment : rivers.segments) {
    double du = static_cast<double>(segment.to.longitude) - segment.from.longitude;
    du -= std::round(du);  // the short way round
    double u = segment.from.longitude + du / 2;
    u -= std::floor(u);
    const double v = (static_cast<double>(segment.from.latitude) + segment.to.latitude) / 2;
    const int x = static_cast<int>(std::lround(u * w)) % w;
    const int y = static_cast<int>(std::lround((1 - v) * (h - 1)));
    if (overlay.at(x, y, 3) != 255) ++notOpaque;
    if (std::vector<int>{ground.at(x, y, 0), ground.at(x, y, 1), ground.at(x, y, 2)} != color) {
      ++notDrawn;
    }
    midpoints << " '" << (u > 0.5 ? 360 * u - 360 : 360 * u) << ' ' << 180 * v - 90 << "'";
  }
  EXPECT_EQ(notOpaque, 0);
  EXPECT_EQ(notDrawn, 0);

  for (const char* layer : {"ground", "rivers", "biome"}) {
    const std::string name = at(std::string("layers/") + layer + ".tif");
    EXPECT_NE(runCommand("/usr/bin/python3 -m osgeo_utils.samples.validate_cloud_optimized_geotiff "
                         "--full-check=yes '" +
                         name + "'")
                  .find(" is a valid cloud optimized GeoTIFF"),
              std::string::npos)
        << layer;
  }
  const auto valuesAt = [&](const char* layer) {
    std::istringstream text(runCommand("printf '%s\\n'" + midpoints.str() +
                                       " | gdallocationinfo -valonly -wgs84 '" +
                                       at(std::string("layers/") + layer + ".tif") + "'"));
    std::vector<double> values;
    for (double value = 0; text >> value;) values.push_back(value);
    return values;
  };
  // At each midpoint at least the flow its segment carries; every cell holds
  // a segment's flow or 0, and most hold 0.
  const std::vector<double> along = valuesAt("rivers");
  ASSERT_EQ(along.size(), rivers.segments.size());
  std::set<float> flows;
  int less = 0;
  for (size_t i = 0; i < along.size(); ++i) {
    flows.insert(rivers.segments[i].from.flow);
    if (!(static_cast<float>(along[i]) >= rivers.segments[i].from.flow)) ++less;
  }
  EXPECT_EQ(less, 0);
  EXPECT_GT(*flows.begin(), 0.0f);
  std::istringstream cells(
      runCommand("gdal_translate -q -of XYZ '" + at("layers/rivers.tif") + "' /vsistdout/"));
  int count = 0, carrying = 0, wrong = 0;
  for (double x, y, value; cells >> x >> y >> value; ++count) {
    if (value != 0) ++carrying;
    if (value != 0 && flows.count(static_cast<float>(value)) == 0) ++wrong;
  }
  EXPECT_EQ(count, w * h);
  EXPECT_EQ(wrong, 0);
  EXPECT_LT(carrying, count / 2);

  const auto rawMatches = [this](const std::string& r16, const std::string& png) {
    const std::string bytes = readFileText(at(r16));
    const PngImage image = readPicture(at(png));
    if (bytes.size() != image.samples.size() * 2) return false;
    for (size_t i = 0; i < image.samples.size(); ++i) {
      const int value = static_cast<uint8_t>(bytes[2 * i]) | static_cast<uint8_t>(bytes[2 * i + 1])
                                                                 << 8;
      if (value != image.samples[i]) return false;
    }
    return true;
  };
  EXPECT_TRUE(rawMatches("height.r16", "height.png"));
  for (const char* face : {"px", "nx", "py", "ny", "pz", "nz"}) {
    const std::string name = std::string("cube/height-") + face;
    EXPECT_TRUE(listed(name + ".r16")) << face;
    EXPECT_TRUE(rawMatches(name + ".r16", name + ".png")) << face;
  }
  for (const std::string name : {"height.r16", "rivers.png", "layers/rivers.tif"}) {
    EXPECT_TRUE(listed(name) && record["pixels"].contains(name)) << name;
  }
}

// Files that cannot be written are each named with the reason; every other
// file is still written and recorded, and the exit code is 2.
TEST_F(GeoweaveGis, UnwritableFilesAreNamedAndTheRestWritten) {
  fs::create_directories(at("layers/rain.tif"));
  fs::create_directories(at("rivers.geojson"));
  fs::create_directories(at("cube/ground-ny.png"));
  const ProgramRun ours =
      run({"--width", "16", "--turns", "1", "--geotiff", "--geojson", "--cube", "3", "--quiet"});
  EXPECT_EQ(ours.exitCode, 2);
  EXPECT_EQ(ours.err,
            "geoweave: cannot write layers/rain.tif: Is a directory\n"
            "geoweave: cannot write rivers.geojson: Is a directory\n"
            "geoweave: cannot write cube/ground-ny.png: Is a directory\n");
  const json record = json::parse(readFileText(at("planet.json")));
  // The three maps, the mask, biomes and legend, nine layers (rivers.tif the
  // tenth), the two class layers and the class names, eleven faces and the
  // record.
  EXPECT_EQ(record["files"].size(), 3u + 3u + 9u + 3u + 11u + 1u);
  for (const char* name : {"layers/rain.tif", "rivers.geojson", "cube/ground-ny.png"}) {
    EXPECT_EQ(std::find(record["files"].begin(), record["files"].end(), name),
              record["files"].end());
  }
  for (const json& name : record["files"]) {
    EXPECT_TRUE(fs::is_regular_file(at(name.get<std::string>()))) << name;
  }
}

}  // namespace

}  // namespace geoweave::detail
