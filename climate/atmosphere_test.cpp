#include "climate/atmosphere.h"

#include <gtest/gtest.h>

#include "testing/test_world.h"

namespace geoweave::detail {

namespace {

// Every tile but one is cut off from its neighbours and holds air that is
// already full, so it neither draws on the reserve nor rains: the pass then
// shows the effect of that one tile alone.
struct OneTile : climate_test::TestWorld {
  const TileCoord tile{0, 1, 1};

  OneTile() {
    isolateAllBut(tile);
    forEach([](Tile& t) { t.humidity = 1; });
  }

  void setNeighborElevation(float e) {
    for (int i = 0; i < neighborCount(tile); ++i) {
      edit(neighbor(tile, i), [e](Tile& t) { t.elevation = e; });
    }
  }
  // The moisture the tile sent on, and the share of it that moves on at all.
  double sent() const {
    double sum = 0;
    for (int i = 0; i < neighborCount(tile); ++i) sum += at(neighbor(tile, i)).humidityInflow;
    return sum;
  }
  double fractionSum() const {
    double sum = 0;
    for (int i = 0; i < neighborCount(tile); ++i) sum += moveFraction(tile, i);
    return sum;
  }
  float run() { return atmospherePass(planet, settings, statistics, climate); }
};

}  // namespace

TEST(Atmosphere, DryAirDrawsOnTheReserveUpToTheLimit) {
  OneTile world;
  world.edit(world.tile, [](Tile& t) {
    t.humidity = 0.1f;
    t.waterFlow = 0.7f;
  });
  world.run();
  EXPECT_EQ(world.climate.waterReserve, -0.02f);
  EXPECT_NEAR(world.sent(), 0.12 * world.fractionSum(), 1e-7);
  EXPECT_EQ(world.at(world.tile).humidity, 0.0f);
  EXPECT_EQ(world.at(world.tile).waterFlow, 0.0f);
  EXPECT_EQ(world.at(world.tile).rain, 0.0f);

  OneTile nearlyFull;
  nearlyFull.edit(nearlyFull.tile, [](Tile& t) { t.humidity = 0.99f; });
  nearlyFull.run();
  EXPECT_EQ(nearlyFull.climate.waterReserve, static_cast<float>(static_cast<double>(0.99f) - 1.0));

  OneTile full;
  full.run();
  EXPECT_EQ(full.climate.waterReserve, 0.0f);
  EXPECT_NEAR(full.sent(), full.fractionSum(), 1e-6);
}

TEST(Atmosphere, WarmSeaEvaporatesWithTemperature) {
  for (const float temperature : {20.0f, 0.0f, -3.0f}) {
    SCOPED_TRACE(temperature);
    OneTile world;
    world.edit(world.tile, [temperature](Tile& t) {
      t.humidity = 0.5f;
      t.waterDepth = 0.01f;
      t.temperature = temperature;
    });
    world.run();
    const double e = temperature > 0 ? 0.05 : 0.0;
    EXPECT_NEAR(world.at(world.tile).waterDepth, 0.01 - e * 1e-4, 2e-9);
    EXPECT_NEAR(world.sent(), (0.52 + e) * world.fractionSum(), 1e-6);
    EXPECT_EQ(world.climate.waterReserve, -0.02f);
  }
}

TEST(Atmosphere, EvaporationNeverTakesMoreThanTheTileHolds) {
  // 0.0025 x 30000 = 75 units, but 0.007 of water holds only 70. The reserve
  // is repaid 69.5 of them (not 74.5) and the tile runs dry.
  OneTile world;
  world.climate.waterReserve = -100;
  world.edit(world.tile, [](Tile& t) {
    t.humidity = 0.5f;
    t.waterDepth = 0.007f;
    t.temperature = 30000;
  });
  world.run();
  EXPECT_NEAR(world.climate.waterReserve, -30.5, 1e-4);
  EXPECT_GE(world.at(world.tile).waterDepth, 0.0f);
  EXPECT_NEAR(world.at(world.tile).waterDepth, 0.0, 1e-9);
  EXPECT_NEAR(world.sent(), world.fractionSum(), 1e-6);
}

TEST(Atmosphere, SaturatedAirRepaysTheReserveButNeverBeyondZero) {
  for (const float reserve : {-0.01f, 0.0f}) {
    SCOPED_TRACE(reserve);
    OneTile world;
    world.climate.waterReserve = reserve;
    world.edit(world.tile, [](Tile& t) {
      t.humidity = 0.98f;
      t.waterDepth = 0.01f;
      t.temperature = 20;
    });
    world.run();
    // Repaid 0.01 from the water, then the air fills up with 0.02 more.
    const double taken = reserve < 0 ? 0.03 : 0.02;
    EXPECT_EQ(world.climate.waterReserve, 0.0f);
    EXPECT_NEAR(world.at(world.tile).waterDepth, 0.01 - taken * 1e-4, 2e-9);
    EXPECT_NEAR(world.sent(), world.fractionSum(), 1e-6);
  }
}

TEST(Atmosphere, RainFallsWhereTheSurroundingsRise) {
  struct Case {
    float neighborElevation;
    double rain;
  };
  // Surroundings below the sea hold everything, at the highest ground nothing.
  for (const Case c : {Case{-1.0f, 0.0}, Case{2.0f, 0.32}, Case{0.5f, 0.30}}) {
    SCOPED_TRACE(c.neighborElevation);
    OneTile world;
    world.setNeighborElevation(c.neighborElevation);
    world.edit(world.tile, [&c](Tile& t) {
      t.humidity = c.neighborElevation == 0.5f ? 0.78f : 0.3f;
      t.rain = 5;  // last turn's rain is replaced
    });
    const float largest = world.run();
    const float rain = world.at(world.tile).rain;
    EXPECT_NEAR(rain, c.rain, 2e-6);
    EXPECT_EQ(largest, rain);
    const double humidity = c.neighborElevation == 0.5f ? 0.8 : 0.32;
    EXPECT_NEAR(world.sent(), (humidity - rain) * world.fractionSum(), 1e-6);
  }
}

TEST(Atmosphere, InflowAboveOneIsCutOffAndChargedToTheReserve) {
  OneTile world;
  const int count = world.neighborCount(world.tile);
  const MoveFractions shares = world.planet.fractionsAt(world.tile);
  int widest = 0;
  for (int i = 1; i < count; ++i) {
    if (shares.share[i] > shares.share[widest]) widest = i;
  }
  const float share = shares.share[widest];
  world.edit(world.neighbor(world.tile, widest),
             [share](Tile& t) { t.humidityInflow = 1.0f - share * 0.5f; });
  world.run();
  for (int i = 0; i < count; ++i) {
    const float inflow = world.at(world.neighbor(world.tile, i)).humidityInflow;
    EXPECT_EQ(inflow, i == widest ? 1.0f : shares.share[i]) << "neighbour " << i;
  }
  EXPECT_NEAR(world.climate.waterReserve, -0.5 * share, 1e-7);
}

TEST(Atmosphere, WholePassKeepsCopiesEqualAndFieldsInRange) {
  climate_test::TestWorld world(16);
  world.statistics.seaLevel = 0.3f;
  int n = 0;
  world.forEach([&n](Tile& t) {
    const int k = n++;
    t.elevation = static_cast<float>((k * 37) % 17) / 17.0f;
    t.waterDepth = t.elevation < 0.3f ? 0.3f - t.elevation : 0.0f;
    t.temperature = static_cast<float>((k * 13) % 50) - 20.0f;
    t.humidity = (k % 3) == 0 ? 0.5f : 0.1f;
    t.waterFlow = 0.001f;
  });
  const float largest =
      atmospherePass(world.planet, world.settings, world.statistics, world.climate);
  EXPECT_EQ(climate_test::mismatchedCopies(world.planet), 0);
  float highest = 0;
  world.forEach([&highest](Tile& t) {
    EXPECT_EQ(t.humidity, 0.0f);
    EXPECT_EQ(t.waterFlow, 0.0f);
    EXPECT_GE(t.rain, 0.0f);
    EXPECT_GE(t.waterDepth, 0.0f);
    EXPECT_GE(t.humidityInflow, 0.0f);
    EXPECT_LE(t.humidityInflow, 1.0f);
    if (t.rain > highest) highest = t.rain;
  });
  EXPECT_GT(largest, 0.0f);
  EXPECT_EQ(largest, highest);
  EXPECT_LE(world.climate.waterReserve, 0.0f);
}

}  // namespace geoweave::detail
