#include "render/render_snapshot.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "generation/generate.h"
#include "render/colors.h"
#include "render/interpolate_tile.h"
#include "render/projection.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int64_t bmpSize(int width, int height) {
  return int64_t{(3 * width + 3) / 4 * 4} * height + 54;
}

int32_t headerInt(const Bytes& bmp, size_t offset) {
  return static_cast<int32_t>(bmp[offset] | bmp[offset + 1] << 8 | bmp[offset + 2] << 16 |
                              static_cast<uint32_t>(bmp[offset + 3]) << 24);
}

// The pixel (x, y) of a BMP file; y counts from the bottom line.
Rgb pixelOf(const Bytes& bmp, int x, int y) {
  const int width = headerInt(bmp, 18);
  const size_t at = 54 + static_cast<size_t>(y) * ((3 * width + 3) / 4 * 4) + 3 * x;
  return Rgb{bmp[at], bmp[at + 1], bmp[at + 2]};
}

std::string text(Rgb c) {
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

// The six colours of one pixel, built from the mapping and colour rules
// directly: latitude y / (height - 1) (the equator for a single row), the
// relief neighbour one column west and one row north by the coarse mapping.
struct PixelColors {
  Rgb ground, sediment, elevation, rain, temperature, humidity;
};
PixelColors expectedPixel(const PlanetGrid& planet, const PlanetStatistics& statistics,
                          const RiverNetwork& rivers, int x, int y, int width, int height) {
  const auto latitude = [height](int row) {
    return height == 1 ? 0.5f : static_cast<float>(static_cast<double>(row) / (height - 1));
  };
  const auto longitude = [width](int column) {
    return static_cast<float>(static_cast<double>(column) / width);
  };
  const Tile t = interpolateTile(planet, locateTilePoint(planet, latitude(y), longitude(x)));
  float shade = 0;
  if (y + 1 < height) {
    const int west = (x + width - 1) % width;
    const Tile n = interpolateTile(planet, netTilePoint(planet, latitude(y + 1), longitude(west)));
    shade = reliefShade(t, n, statistics, 1.0f);
  }
  return PixelColors{groundCover(t, shade, statistics, rivers).color,
                     sedimentPanelColor(t, statistics),
                     elevationPanelColor(t, statistics, inverseElevationRange(statistics)),
                     rainPanelColor(t, statistics),
                     temperaturePanelColor(t, statistics),
                     humidityPanelColor(t)};
}

// One small generated planet for the whole suite.
struct RenderSnapshot : testing::Test {
  static inline std::unique_ptr<PlanetGrid> planet;
  static inline std::unique_ptr<PlanetRun> run;
  // The run's thresholds without the river list, as every call during the
  // turns sees them: no lines drawn over the pixel colours.
  static inline std::unique_ptr<RiverNetwork> noRivers;

  static void SetUpTestSuite() {
    planet = std::make_unique<PlanetGrid>();
    run = std::make_unique<PlanetRun>();
    planet->buildIcosahedron();
    ASSERT_TRUE(planet->allocate(32, 1));
    run->terrain.random.seed(1);
    run->settings.turns = 2;
    ASSERT_EQ(generatePlanet(*planet, *run), GenerateStatus::kDone);
    // Pictures of a flat or river-less planet would prove little.
    ASSERT_LT(run->statistics.elevationMin, run->statistics.seaLevel);
    ASSERT_LT(run->statistics.seaLevel, run->statistics.elevationMax);
    ASSERT_GT(run->rivers.points.count, 0);
    noRivers = std::make_unique<RiverNetwork>();
    noRivers->flowThreshold = run->rivers.flowThreshold;
    noRivers->majorFlowThreshold = run->rivers.majorFlowThreshold;
  }
  static void TearDownTestSuite() {
    planet.reset();
    run.reset();
    noRivers.reset();
  }

  fs::path dir;
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "render_snapshot_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }

  std::string path(const char* name) const { return (dir / name).string(); }
  // Draws a width x height snapshot and writes the files that are named
  // (null skips one); false when a named file could not be written.
  bool render(const char* ground, const char* all, int width, int height,
              const RiverNetwork* rivers = nullptr) const {
    SnapshotCanvas canvas(*planet, width, height, 2);
    EXPECT_TRUE(canvas.ok());
    drawSnapshot(canvas, 1.0f, run->statistics, rivers != nullptr ? *rivers : run->rivers, *planet);
    const bool groundWritten = ground == nullptr || canvas.ground.writeBmp(ground);
    const bool allWritten = all == nullptr || canvas.sheet.writeBmp(all);
    return groundWritten && allWritten;
  }
  std::set<std::string> entries() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
  }
};

TEST_F(RenderSnapshot, NullNameSkipsOnlyThatFile) {
  const std::string ground = path("g.bmp"), all = path("a.bmp");
  EXPECT_TRUE(render(nullptr, all.c_str(), 6, 3));
  EXPECT_EQ(entries(), std::set<std::string>{"a.bmp"});
  EXPECT_EQ(static_cast<int64_t>(fs::file_size(all)), bmpSize(12, 9));

  fs::remove(all);
  EXPECT_TRUE(render(ground.c_str(), nullptr, 6, 3));
  EXPECT_EQ(entries(), std::set<std::string>{"g.bmp"});
  EXPECT_EQ(static_cast<int64_t>(fs::file_size(ground)), bmpSize(6, 3));

  fs::remove(ground);
  EXPECT_TRUE(render(nullptr, nullptr, 6, 3));
  EXPECT_TRUE(entries().empty());
}

TEST_F(RenderSnapshot, SheetHoldsTheGroundMapWithRiversBottomLeft) {
  const int w = 16, h = 8;
  const std::string ground = path("g.bmp"), all = path("a.bmp");
  ASSERT_TRUE(render(ground.c_str(), all.c_str(), w, h));
  const Bytes groundBmp = readFile(ground), allBmp = readFile(all);
  ASSERT_EQ(static_cast<int64_t>(allBmp.size()), bmpSize(2 * w, 3 * h));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      EXPECT_EQ(pixelOf(allBmp, x, y), pixelOf(groundBmp, x, y)) << x << "," << y;
    }
  }

  // The rivers are drawn over the ground map and the sediment panel only.
  const std::string plainGround = path("pg.bmp"), plainAll = path("pa.bmp");
  ASSERT_TRUE(render(plainGround.c_str(), plainAll.c_str(), w, h, noRivers.get()));
  const Bytes plainBmp = readFile(plainAll);
  const auto bandDiffers = [&](int x0, int y0) {
    int differing = 0;
    for (int y = y0; y < y0 + h; ++y) {
      for (int x = x0; x < x0 + w; ++x)
        differing += pixelOf(allBmp, x, y) != pixelOf(plainBmp, x, y);
    }
    return differing > 0;
  };
  EXPECT_TRUE(bandDiffers(0, 0));
  EXPECT_TRUE(bandDiffers(w, 0));
  EXPECT_FALSE(bandDiffers(0, h));
  EXPECT_FALSE(bandDiffers(w, h));
  EXPECT_FALSE(bandDiffers(0, 2 * h));
  EXPECT_FALSE(bandDiffers(w, 2 * h));
}

TEST_F(RenderSnapshot, EveryPanelPixelFollowsTheColourRules) {
  // Width 12, height 6: both poles, the seam column and its wrapped relief
  // neighbour, and the unshaded top row.
  const int w = 12, h = 6;
  const std::string ground = path("g.bmp"), all = path("a.bmp");
  ASSERT_TRUE(render(ground.c_str(), all.c_str(), w, h, noRivers.get()));
  const Bytes groundBmp = readFile(ground), allBmp = readFile(all);
  ASSERT_EQ(static_cast<int64_t>(allBmp.size()), bmpSize(2 * w, 3 * h));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
      const PixelColors want = expectedPixel(*planet, run->statistics, *noRivers, x, y, w, h);
      EXPECT_EQ(text(pixelOf(groundBmp, x, y)), text(want.ground));
      EXPECT_EQ(text(pixelOf(allBmp, x, y)), text(want.ground));
      EXPECT_EQ(text(pixelOf(allBmp, w + x, y)), text(want.sediment));
      EXPECT_EQ(text(pixelOf(allBmp, x, h + y)), text(want.elevation));
      EXPECT_EQ(text(pixelOf(allBmp, w + x, h + y)), text(want.rain));
      EXPECT_EQ(text(pixelOf(allBmp, x, 2 * h + y)), text(want.temperature));
      EXPECT_EQ(text(pixelOf(allBmp, w + x, 2 * h + y)), text(want.humidity));
    }
  }
}

TEST_F(RenderSnapshot, TinyWidthsFinishCleanly) {
  // Height is width / 2: no rows for width 1 (header-only files), a single
  // row on the equator for widths 2 and 3.
  for (const auto& [w, h] : {std::pair{1, 0}, {2, 1}, {3, 1}, {5, 2}, {10, 5}}) {
    SCOPED_TRACE(testing::Message() << "width " << w);
    const std::string ground = path("g.bmp"), all = path("a.bmp");
    ASSERT_TRUE(render(ground.c_str(), all.c_str(), w, h, noRivers.get()));
    const Bytes groundBmp = readFile(ground), allBmp = readFile(all);
    ASSERT_EQ(static_cast<int64_t>(groundBmp.size()), bmpSize(w, h));
    ASSERT_EQ(static_cast<int64_t>(allBmp.size()), bmpSize(2 * w, 3 * h));
    EXPECT_EQ(headerInt(groundBmp, 18), w);
    EXPECT_EQ(headerInt(groundBmp, 22), h);
    EXPECT_EQ(headerInt(allBmp, 18), 2 * w);
    EXPECT_EQ(headerInt(allBmp, 22), 3 * h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const PixelColors want = expectedPixel(*planet, run->statistics, *noRivers, x, y, w, h);
        EXPECT_EQ(text(pixelOf(groundBmp, x, y)), text(want.ground)) << x << "," << y;
        EXPECT_EQ(text(pixelOf(allBmp, x, 2 * h + y)), text(want.temperature)) << x << "," << y;
      }
    }
  }
}

TEST_F(RenderSnapshot, RepeatedCallsWriteIdenticalFiles) {
  const std::string g1 = path("g1.bmp"), a1 = path("a1.bmp");
  const std::string g2 = path("g2.bmp"), a2 = path("a2.bmp");
  ASSERT_TRUE(render(g1.c_str(), a1.c_str(), 16, 8));
  ASSERT_TRUE(render(g2.c_str(), a2.c_str(), 16, 8));
  EXPECT_EQ(readFile(g1), readFile(g2));
  EXPECT_EQ(readFile(a1), readFile(a2));
}

TEST_F(RenderSnapshot, UnwritableFileFailsAndTheOtherIsStillWritten) {
  const std::string ground = path("g.bmp"), all = path("a.bmp");
  ASSERT_TRUE(fs::create_directory(ground));
  const bool ok = render(ground.c_str(), all.c_str(), 6, 3);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(fs::is_directory(ground));
  EXPECT_TRUE(fs::is_empty(ground));
  EXPECT_EQ(entries(), (std::set<std::string>{"a.bmp", "g.bmp"}));
  EXPECT_EQ(static_cast<int64_t>(fs::file_size(all)), bmpSize(12, 9));

  fs::remove(all);
  fs::remove(ground);
  ASSERT_TRUE(fs::create_directory(all));
  const bool okAll = render(ground.c_str(), all.c_str(), 6, 3);
  EXPECT_FALSE(okAll);
  EXPECT_EQ(entries(), (std::set<std::string>{"a.bmp", "g.bmp"}));
  EXPECT_EQ(static_cast<int64_t>(fs::file_size(ground)), bmpSize(6, 3));
}

}  // namespace

}  // namespace geoweave::detail
