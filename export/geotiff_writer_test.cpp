#include "export/geotiff_writer.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "testing/test_command.h"
#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

namespace fs = std::filesystem;

class GeoTiffWriter : public TestDirectory {};

// Values unlike any neighbour's, so a cell read from the wrong row, column
// or tile shows.
float valueAt(int x, int y) {
  return static_cast<float>(y * 1000 + x) + 0.1f;
}

TEST_F(GeoTiffWriter, GdalReadsGeoreferenceBandAndValues) {
  // Two tiles across and two down, the last ones only partly filled.
  const int width = 300;
  const int height = 270;
  std::vector<float> values(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) values[static_cast<size_t>(y) * width + x] = valueAt(x, y);
  }
  GeoTiffBand band;
  band.name = "land & sea <height>";
  band.unit = "m";
  band.nodata = -9999.0f;
  const std::string name = path("elevation.tif");
  std::string error;
  ASSERT_TRUE(writeGeoTiffFloat(name.c_str(), width, height, values.data(), band, &error)) << error;
  EXPECT_EQ(entries(), std::vector<std::string>{"elevation.tif"});

  const std::string text = runCommand("gdalinfo -json '" + name + "'");
  const nlohmann::json info = nlohmann::json::parse(text, nullptr, false);
  ASSERT_FALSE(info.is_discarded()) << text;
  EXPECT_EQ(info["driverShortName"], "GTiff");
  EXPECT_EQ(info["size"], nlohmann::json::array({width, height}));
  EXPECT_EQ(info["stac"]["proj:epsg"], 4326);
  const std::string wkt = info["coordinateSystem"]["wkt"].get<std::string>();
  EXPECT_NE(wkt.find("ID[\"EPSG\",4326]"), std::string::npos) << wkt;
  const std::vector<double> transform = info["geoTransform"].get<std::vector<double>>();
  ASSERT_EQ(transform.size(), 6u);
  EXPECT_DOUBLE_EQ(transform[0], -180.0);
  EXPECT_DOUBLE_EQ(transform[1], 360.0 / width);
  EXPECT_DOUBLE_EQ(transform[2], 0.0);
  EXPECT_DOUBLE_EQ(transform[3], 90.0);
  EXPECT_DOUBLE_EQ(transform[4], 0.0);
  EXPECT_DOUBLE_EQ(transform[5], -180.0 / height);
  EXPECT_EQ(info["cornerCoordinates"]["upperLeft"], nlohmann::json::array({-180.0, 90.0}));
  EXPECT_EQ(info["cornerCoordinates"]["lowerRight"], nlohmann::json::array({180.0, -90.0}));
  EXPECT_EQ(info["metadata"][""]["AREA_OR_POINT"], "Area");
  EXPECT_EQ(info["metadata"]["IMAGE_STRUCTURE"]["COMPRESSION"], "DEFLATE");
  EXPECT_EQ(info["metadata"]["IMAGE_STRUCTURE"]["PREDICTOR"], "3");
  ASSERT_EQ(info["bands"].size(), 1u);
  const nlohmann::json& b = info["bands"][0];
  EXPECT_EQ(b["type"], "Float32");
  EXPECT_EQ(b["description"], band.name);
  EXPECT_EQ(b["unit"], "m");
  EXPECT_EQ(b["noDataValue"], -9999.0);
  EXPECT_EQ(b["block"], nlohmann::json::array({256, 256}));

  // Cell centres: the corners (north up, west first) and one cell in each
  // tile away from the edges.
  struct Cell {
    int x, y;
  };
  const Cell cells[] = {{0, 0},    {width - 1, 0}, {0, height - 1}, {width - 1, height - 1},
                        {257, 10}, {17, 100},      {260, 258}};
  std::ostringstream points;
  points.precision(17);
  for (const Cell c : cells) {
    points << " '" << -180.0 + (c.x + 0.5) * 360.0 / width << ' '
           << 90.0 - (c.y + 0.5) * 180.0 / height << "'";
  }
  std::istringstream read(runCommand("printf '%s\\n'" + points.str() +
                                     " | gdallocationinfo -valonly -wgs84 '" + name + "'"));
  for (const Cell c : cells) {
    double got = 0;
    ASSERT_TRUE(read >> got) << "no value for cell " << c.x << ", " << c.y;
    EXPECT_EQ(static_cast<float>(got), valueAt(c.x, c.y)) << "cell " << c.x << ", " << c.y;
  }
}

// A raster of more than one tile is a cloud optimized GeoTIFF as GDAL's
// validator sees one, framed tiles included (its full check reads them),
// with overviews halving it down to one tile, each overview cell the mean of
// the 2 x 2 cells under it; the full resolution stays as given.
TEST_F(GeoTiffWriter, CloudOptimizedWithMeanOverviews) {
  // An odd width: the first overview's last column covers one column.
  const int width = 601;
  const int height = 300;
  std::vector<float> values(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) values[static_cast<size_t>(y) * width + x] = valueAt(x, y);
  }
  const std::string name = path("rain.tif");
  std::string error;
  ASSERT_TRUE(writeGeoTiffFloat(name.c_str(), width, height, values.data(), GeoTiffBand(), &error))
      << error;
  const std::string verdict = runCommand(
      "/usr/bin/python3 -m osgeo_utils.samples.validate_cloud_optimized_geotiff --full-check=yes "
      "'" +
      name + "'");
  EXPECT_NE(verdict.find(name + " is a valid cloud optimized GeoTIFF"), std::string::npos)
      << verdict;
  EXPECT_EQ(verdict.find("warning"), std::string::npos) << verdict;

  const nlohmann::json info = nlohmann::json::parse(runCommand("gdalinfo -json '" + name + "'"));
  const nlohmann::json& overviews = info["bands"][0]["overviews"];
  ASSERT_EQ(overviews.size(), 2u);
  EXPECT_EQ(overviews[0]["size"], nlohmann::json::array({301, 150}));
  EXPECT_EQ(overviews[1]["size"], nlohmann::json::array({151, 75}));

  const auto mean = [](std::initializer_list<float> cells) {
    double sum = 0;
    for (const float cell : cells) sum += cell;
    return static_cast<float>(sum / cells.size());
  };
  struct Cell {
    int x, y;
    float expected;
  };
  const Cell cells[] = {
      {0, 0, mean({valueAt(0, 0), valueAt(1, 0), valueAt(0, 1), valueAt(1, 1)})},
      {140, 77, mean({valueAt(280, 154), valueAt(281, 154), valueAt(280, 155), valueAt(281, 155)})},
      {300, 149, mean({valueAt(600, 298), valueAt(600, 299)})},
  };
  for (const Cell& c : cells) {
    const std::string got = runCommand("gdallocationinfo -valonly 'GTIFF_DIR:2:" + name + "' " +
                                       std::to_string(c.x) + " " + std::to_string(c.y));
    EXPECT_EQ(std::stof(got), c.expected) << "overview cell " << c.x << ", " << c.y;
    const std::string full = runCommand("gdallocationinfo -valonly '" + name + "' " +
                                        std::to_string(2 * c.x) + " " + std::to_string(2 * c.y));
    EXPECT_EQ(std::stof(full), valueAt(2 * c.x, 2 * c.y));
  }

  // Classes have no mean: a Byte raster's overview cell is the top left of
  // its 2 x 2, and its colour table stays readable in every directory.
  std::vector<uint8_t> classes(values.size());
  for (size_t i = 0; i < classes.size(); ++i) classes[i] = static_cast<uint8_t>(i * 7 % 13);
  const std::string classesName = path("classes.tif");
  const GeoTiffPalette palette(13, {{10, 20, 30}});
  ASSERT_TRUE(writeGeoTiffByte(classesName.c_str(), width, height, classes.data(), GeoTiffBand(),
                               palette, &error))
      << error;
  const std::string classesVerdict = runCommand(
      "/usr/bin/python3 -m osgeo_utils.samples.validate_cloud_optimized_geotiff --full-check=yes "
      "'" +
      classesName + "' 2>&1");
  EXPECT_NE(classesVerdict.find(" is a valid cloud optimized GeoTIFF"), std::string::npos)
      << classesVerdict;
  for (const Cell& c : cells) {
    const std::string got = runCommand("gdallocationinfo -valonly 'GTIFF_DIR:2:" + classesName +
                                       "' " + std::to_string(c.x) + " " + std::to_string(c.y));
    EXPECT_EQ(std::stoi(got), classes[static_cast<size_t>(2 * c.y) * width + 2 * c.x])
        << "overview cell " << c.x << ", " << c.y;
  }
}

std::string bytesOf(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A raster handed over in bands of tile rows gives the very file written
// whole, full resolution and overviews alike: the bands' overview rows meet
// at the band boundaries, and an odd height's last band ends the raster
// with a short overview row. Floats and bytes, as the layers use both.
TEST_F(GeoTiffWriter, BandsGiveTheFileWrittenWhole) {
  const int width = 601;
  const int height = 1035;
  std::vector<float> values(static_cast<size_t>(width) * height);
  std::vector<uint8_t> classes(values.size());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t i = static_cast<size_t>(y) * width + x;
      values[i] = valueAt(x, y) * (1 + 0.37f * static_cast<float>((x * 7 + y * 13) % 11));
      classes[i] = static_cast<uint8_t>((x * 5 + y * 3) % 17);
    }
  }
  GeoTiffBand band;
  band.name = "rain";
  const GeoTiffPalette palette(17, {{10, 20, 30}});
  std::string error;
  ASSERT_TRUE(
      writeGeoTiffFloat(path("whole.tif").c_str(), width, height, values.data(), band, &error))
      << error;
  ASSERT_TRUE(writeGeoTiffByte(path("whole-classes.tif").c_str(), width, height, classes.data(),
                               band, palette, &error))
      << error;
  // Bands of one and of two tile rows, the last band shorter.
  const int bandRows[] = {256, 512, 256};
  GeoTiffRows banded;
  GeoTiffRows bandedClasses;
  ASSERT_TRUE(banded.start(path("banded.tif").c_str(), width, height, false, band))
      << banded.error();
  ASSERT_TRUE(
      bandedClasses.start(path("banded-classes.tif").c_str(), width, height, true, band, palette))
      << bandedClasses.error();
  int row = 0;
  for (const int rows : bandRows) {
    const size_t at = static_cast<size_t>(row) * width;
    ASSERT_TRUE(banded.addRows(values.data() + at, rows)) << banded.error();
    ASSERT_TRUE(bandedClasses.addRows(classes.data() + at, rows)) << bandedClasses.error();
    row += rows;
  }
  const size_t at = static_cast<size_t>(row) * width;
  ASSERT_TRUE(banded.addRows(values.data() + at, height - row)) << banded.error();
  ASSERT_TRUE(bandedClasses.addRows(classes.data() + at, height - row)) << bandedClasses.error();
  ASSERT_TRUE(banded.finish()) << banded.error();
  ASSERT_TRUE(bandedClasses.finish()) << bandedClasses.error();
  // The whole files: the full resolution's tiles and every overview's.
  EXPECT_TRUE(bytesOf(path("banded.tif")) == bytesOf(path("whole.tif")));
  EXPECT_TRUE(bytesOf(path("banded-classes.tif")) == bytesOf(path("whole-classes.tif")));

  // The bands must keep to whole tile rows until the last.
  GeoTiffRows uneven;
  ASSERT_TRUE(uneven.start(path("uneven.tif").c_str(), width, height, false, band));
  EXPECT_FALSE(uneven.addRows(values.data(), 100));
  EXPECT_NE(uneven.error().find(path("uneven.tif")), std::string::npos) << uneven.error();
  EXPECT_FALSE(uneven.finish());
  EXPECT_FALSE(fs::exists(path("uneven.tif")));
}

TEST_F(GeoTiffWriter, FailuresNameTheFileAndLeaveNothing) {
  const float values[4] = {1, 2, 3, 4};
  const GeoTiffBand band;
  std::string error;

  const std::string missing = path("nowhere/a.tif");
  EXPECT_FALSE(writeGeoTiffFloat(missing.c_str(), 2, 2, values, band, &error));
  EXPECT_NE(error.find(missing), std::string::npos) << error;
  EXPECT_NE(error.find(std::strerror(ENOENT)), std::string::npos) << error;

  // The rename onto a directory fails only after the whole file was written.
  const std::string taken = path("taken.tif");
  ASSERT_TRUE(fs::create_directory(taken));
  error.clear();
  EXPECT_FALSE(writeGeoTiffFloat(taken.c_str(), 2, 2, values, band, &error));
  EXPECT_NE(error.find(taken), std::string::npos) << error;
  EXPECT_NE(error.find(std::strerror(EISDIR)), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(taken));

  error.clear();
  EXPECT_FALSE(writeGeoTiffFloat(path("empty.tif").c_str(), 0, 2, values, band, &error));
  EXPECT_NE(error.find("empty.tif"), std::string::npos) << error;
  EXPECT_EQ(entries(), std::vector<std::string>{"taken.tif"});
}

}  // namespace

}  // namespace geoweave::detail
