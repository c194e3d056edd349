#include "export/banded_maps.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "export/heightmap.h"
#include "export/rivers_png.h"
#include "testing/png_reader.h"
#include "testing/river_planet.h"
#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

// A planet with many rivers and its maps drawn whole, to hold the banded
// files against.
class BandedMaps : public TestDirectory {
 protected:
  void drawWhole() {
    ASSERT_NO_FATAL_FAILURE(generateRiverPlanet(&planet));
    ASSERT_EQ(planet.renderGround(w, h, &ground, &error), geoweave::Status::kOk) << error;
    ASSERT_EQ(planet.renderSheet(w, h, &sheet, &error), geoweave::Status::kOk) << error;
    ASSERT_EQ(planet.sampleMaps({geoweave::Field::kGround}, w, h, geoweave::MapLayout::kFrame,
                                &maps, &error),
              geoweave::Status::kOk);
    stats = planet.statistics();
  }

  static constexpr int w = 96, h = 37;
  geoweave::Planet planet;
  geoweave::Image ground, sheet;
  std::vector<std::vector<float>> maps;
  geoweave::Statistics stats;
  std::string error;
};

// The samples of a decoded PNG as the bytes or values they were written from.
template <typename T>
std::vector<T> samplesOf(const std::string& path) {
  PngImage image;
  std::string error;
  EXPECT_TRUE(readPng(path.c_str(), &image, &error)) << error;
  return std::vector<T>(image.samples.begin(), image.samples.end());
}

TEST_F(BandedMaps, FilesHoldTheWholeMapsPixelsAndNoScratchFileStays) {
  ASSERT_NO_FATAL_FAILURE(drawWhole());

  // Bands that do not divide the height, and one band for all.
  for (const int band : {7, h}) {
    SCOPED_TRACE("bands of " + std::to_string(band));
    std::vector<FileOutcome> outcomes;
    ASSERT_EQ(writeMapsInBands(planet, w, h, band, dir, &outcomes, &error), geoweave::Status::kOk)
        << error;
    ASSERT_EQ(outcomes.size(), 3u);
    for (const FileOutcome& outcome : outcomes) EXPECT_TRUE(outcome.written) << outcome.error;
    EXPECT_EQ(entries(), (std::vector<std::string>{"ground.png", "height.png", "sheet.png"}));
    EXPECT_TRUE(samplesOf<uint8_t>(path("ground.png")) == ground.rgb);
    EXPECT_TRUE(samplesOf<uint8_t>(path("sheet.png")) == sheet.rgb);
    EXPECT_TRUE(samplesOf<uint16_t>(path("height.png")) ==
                heightmapOf(maps[0], stats.elevationMin, stats.elevationMax));
  }

  // A sheet that cannot take its name fails alone and leaves no scratch
  // file; the other two are still written.
  std::filesystem::remove(path("sheet.png"));
  std::filesystem::create_directory(path("sheet.png"));
  std::vector<FileOutcome> outcomes;
  ASSERT_EQ(writeMapsInBands(planet, w, h, 5, dir, &outcomes, &error), geoweave::Status::kOk)
      << error;
  ASSERT_EQ(outcomes.size(), 3u);
  EXPECT_TRUE(outcomes[0].written);
  EXPECT_FALSE(outcomes[1].written);
  EXPECT_NE(outcomes[1].error.find(path("sheet.png")), std::string::npos) << outcomes[1].error;
  EXPECT_TRUE(outcomes[2].written);
  EXPECT_EQ(entries(), (std::vector<std::string>{"ground.png", "height.png", "sheet.png"}));

  // The class maps written in the same bands hold the pixels and counts of
  // those written on their own.
  std::filesystem::create_directory(path("whole"));
  std::vector<FileOutcome> whole;
  ClassCounts counts;
  ASSERT_EQ(writeClassMaps(planet, w, h, path("whole"), &whole, &counts, &error),
            geoweave::Status::kOk)
      << error;
  BandedClassMaps classes;
  ASSERT_EQ(writeMapsInBands(planet, w, h, 7, dir, &outcomes, &error, {}, &classes),
            geoweave::Status::kOk)
      << error;
  ASSERT_EQ(classes.outcomes.size(), 2u);
  for (const char* name : {"mask.png", "biomes.png"}) {
    EXPECT_TRUE(samplesOf<uint8_t>(path(name)) ==
                samplesOf<uint8_t>(path(std::string("whole/") + name)))
        << name;
  }
  EXPECT_TRUE(classes.counts.counted);
  EXPECT_EQ(classes.counts.waterPixels, counts.waterPixels);
  for (int c = 0; c < geoweave::kBiomeCount; ++c) {
    EXPECT_EQ(classes.counts.biomePixels[c], counts.biomePixels[c]);
    EXPECT_EQ(classes.counts.biomeArea[c], counts.biomeArea[c]);
  }
}

// The hooks see each band once, from the top: the rivers the ground hook
// paints band by band land in ground.png as if painted on the whole map
// (the sheet's ground panel keeps its own), and the heights hook is given
// height.png's values.
TEST_F(BandedMaps, HooksPaintTheGroundAndTakeTheHeightsOfEveryBand) {
  ASSERT_NO_FATAL_FAILURE(drawWhole());
  const geoweave::Rivers rivers = planet.rivers();
  std::vector<uint8_t> painted = ground.rgb;
  paintRiverRows(rivers, w, h, 0, h, painted.data());
  ASSERT_FALSE(painted == ground.rgb);

  BandHooks hooks;
  hooks.ground = [&](int first, int rows, uint8_t* rgb) {
    paintRiverRows(rivers, w, h, first, rows, rgb);
  };
  std::vector<uint16_t> heights;
  hooks.heights = [&](int first, int rows, const std::vector<uint16_t>& values) {
    EXPECT_EQ(static_cast<size_t>(first) * w, heights.size());
    EXPECT_EQ(static_cast<size_t>(rows) * w, values.size());
    heights.insert(heights.end(), values.begin(), values.end());
  };
  std::vector<FileOutcome> outcomes;
  ASSERT_EQ(writeMapsInBands(planet, w, h, 5, dir, &outcomes, &error, hooks), geoweave::Status::kOk)
      << error;
  EXPECT_TRUE(samplesOf<uint8_t>(path("ground.png")) == painted);
  EXPECT_TRUE(samplesOf<uint8_t>(path("sheet.png")) == sheet.rgb);
  EXPECT_TRUE(heights == heightmapOf(maps[0], stats.elevationMin, stats.elevationMax));
}

}  // namespace

}  // namespace geoweave::detail
