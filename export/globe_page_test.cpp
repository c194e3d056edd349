#include "export/globe_page.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "testing/png_reader.h"
#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

using geoweave::Field;
using geoweave::Status;
using nlohmann::json;

std::vector<uint8_t> fromBase64(const std::string& text) {
  std::vector<uint8_t> bytes;
  uint32_t bits = 0;
  int count = 0;
  for (const char c : text) {
    const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    const char* at = std::strchr(digits, c);
    if (c == '=' || at == nullptr) break;
    bits = (bits << 6) | static_cast<uint32_t>(at - digits);
    count += 6;
    if (count >= 8) {
      count -= 8;
      bytes.push_back(static_cast<uint8_t>(bits >> count));
    }
  }
  return bytes;
}

// count floats packed as the page holds them: byte planes, deflated, base64.
std::vector<float> floatsOf(const std::string& text, size_t count) {
  const std::vector<uint8_t> deflated = fromBase64(text);
  std::vector<uint8_t> planes(count * 4);
  uLongf size = static_cast<uLongf>(planes.size());
  EXPECT_EQ(uncompress(planes.data(), &size, deflated.data(), static_cast<uLong>(deflated.size())),
            Z_OK);
  EXPECT_EQ(size, planes.size());
  std::vector<float> values(count);
  for (size_t i = 0; i < count; ++i) {
    const uint32_t bits = planes[i] | uint32_t{planes[count + i]} << 8 |
                          uint32_t{planes[2 * count + i]} << 16 |
                          uint32_t{planes[3 * count + i]} << 24;
    std::memcpy(&values[i], &bits, 4);
  }
  return values;
}

int occurrences(const std::string& text, const std::string& word) {
  int n = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

struct GlobePage : TestDirectory {};

// The page carries the planet's own maps, picture and rivers, with ramps that
// span every value, and nothing that would make the browser fetch or cut
// the page short.
TEST_F(GlobePage, HoldsThePlanetAndLoadsNothing) {
  geoweave::Settings settings;
  settings.seed = 7;
  settings.width = 64;
  settings.turns = 2;
  geoweave::Planet planet;
  ASSERT_EQ(planet.generate(settings, {}, nullptr), Status::kOk);
  std::string error;
  ASSERT_EQ(writeGlobePage(planet, path("globe.html"), &error), Status::kOk) << error;
  EXPECT_EQ(entries(), std::vector<std::string>{"globe.html"});
  const std::string page = readFileText(path("globe.html"));
  EXPECT_LE(page.size(), 12e6);
  EXPECT_NE(page.find("<title>Geoweave planet, seed 7</title>"), std::string::npos);
  // The data's and the script's ends: a bundle that held one more would end
  // its script early.
  EXPECT_EQ(occurrences(page, "</script"), 2);
  // The only address is the XHTML namespace three.js names its elements by,
  // which is never fetched.
  EXPECT_EQ(occurrences(page, "http://") + occurrences(page, "https://"),
            occurrences(page, "http://www.w3.org/1999/xhtml"));
  EXPECT_EQ(page.find("@GEOWEAVE_"), std::string::npos);

  const std::string open = "<script id=\"planet-data\" type=\"application/json\">";
  const size_t start = page.find(open) + open.size();
  const json data = json::parse(page.substr(start, page.find("</script>", start) - start));
  EXPECT_EQ(data["settings"]["seed"], 7);
  EXPECT_EQ(data["statistics"]["seaLevel"].get<float>(), planet.statistics().seaLevel);

  const std::vector<Field> fields = {Field::kElevation, Field::kTemperature, Field::kHumidity,
                                     Field::kRain,      Field::kWaterFlow,   Field::kSediment};
  std::vector<std::vector<float>> maps;
  ASSERT_EQ(planet.sampleMaps(fields, 512, 256, geoweave::MapLayout::kGeographic, &maps, nullptr),
            Status::kOk);
  ASSERT_EQ(data["layers"].size(), fields.size() + 1);
  EXPECT_EQ(data["layers"][0]["id"], "ground");
  for (size_t i = 0; i < fields.size(); ++i) {
    const json& layer = data["layers"][i + 1];
    const std::vector<float> values = floatsOf(layer["values"], maps[i].size());
    EXPECT_TRUE(values == maps[i]) << layer["id"];
    const json& stops = layer["stops"];
    for (size_t s = 1; s < stops.size(); ++s) {
      EXPECT_LE(stops[s - 1]["value"].get<float>(), stops[s]["value"].get<float>()) << layer["id"];
    }
    for (const float v : values) {
      if (v < stops.front()["value"].get<float>() || v > stops.back()["value"].get<float>()) {
        ADD_FAILURE() << layer["id"] << " value " << v << " lies outside its ramp";
        break;
      }
    }
  }

  const geoweave::Rivers rivers = planet.rivers();
  ASSERT_FALSE(rivers.segments.empty());
  const std::vector<float> ends = floatsOf(data["rivers"]["segments"], rivers.segments.size() * 6);
  EXPECT_EQ(ends[3], rivers.segments[0].to.longitude);
  EXPECT_EQ(ends[4], rivers.segments[0].to.latitude);
  EXPECT_EQ(ends.back(), rivers.segments.back().to.flow);

  // The picture is the ground-cover map, rows from the north pole down.
  const std::vector<uint8_t> png = fromBase64(data["ground"]["png"]);
  std::ofstream(path("ground.png"), std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  PngImage picture;
  ASSERT_TRUE(readPng(path("ground.png").c_str(), &picture, &error)) << error;
  ASSERT_EQ(picture.width, 1024);
  ASSERT_EQ(picture.height, 512);
  for (const int row : {0, 300, 511}) {
    geoweave::Image band;
    ASSERT_EQ(planet.renderGroundRows(1024, 512, row, 1, &band, nullptr), Status::kOk);
    int differing = 0;
    for (int x = 0; x < 1024; ++x) {
      for (int c = 0; c < 3; ++c) differing += picture.at(x, row, c) != band.pixel(x, 0)[c];
    }
    EXPECT_EQ(differing, 0) << "row " << row;
  }
}

TEST_F(GlobePage, RefusesAnUngeneratedPlanetAndLeavesNothingWhenTheFileFails) {
  std::string error;
  EXPECT_EQ(writeGlobePage(geoweave::Planet(), path("globe.html"), &error), Status::kUnusable);
  EXPECT_NE(error.find("globe.html"), std::string::npos) << error;

  geoweave::Settings settings;
  settings.width = 16;
  settings.turns = 1;
  geoweave::Planet planet;
  ASSERT_EQ(planet.generate(settings, {}, nullptr), Status::kOk);
  // A directory in the way stays, with no scratch file left beside it.
  ASSERT_TRUE(std::filesystem::create_directory(path("globe.html")));
  error.clear();
  EXPECT_EQ(writeGlobePage(planet, path("globe.html"), &error), Status::kWriteFailed);
  EXPECT_NE(error.find(path("globe.html")), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_directory(path("globe.html")));
  EXPECT_EQ(entries(), std::vector<std::string>{"globe.html"});
}

}  // namespace

}  // namespace geoweave::detail
