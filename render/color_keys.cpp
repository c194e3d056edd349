#include "render/color_keys.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "climate/biome.h"
#include "render/colors.h"

namespace geoweave::detail {

namespace {

constexpr int kTickCount = 10;

// Standing water deep enough to be drawn as sea wherever it is.
constexpr float kDeepWater = 1;

// The ground cover's rule bends at these temperatures: ice on the sea
// (-15, -12.5), on land (-10, 5), dry ground and plants (5, 20, 25, 40, 50).
constexpr double kGroundBends[] = {-15, -12.5, -10, 5, 20, 25, 40, 50};

// A key spanning from..to, or from..from + 1 when the planet's range is
// empty (a flat planet, a planet without rain), so that every bar has a
// length.
ColorKeyRule keyOver(double from, double to) {
  ColorKeyRule key;
  key.from = from;
  key.to = to > from ? to : from + 1;
  key.ticks = niceTicks(key.from, key.to, kTickCount);
  key.stops = key.ticks;
  key.stops.push_back(key.from);
  key.stops.push_back(key.to);
  return key;
}

void addBends(ColorKeyRule& key, const double* bends, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    if (bends[i] > key.from && bends[i] < key.to) key.stops.push_back(bends[i]);
  }
}

void sortStops(ColorKeyRule& key) {
  std::sort(key.stops.begin(), key.stops.end());
  key.stops.erase(std::unique(key.stops.begin(), key.stops.end()), key.stops.end());
}

Tile seaTile() {
  Tile t;
  t.waterDepth = kDeepWater;
  return t;
}

ColorKeyRule groundKey(const PlanetStatistics& p, const RiverNetwork& rivers) {
  ColorKeyRule key = keyOver(p.temperatureMin, p.temperatureMax);
  key.name = "ground";
  key.title =
      "Ground cover by temperature (ground.png, sheet.png bottom left), before relief shading";
  key.unit = "degC";
  key.unitLabel = "°C";
  addBends(key, kGroundBends, sizeof kGroundBends / sizeof kGroundBends[0]);
  const auto cover = [&p, &rivers](Tile t) {
    return [&p, &rivers, t](double temperature) mutable {
      t.temperature = static_cast<float>(temperature);
      return groundCover(t, 0, p, rivers).color;
    };
  };
  Tile rainFed;
  rainFed.rain = p.rainfall;
  Tile river;
  river.waterFlow = rivers.majorFlowThreshold > 0 ? rivers.majorFlowThreshold : 1;
  key.rows = {{"sea", cover(seaTile())},
              {"dry land", cover(Tile())},
              {"rain >= 1/3 of the most", cover(rainFed)},
              {"major river", cover(river)}};
  return key;
}

ColorKeyRule temperatureKey(const PlanetStatistics& p) {
  ColorKeyRule key = keyOver(p.temperatureMin, p.temperatureMax);
  key.name = "temperature";
  key.title = "Temperature (sheet.png top left)";
  key.unit = "degC";
  key.unitLabel = "°C";
  key.rows = {{"everywhere", [&p](double temperature) {
                 Tile t;
                 t.temperature = static_cast<float>(temperature);
                 return temperaturePanelColor(t, p);
               }}};
  return key;
}

ColorKeyRule humidityKey() {
  ColorKeyRule key = keyOver(0, 1);
  key.name = "humidity";
  key.title = "Humidity, the moisture the air holds (sheet.png top right)";
  key.unit = "model moisture units";
  key.unitLabel = "moisture units";
  key.rows = {{"everywhere", [](double humidity) {
                 Tile t;
                 t.humidity = static_cast<float>(humidity);
                 return humidityPanelColor(t);
               }}};
  return key;
}

ColorKeyRule elevationKey(const PlanetStatistics& p) {
  ColorKeyRule key = keyOver(p.elevationMin, p.elevationMax);
  key.name = "elevation";
  key.title = "Bedrock elevation (sheet.png middle left)";
  key.unit = "planet height units";
  key.unitLabel = "height units";
  const float inverseRange = inverseElevationRange(p);
  const auto panel = [&p, inverseRange](Tile t) {
    return [&p, inverseRange, t](double elevation) mutable {
      t.elevation = static_cast<float>(elevation);
      return elevationPanelColor(t, p, inverseRange);
    };
  };
  key.rows = {{"land", panel(Tile())}, {"sea", panel(seaTile())}};
  return key;
}

ColorKeyRule rainKey(const PlanetStatistics& p) {
  ColorKeyRule key = keyOver(0, p.rainfall);
  key.name = "rain";
  key.title = "Rain of the last turn (sheet.png middle right)";
  key.unit = "model moisture units per turn";
  key.unitLabel = "moisture units per turn";
  if (p.rainfall > 0) {
    key.secondUnit = "mm a year (biomes)";
    key.secondFactor = annualRainMm(1, p.rainfall);
  }
  const auto panel = [&p](Tile t) {
    return [&p, t](double rain) mutable {
      t.rain = static_cast<float>(rain);
      return rainPanelColor(t, p);
    };
  };
  key.rows = {{"land", panel(Tile())}, {"sea", panel(seaTile())}};
  return key;
}

ColorKeyRule sedimentKey(const PlanetStatistics& p) {
  // Sediment never grows past the 0.05 a point starts with.
  ColorKeyRule key = keyOver(0, Tile().sediment);
  key.name = "sediment";
  key.title = "Sediment, loose ground on the bedrock (sheet.png bottom right)";
  key.unit = "planet height units";
  key.unitLabel = "height units";
  Tile lake = seaTile();
  lake.elevation = std::nextafter(p.seaLevel, std::numeric_limits<float>::infinity());
  const auto panel = [&p](Tile t) {
    return [&p, t](double sediment) mutable {
      t.sediment = static_cast<float>(sediment);
      return sedimentPanelColor(t, p);
    };
  };
  key.rows = {{"land and sea", panel(Tile())}, {"lake", panel(lake)}};
  return key;
}

}  // namespace

std::vector<double> niceTicks(double from, double to, int maxCount) {
  std::vector<double> ticks;
  if (!(to > from) || !std::isfinite(from) || !std::isfinite(to) || maxCount < 2) return ticks;
  const double rough = (to - from) / (maxCount - 1);
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  double step = power * 10;
  for (const double m : {1.0, 2.0, 5.0}) {
    if (power * m >= rough) {
      step = power * m;
      break;
    }
  }
  const double first = std::ceil(from / step);
  for (double k = first; k * step <= to; ++k) {
    // Whole multiples of the step, so that 0 is 0 and not a rounding's -1e-17.
    ticks.push_back(k == 0 ? 0.0 : k * step);
  }
  return ticks;
}

std::vector<ColorKeyRule> colorKeyRules(const PlanetStatistics& p, const RiverNetwork& rivers) {
  std::vector<ColorKeyRule> keys = {groundKey(p, rivers), temperatureKey(p), humidityKey(),
                                    elevationKey(p),      rainKey(p),        sedimentKey(p)};
  for (ColorKeyRule& key : keys) sortStops(key);
  return keys;
}

}  // namespace geoweave::detail
