#include "export/layer_keys.h"

#include <algorithm>

#include "render/colors.h"

namespace geoweave::detail {

namespace {

struct Colour {
  uint8_t red, green, blue;
};

ColourStop stop(double value, Colour c) {
  return {static_cast<float>(value), c.red, c.green, c.blue};
}

// Stops at the given fractions of [low, high].
std::vector<ColourStop> spread(double low, double high, const std::vector<double>& fractions,
                               const std::vector<Colour>& colours) {
  std::vector<ColourStop> stops;
  for (size_t i = 0; i < colours.size(); ++i) {
    stops.push_back(stop(low + (high - low) * fractions[i], colours[i]));
  }
  return stops;
}

std::vector<ColourStop> evenly(double low, double high, const std::vector<Colour>& colours) {
  std::vector<double> fractions;
  for (size_t i = 0; i < colours.size(); ++i) {
    fractions.push_back(colours.size() == 1 ? 0.0 : static_cast<double>(i) / (colours.size() - 1));
  }
  return spread(low, high, fractions, colours);
}

// Squares of even steps: most of a skewed field (rain, sediment) sits near 0,
// where these stops crowd.
const std::vector<double> kCrowdedLow = {0, 1.0 / 16, 1.0 / 4, 9.0 / 16, 1};

std::vector<ColourStop> heights(const geoweave::Statistics& s) {
  const double low = s.elevationMin;
  const double sea = std::max(s.seaLevel, s.elevationMin);
  const double high = std::max(s.elevationMax, s.seaLevel);
  std::vector<ColourStop> stops =
      spread(low, sea, {0, 0.5, 1}, {{8, 29, 88}, {34, 94, 168}, {158, 202, 225}});
  const std::vector<ColourStop> land = evenly(
      sea, high, {{38, 115, 54}, {166, 189, 96}, {214, 180, 110}, {140, 90, 58}, {250, 250, 250}});
  stops.insert(stops.end(), land.begin(), land.end());
  return stops;
}

}  // namespace

std::vector<ColourStop> layerColourStops(geoweave::Field field,
                                         const geoweave::Statistics& statistics,
                                         float largestValue) {
  const double largest = std::max(largestValue, 0.0f);
  switch (field) {
    case geoweave::Field::kElevation:
    case geoweave::Field::kGround:
    case geoweave::Field::kSurface:
      return heights(statistics);
    case geoweave::Field::kTemperature:
      return evenly(statistics.temperatureMin, statistics.temperatureMax,
                    {{49, 54, 149},
                     {69, 117, 180},
                     {171, 217, 233},
                     {255, 255, 191},
                     {253, 174, 97},
                     {215, 48, 39},
                     {165, 0, 38}});
    case geoweave::Field::kHumidity:
      return evenly(
          0, std::max(largest, 1.0),
          {{247, 251, 255}, {198, 219, 239}, {107, 174, 214}, {33, 113, 181}, {8, 48, 107}});
    case geoweave::Field::kRain:
      return spread(
          0, statistics.rainfall, kCrowdedLow,
          {{255, 255, 229}, {217, 240, 163}, {120, 198, 121}, {35, 132, 67}, {0, 69, 41}});
    case geoweave::Field::kWaterFlow:
      // Flow grows by powers of ten from a spring to the river mouths.
      return spread(0, statistics.waterFlowing, {0, 1e-4, 1e-3, 1e-2, 1e-1, 1},
                    {{255, 255, 255},
                     {198, 219, 239},
                     {107, 174, 214},
                     {33, 113, 181},
                     {8, 81, 156},
                     {8, 38, 90}});
    case geoweave::Field::kSediment:
      return spread(0, largest, kCrowdedLow,
                    {{255, 255, 229}, {254, 227, 145}, {254, 153, 41}, {204, 76, 2}, {102, 37, 6}});
    case geoweave::Field::kWaterDepth:
      return spread(
          0, largest, kCrowdedLow,
          {{247, 251, 255}, {198, 219, 239}, {107, 174, 214}, {33, 113, 181}, {8, 48, 107}});
    case geoweave::Field::kWater:
    case geoweave::Field::kBiome:
      // Classes, not quantities: their colours are Planet::colorKeys' and
      // biomeColor's, not a ramp.
      return {};
  }
  return {};
}

std::vector<CoverColour> groundCoverColours() {
  const auto entry = [](const char* label, Rgb c) {
    return CoverColour{label, c.red, c.green, c.blue};
  };
  // The sea keeps a fifth of the land colour's red and green under a blue of
  // 0.7 (see groundCover); this is its colour over olive ground.
  return {entry("Sea", rgbBytes(19, 19, 178)), entry("Ice and snow", kWhite),
          entry("Vegetation, 20 °C", kGreen),  entry("Vegetation, 5 or 40 °C", kDarkGreen),
          entry("Dry ground, 20 °C", kOlive),  entry("Dry ground, 5 °C", kBrown),
          entry("Desert, 50 °C", kYellow)};
}

}  // namespace geoweave::detail
