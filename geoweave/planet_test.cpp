#include "geoweave/planet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "render/cube_face.h"

namespace geoweave {
namespace {

using geoweave::Field;
using geoweave::Status;

geoweave::Settings small(int seed) {
  geoweave::Settings s;
  s.seed = seed;
  s.width = 64;
  s.turns = 2;
  return s;
}

// Everything a planet shows that depends on its random sequence and river
// thresholds: the statistics, the rivers and a rendered map.
struct Fingerprint {
  geoweave::Statistics stats;
  geoweave::Rivers rivers;
  geoweave::Image ground;
};

Fingerprint fingerprintOf(const geoweave::Planet& planet) {
  Fingerprint f;
  f.stats = planet.statistics();
  f.rivers = planet.rivers();
  std::string error;
  EXPECT_EQ(planet.renderGround(64, 32, &f.ground, &error), Status::kOk) << error;
  return f;
}

void expectSame(const Fingerprint& a, const Fingerprint& b) {
  EXPECT_EQ(std::memcmp(&a.stats, &b.stats, sizeof a.stats), 0);
  EXPECT_EQ(a.rivers.threshold, b.rivers.threshold);
  EXPECT_EQ(a.rivers.majorThreshold, b.rivers.majorThreshold);
  ASSERT_EQ(a.rivers.segments.size(), b.rivers.segments.size());
  EXPECT_EQ(a.ground.rgb, b.ground.rgb);
}

TEST(PublicPlanet, TwoPlanetsAtOnceOnTwoThreadsGiveTheirOwnBytes) {
  geoweave::Planet aloneA, aloneB;
  ASSERT_EQ(aloneA.generate(small(7), {}, nullptr), Status::kOk);
  ASSERT_EQ(aloneB.generate(small(8), {}, nullptr), Status::kOk);
  const Fingerprint expectedA = fingerprintOf(aloneA);
  const Fingerprint expectedB = fingerprintOf(aloneB);
  ASSERT_NE(expectedA.stats.elevationMax, expectedB.stats.elevationMax);
  ASSERT_GT(expectedA.rivers.segments.size(), 0u);

  geoweave::Planet a, b;
  Fingerprint gotA, gotB;
  std::thread first([&] {
    EXPECT_EQ(a.generate(small(7), {}, nullptr), Status::kOk);
    gotA = fingerprintOf(a);
  });
  std::thread second([&] {
    EXPECT_EQ(b.generate(small(8), {}, nullptr), Status::kOk);
    gotB = fingerprintOf(b);
  });
  first.join();
  second.join();
  expectSame(gotA, expectedA);
  expectSame(gotB, expectedB);
}

TEST(PublicPlanet, SamplesAgreeWithTheMapsAndTheStatistics) {
  geoweave::Planet planet;
  std::vector<std::vector<float>> maps;
  EXPECT_EQ(
      planet.sampleMaps({Field::kGround}, 8, 4, geoweave::MapLayout::kGeographic, &maps, nullptr),
      Status::kUnusable);
  ASSERT_EQ(planet.generate(small(3), {}, nullptr), Status::kOk);
  const geoweave::Statistics stats = planet.statistics();
  const int w = 36, h = 18;
  std::string error;
  ASSERT_EQ(planet.sampleMaps({Field::kElevation, Field::kSediment, Field::kGround}, w, h,
                              geoweave::MapLayout::kGeographic, &maps, &error),
            Status::kOk)
      << error;
  ASSERT_EQ(maps.size(), 3u);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const size_t i = static_cast<size_t>(y) * w + x;
      const double lat = 90 - (y + 0.5) * 10, lon = -180 + (x + 0.5) * 10;
      EXPECT_EQ(maps[0][i], planet.sample(Field::kElevation, lat, lon)) << lat << "," << lon;
      EXPECT_EQ(maps[2][i], static_cast<float>(static_cast<double>(maps[0][i]) + maps[1][i]));
      // Blends of grid points never leave the planet's elevation range.
      EXPECT_GE(maps[0][i], stats.elevationMin);
      EXPECT_LE(maps[0][i], stats.elevationMax);
    }
  }
  // Longitude wraps: a turn further east is the same place.
  EXPECT_EQ(planet.sample(Field::kTemperature, 12.5, 30),
            planet.sample(Field::kTemperature, 12.5, 390));
  // Latitude does not: past a pole is the pole.
  EXPECT_EQ(planet.sample(Field::kElevation, 95, 30), planet.sample(Field::kElevation, 90, 30));
  EXPECT_EQ(planet.sample(Field::kElevation, -100, 30), planet.sample(Field::kElevation, -90, 30));
}

// Rows drawn and sampled a band at a time are the rows of the whole map,
// whatever the band height: rivers (many, some across the seam) and relief
// included, bands across the sheet's panel rows too, and an odd height.
// Samples taken before the map is drawn are those of the drawn map.
TEST(PublicPlanet, BandsOfRowsAreTheRowsOfTheWholeMap) {
  geoweave::Settings settings = small(34);
  settings.riverPercent = 30;
  settings.landPercent = 40;
  geoweave::Planet planet;
  ASSERT_EQ(planet.generate(settings, {}, nullptr), Status::kOk);
  const geoweave::Rivers rivers = planet.rivers();
  ASSERT_GT(rivers.segments.size(), 50u);
  size_t acrossSeam = 0;
  for (const geoweave::RiverSegment& r : rivers.segments) {
    acrossSeam += std::fabs(r.from.longitude - r.to.longitude) > 0.5f;
  }
  ASSERT_GT(acrossSeam, 0u);

  const int w = 96;
  for (const int h : {48, 37}) {
    geoweave::Image ground, sheet;
    std::vector<std::vector<float>> maps, beforeDrawing;
    std::string error;
    // No map of this size drawn yet: the samples locate their own pixels.
    ASSERT_EQ(planet.sampleMaps({Field::kGround, Field::kRain}, w, h, geoweave::MapLayout::kFrame,
                                &beforeDrawing, &error),
              Status::kOk)
        << error;
    ASSERT_EQ(planet.renderGround(w, h, &ground, &error), Status::kOk) << error;
    ASSERT_EQ(planet.renderSheet(w, h, &sheet, &error), Status::kOk) << error;
    ASSERT_EQ(planet.sampleMaps({Field::kGround, Field::kRain}, w, h, geoweave::MapLayout::kFrame,
                                &maps, &error),
              Status::kOk)
        << error;
    EXPECT_TRUE(beforeDrawing == maps);
    for (const int band : {1, 7, 48}) {
      SCOPED_TRACE(std::to_string(h) + " rows in bands of " + std::to_string(band));
      std::vector<uint8_t> groundRows;
      std::vector<uint8_t> sheetRows[3];  // by panel row
      std::vector<float> heights, rain;
      for (int row = 0; row < h; row += band) {
        const int rows = std::min(band, h - row);
        geoweave::Image part;
        ASSERT_EQ(planet.renderSheetRows(w, h, row, rows, &part, &error), Status::kOk) << error;
        ASSERT_EQ(part.width, 2 * w);
        ASSERT_EQ(part.height, 3 * rows);
        for (int panelRow = 0; panelRow < 3; ++panelRow) {
          sheetRows[panelRow].insert(sheetRows[panelRow].end(), part.pixel(0, panelRow * rows),
                                     part.pixel(0, (panelRow + 1) * rows));
        }
        ASSERT_EQ(planet.renderGroundRows(w, h, row, rows, &part, &error), Status::kOk) << error;
        ASSERT_EQ(part.height, rows);
        groundRows.insert(groundRows.end(), part.rgb.begin(), part.rgb.end());
        std::vector<std::vector<float>> sampled;
        ASSERT_EQ(planet.sampleMapRows({Field::kGround, Field::kRain}, w, h,
                                       geoweave::MapLayout::kFrame, row, rows, &sampled, &error),
                  Status::kOk)
            << error;
        heights.insert(heights.end(), sampled[0].begin(), sampled[0].end());
        rain.insert(rain.end(), sampled[1].begin(), sampled[1].end());
      }
      sheetRows[0].insert(sheetRows[0].end(), sheetRows[1].begin(), sheetRows[1].end());
      sheetRows[0].insert(sheetRows[0].end(), sheetRows[2].begin(), sheetRows[2].end());
      EXPECT_TRUE(groundRows == ground.rgb);
      EXPECT_TRUE(sheetRows[0] == sheet.rgb);
      EXPECT_TRUE(heights == maps[0]);
      EXPECT_TRUE(rain == maps[1]);
    }
  }

  // Rows outside the map are refused, with the rows named.
  geoweave::Image part;
  std::string error;
  EXPECT_EQ(planet.renderGroundRows(w, 10, 8, 3, &part, &error), Status::kUnusable);
  EXPECT_NE(error.find("rows 8 to 10"), std::string::npos) << error;
  EXPECT_EQ(planet.renderSheetRows(w, 10, 9, 2, &part, &error), Status::kUnusable);
  EXPECT_EQ(planet.renderSheetRows(w, 10, 8, 2, &part, &error), Status::kOk) << error;
  EXPECT_EQ(part.height, 6);
  EXPECT_EQ(planet.renderGroundRows(w, 10, -1, 2, &part, &error), Status::kUnusable);
  EXPECT_EQ(planet.renderGroundRows(w, 10, 0, 0, &part, &error), Status::kUnusable);
}

constexpr geoweave::CubeFace kFaces[6] = {
    geoweave::CubeFace::kPositiveX, geoweave::CubeFace::kNegativeX, geoweave::CubeFace::kPositiveY,
    geoweave::CubeFace::kNegativeY, geoweave::CubeFace::kPositiveZ, geoweave::CubeFace::kNegativeZ};

// The pixels (face, x + size * y) of all six size x size faces that look in
// one direction, for every direction on more than one face: the cube's
// edges and corners.
std::vector<std::vector<std::pair<int, int>>> sharedPixels(int size) {
  std::map<std::tuple<double, double, double>, std::vector<std::pair<int, int>>> byDirection;
  for (int f = 0; f < 6; ++f) {
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const detail::Vector3d d = detail::cubeFaceDirection(f, size, x, y);
        byDirection[{d.x, d.y, d.z}].push_back({f, x + size * y});
      }
    }
  }
  std::vector<std::vector<std::pair<int, int>>> shared;
  for (const auto& entry : byDirection) {
    if (entry.second.size() > 1) shared.push_back(entry.second);
  }
  return shared;
}

// Before the rivers are chosen, an odd face's centre pixel is the map's pixel
// at the same place, and faces that meet show the same colours along the
// edge.
struct GroundAtLastTurn {
  static constexpr int kSize = 33;
  int turn = -1;
  size_t riverSegments = 1;
  geoweave::Image map;
  geoweave::Image faces[6];
};

// What a turn callback draws is the planet of that turn: samples taken once
// the later turns and the rivers have changed it must not read the tiles
// kept from that drawing.
TEST(PublicPlanet, SamplesAfterLaterTurnsDoNotReadTilesDrawnInATurn) {
  const geoweave::Settings settings = small(12);
  const int w = 80, h = 40, firstRow = 10, rows = 12, face = 64;
  const auto drawInFirstTurn = [](const geoweave::Planet& planet, int turn, void*) {
    if (turn != 0) return;
    geoweave::Image image;
    std::string error;
    EXPECT_EQ(planet.renderSheetRows(w, h, firstRow, rows, &image, &error), Status::kOk) << error;
    EXPECT_EQ(planet.renderGroundCubeFace(geoweave::CubeFace::kPositiveZ, face, &image, &error),
              Status::kOk)
        << error;
  };
  geoweave::Callbacks callbacks;
  callbacks.turn = drawInFirstTurn;
  geoweave::Planet drawn, plain;
  ASSERT_EQ(drawn.generate(settings, callbacks, nullptr), Status::kOk);
  ASSERT_EQ(plain.generate(settings, {}, nullptr), Status::kOk);
  const std::vector<Field> fields = {Field::kGround, Field::kWater, Field::kRain};
  std::vector<std::vector<float>> got, want;
  std::string error;
  for (const geoweave::Planet* planet : {&drawn, &plain}) {
    ASSERT_EQ(planet->sampleMapRows(fields, w, h, geoweave::MapLayout::kFrame, firstRow, rows,
                                    planet == &drawn ? &got : &want, &error),
              Status::kOk)
        << error;
  }
  EXPECT_EQ(got, want);
  for (const geoweave::Planet* planet : {&drawn, &plain}) {
    ASSERT_EQ(planet->sampleCubeFace({Field::kGround}, geoweave::CubeFace::kPositiveZ, face,
                                     planet == &drawn ? &got : &want, &error),
              Status::kOk)
        << error;
  }
  EXPECT_EQ(got, want);
}

TEST(PublicPlanet, GroundCubeFacesMatchTheMapAndMeetAlongTheirEdges) {
  GroundAtLastTurn seen;
  geoweave::Callbacks callbacks;
  callbacks.turnUser = &seen;
  callbacks.turn = [](const geoweave::Planet& planet, int turn, void* user) {
    auto* s = static_cast<GroundAtLastTurn*>(user);
    if (turn != planet.settings().turns - 1) return;
    s->turn = turn;
    s->riverSegments = planet.rivers().segments.size();
    const int n = GroundAtLastTurn::kSize;
    EXPECT_EQ(planet.renderGround(4 * n, 2 * n + 1, &s->map, nullptr), Status::kOk);
    for (int f = 0; f < 6; ++f) {
      EXPECT_EQ(planet.renderGroundCubeFace(kFaces[f], n, &s->faces[f], nullptr), Status::kOk);
    }
  };
  geoweave::Planet planet;
  ASSERT_EQ(planet.generate(small(5), callbacks, nullptr), Status::kOk);
  ASSERT_EQ(seen.turn, 1);
  ASSERT_EQ(seen.riverSegments, 0u);
  const int n = GroundAtLastTurn::kSize;
  const auto rgb = [](const geoweave::Image& image, int x, int y) {
    const uint8_t* p = image.pixel(x, y);
    return std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]);
  };
  // Latitude 0 longitude 0: the map's middle row, column 0.
  EXPECT_EQ(rgb(seen.faces[0], n / 2, n / 2), rgb(seen.map, 0, n));
  // The north pole: the map's (unshaded) top row.
  EXPECT_EQ(rgb(seen.faces[4], n / 2, n / 2), rgb(seen.map, 0, 0));
  for (const auto& pixels : sharedPixels(n)) {
    const auto& [f0, i0] = pixels[0];
    for (const auto& [f, i] : pixels) {
      EXPECT_EQ(rgb(seen.faces[f], i % n, i / n), rgb(seen.faces[f0], i0 % n, i0 / n))
          << "face " << f << " (" << i % n << "," << i / n << ") and face " << f0;
    }
  }
  // Once chosen, rivers show on the faces, and faces that meet still agree
  // along their edges: each face rasterises a river crossing an edge from
  // its own side, and the edges take the first face's pixels.
  ASSERT_GT(planet.rivers().segments.size(), 0u);
  int changed = 0;
  geoweave::Image withRivers[6];
  for (int f = 0; f < 6; ++f) {
    ASSERT_EQ(planet.renderGroundCubeFace(kFaces[f], n, &withRivers[f], nullptr), Status::kOk);
    for (size_t i = 0; i < withRivers[f].rgb.size(); ++i) {
      changed += withRivers[f].rgb[i] != seen.faces[f].rgb[i];
    }
  }
  EXPECT_GT(changed, 0);
  for (const auto& pixels : sharedPixels(n)) {
    const auto& [f0, i0] = pixels[0];
    for (const auto& [f, i] : pixels) {
      EXPECT_EQ(rgb(withRivers[f], i % n, i / n), rgb(withRivers[f0], i0 % n, i0 / n))
          << "face " << f << " (" << i % n << "," << i / n << ") and face " << f0;
    }
  }
}

// Rivers crossing the cube's edges on a planet with many of them: each face
// rasterises a crossing river from its own side, and the shared border
// pixels take the first face's colours, so every pair agrees.
TEST(PublicPlanet, GroundCubeFacesWithRiversAgreeAlongEveryEdge) {
  geoweave::Settings settings;
  settings.width = 256;
  geoweave::Planet planet;
  ASSERT_EQ(planet.generate(settings, {}, nullptr), Status::kOk);
  const int n = 128;
  geoweave::Image faces[6];
  for (int f = 0; f < 6; ++f) {
    ASSERT_EQ(planet.renderGroundCubeFace(kFaces[f], n, &faces[f], nullptr), Status::kOk);
  }
  int pairs = 0;
  for (const auto& pixels : sharedPixels(n)) {
    const auto& [f0, i0] = pixels[0];
    for (const auto& [f, i] : pixels) {
      ++pairs;
      EXPECT_EQ(0, std::memcmp(faces[f].pixel(i % n, i / n), faces[f0].pixel(i0 % n, i0 / n), 3))
          << "face " << f << " (" << i % n << "," << i / n << ") and face " << f0;
    }
  }
  EXPECT_GT(pairs, 12 * (n - 2));
}

TEST(PublicPlanet, CubeFaceSamplesMeetAlongEdgesAndLieOnTheirDirections) {
  geoweave::Planet planet;
  std::string error;
  std::vector<std::vector<float>> face;
  EXPECT_EQ(planet.sampleCubeFace({Field::kGround}, kFaces[0], 3, &face, &error),
            Status::kUnusable);
  ASSERT_EQ(planet.generate(small(4), {}, nullptr), Status::kOk);
  EXPECT_EQ(planet.sampleCubeFace({Field::kGround}, kFaces[0], 0, &face, &error),
            Status::kUnusable);
  EXPECT_NE(error.find("pixel"), std::string::npos) << error;

  const int n = 9;
  const std::vector<Field> fields = {Field::kElevation, Field::kTemperature};
  std::vector<std::vector<float>> faces[6];
  for (int f = 0; f < 6; ++f) {
    ASSERT_EQ(planet.sampleCubeFace(fields, kFaces[f], n, &faces[f], &error), Status::kOk) << error;
    ASSERT_EQ(faces[f].size(), 2u);
    ASSERT_EQ(faces[f][1].size(), static_cast<size_t>(n * n));
  }
  for (const auto& pixels : sharedPixels(n)) {
    const auto& [f0, i0] = pixels[0];
    for (const auto& [f, i] : pixels) {
      for (size_t k = 0; k < fields.size(); ++k) EXPECT_EQ(faces[f][k][i], faces[f0][k][i0]);
    }
  }
  // Face centres against the places they look at, and a direction of any
  // length against both.
  const double centres[6][2] = {{0, 0}, {0, 180}, {0, 90}, {0, -90}, {90, 0}, {-90, 0}};
  const double axes[6][3] = {{3, 0, 0}, {-3, 0, 0}, {0, 3, 0}, {0, -3, 0}, {0, 0, 3}, {0, 0, -3}};
  const int centre = n / 2 + n * (n / 2);
  for (int f = 0; f < 6; ++f) {
    for (size_t k = 0; k < fields.size(); ++k) {
      const float atPlace = planet.sample(fields[k], centres[f][0], centres[f][1]);
      EXPECT_FLOAT_EQ(faces[f][k][centre], atPlace) << "face " << f;
      EXPECT_EQ(planet.sampleDirection(fields[k], axes[f][0], axes[f][1], axes[f][2]),
                faces[f][k][centre])
          << "face " << f;
    }
  }
  // Latitude 30 north, longitude 45 east, at twice the unit length.
  const double h = std::sqrt(0.375);  // cos 30 cos 45
  EXPECT_FLOAT_EQ(planet.sampleDirection(Field::kTemperature, 2 * h, 2 * h, 1),
                  planet.sample(Field::kTemperature, 30, 45));
  EXPECT_EQ(planet.sampleDirection(Field::kTemperature, 0, 0, 0), 0);
  // A ground face drawn keeps its points, and its ground heights, for
  // samples of that face alone.
  std::vector<std::vector<float>> grounds[2];
  for (int f : {0, 1}) {
    ASSERT_EQ(
        planet.sampleCubeFace({Field::kGround, Field::kGround}, kFaces[f], n, &grounds[f], &error),
        Status::kOk)
        << error;
  }
  geoweave::Image drawn;
  ASSERT_EQ(planet.renderGroundCubeFace(kFaces[0], n, &drawn, &error), Status::kOk) << error;
  for (int f : {0, 1}) {
    std::vector<std::vector<float>> again;
    ASSERT_EQ(planet.sampleCubeFace(fields, kFaces[f], n, &again, &error), Status::kOk) << error;
    EXPECT_EQ(again, faces[f]) << "face " << f;
    ASSERT_EQ(planet.sampleCubeFace({Field::kGround, Field::kGround}, kFaces[f], n, &again, &error),
              Status::kOk)
        << error;
    EXPECT_EQ(again, grounds[f]) << "face " << f;
  }
}

TEST(PublicPlanet, BadSettingsAndHugeGridsAreRefusedWithAReason) {
  geoweave::Planet planet;
  std::string error;
  geoweave::Settings s = small(1);
  s.turns = 0;
  EXPECT_EQ(planet.generate(s, {}, &error), Status::kInvalidSettings);
  EXPECT_NE(error.find("turns"), std::string::npos) << error;
  s = small(1);
  s.width = 1 << 30;
  EXPECT_EQ(planet.generate(s, {}, &error), Status::kGridTooLarge);
  EXPECT_NE(error.find("cannot be allocated"), std::string::npos) << error;
  EXPECT_FALSE(planet.generated());
}

// Storage the standard containers cannot get comes back as kOutOfMemory
// instead of an exception: a map of INT_MAX x INT_MAX values is more than any
// vector may hold, and the planet stays usable afterwards.
TEST(PublicPlanet, StorageThatCannotBeHadIsReportedNotThrown) {
  geoweave::Planet planet;
  std::string error;
  ASSERT_EQ(planet.generate(small(3), {}, &error), Status::kOk) << error;
  const int huge = std::numeric_limits<int>::max();
  std::vector<std::vector<float>> maps;
  EXPECT_EQ(planet.sampleMaps({Field::kGround}, huge, huge, geoweave::MapLayout::kGeographic, &maps,
                              &error),
            Status::kOutOfMemory);
  EXPECT_EQ(error, "out of memory");
  EXPECT_EQ(
      planet.sampleCubeFace({Field::kGround}, geoweave::CubeFace::kPositiveX, huge, &maps, &error),
      Status::kOutOfMemory);
  ASSERT_EQ(
      planet.sampleMaps({Field::kGround}, 4, 2, geoweave::MapLayout::kGeographic, &maps, &error),
      Status::kOk);
  EXPECT_EQ(maps[0].size(), 8u);
}

}  // namespace
}  // namespace geoweave
