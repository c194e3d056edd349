#include "geoweave/planet.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

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

}  // namespace
