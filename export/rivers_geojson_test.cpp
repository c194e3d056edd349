#include "export/rivers_geojson.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "testing/test_command.h"
#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

int occurrences(const std::string& text, const std::string& word) {
  int n = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

// Longitude fractions in 512ths and latitude fractions in 64ths: their
// degrees (0.703125 and 2.8125 a step) are exact in six decimals.
geoweave::RiverEnd end(int longitude512, int latitude64, float flow) {
  return geoweave::RiverEnd{longitude512 / 512.0f, latitude64 / 64.0f, flow};
}

struct RiversGeoJson : TestDirectory {
  geoweave::Rivers rivers;

  void SetUp() override {
    TestDirectory::SetUp();
    rivers.threshold = 1;
    rivers.majorThreshold = 2;
    rivers.segments = {
        // Around longitude 0, and at 90 E 45 N.
        {end(1, 32, 2.5f), end(511, 32, 0.1f)},
        {end(128, 48, 1.5f), end(129, 48, 2)},
        // Eastward over the antimeridian, then westward back.
        {end(255, 32, 2), end(257, 33, 3)},
        {end(257, 33, 1), end(255, 32, 1)},
        // From the antimeridian into the western half, and back onto it.
        {end(256, 32, 1), end(257, 33, 1)},
        {end(257, 33, 1), end(256, 32, 1)},
    };
  }
};

TEST_F(RiversGeoJson, OgrReadsOneFeaturePerSegment) {
  const std::string path = dir + "/rivers.geojson";
  std::string error;
  ASSERT_TRUE(writeRiversGeoJson(path.c_str(), rivers, &error)) << error;
  EXPECT_EQ(entries(), std::vector<std::string>{"rivers.geojson"});

  const std::string summary = runCommand("ogrinfo -ro -al -so " + path);
  EXPECT_NE(summary.find("Feature Count: 6"), std::string::npos) << summary;
  EXPECT_NE(summary.find("flow_start: Real"), std::string::npos) << summary;
  EXPECT_NE(summary.find("major: Integer(Boolean)"), std::string::npos) << summary;
  const std::string features = runCommand("ogrinfo -ro -al -q -geom=SUMMARY " + path);
  // Each feature's geometry is indented; a multi-line's parts follow unindented.
  EXPECT_EQ(occurrences(features, "\n  LINESTRING : 2 points"), 4) << features;
  EXPECT_EQ(occurrences(features, "\n  MULTILINESTRING : 2 geometries"), 2) << features;
}

TEST_F(RiversGeoJson, SegmentsOverTheAntimeridianAreSplitThere) {
  const std::string path = dir + "/rivers.geojson";
  ASSERT_TRUE(writeRiversGeoJson(path.c_str(), rivers, nullptr));
  std::ifstream in(path);
  const nlohmann::json json = nlohmann::json::parse(in, nullptr, false);
  ASSERT_FALSE(json.is_discarded());
  ASSERT_EQ(json["type"], "FeatureCollection");
  const nlohmann::json& f = json["features"];
  ASSERT_EQ(f.size(), 6u);

  using Line = std::vector<std::vector<double>>;
  EXPECT_EQ(f[0]["geometry"]["type"], "LineString");
  EXPECT_EQ(f[0]["geometry"]["coordinates"].get<Line>(), (Line{{0.703125, 0}, {-0.703125, 0}}));
  EXPECT_EQ(f[1]["geometry"]["coordinates"].get<Line>(), (Line{{90, 45}, {90.703125, 45}}));

  // Half way between the ends in longitude, so half way in latitude.
  EXPECT_EQ(f[2]["geometry"]["type"], "MultiLineString");
  EXPECT_EQ(f[2]["geometry"]["coordinates"].get<std::vector<Line>>(),
            (std::vector<Line>{{{179.296875, 0}, {180, 1.40625}},
                               {{-180, 1.40625}, {-179.296875, 2.8125}}}));
  EXPECT_EQ(f[3]["geometry"]["type"], "MultiLineString");
  EXPECT_EQ(f[3]["geometry"]["coordinates"].get<std::vector<Line>>(),
            (std::vector<Line>{{{-179.296875, 2.8125}, {-180, 1.40625}},
                               {{180, 1.40625}, {179.296875, 0}}}));
  EXPECT_EQ(f[4]["geometry"]["type"], "LineString");
  EXPECT_EQ(f[4]["geometry"]["coordinates"].get<Line>(), (Line{{-180, 0}, {-179.296875, 2.8125}}));
  EXPECT_EQ(f[5]["geometry"]["type"], "LineString");
  EXPECT_EQ(f[5]["geometry"]["coordinates"].get<Line>(), (Line{{-179.296875, 2.8125}, {-180, 0}}));

  // A river is major from the threshold on; flows read back as written.
  const bool major[5] = {true, false, true, false, false};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(f[i]["properties"]["major"], major[i]) << i;
    EXPECT_EQ(f[i]["properties"]["flow_start"].get<double>(), rivers.segments[i].from.flow) << i;
  }
  EXPECT_NE(readFileText(path).find("\"flow_end\":0.1,"), std::string::npos);
}

TEST_F(RiversGeoJson, AFailedWriteLeavesNothingAndSaysWhy) {
  const std::string path = dir + "/missing/rivers.geojson";
  std::string error;
  EXPECT_FALSE(writeRiversGeoJson(path.c_str(), rivers, &error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;
  EXPECT_TRUE(entries().empty());
}

}  // namespace

}  // namespace geoweave::detail
