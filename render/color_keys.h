#pragma once

#include <functional>
#include <string>
#include <vector>

#include "climate/rivers.h"
#include "image/rgb.h"
#include "world/planet_statistics.h"

namespace geoweave::detail {

// One row of a colour key: the colour a picture's own rule (render/colors.h)
// gives along the key's values, the rest of the place held as the label
// says.
struct KeyRow {
  std::string label;
  std::function<Rgb(double value)> colorAt;
};

// The key to the colours of one map or panel of a planet: the values a bar
// spans, where it is labelled, and the values whose colours the planet's
// record lists.
struct ColorKeyRule {
  std::string name;       // e.g. "temperature"
  std::string title;      // what the colours show and where
  std::string unit;       // of the values, as the GeoTIFF layers name it ("degC")
  std::string unitLabel;  // the same for people ("°C")
  double from = 0;
  double to = 1;              // above from
  std::vector<double> ticks;  // labelled values from..to
  // The ticks, the ends and the values within from..to where the rule
  // bends: between two stops the colours change linearly or nearly so.
  std::vector<double> stops;
  std::vector<KeyRow> rows;
  // A second scale of the same values times secondFactor, in secondUnit
  // (the rain in mm a year); none when secondUnit is empty.
  std::string secondUnit;
  double secondFactor = 0;
};

// The keys of the ground-cover map and the sheet's panels of a generated
// planet, in the order ground cover, temperature, humidity, elevation, rain,
// sediment. Each row calls the very colour rule the maps are drawn with,
// reading the run's statistics and rivers, which must outlive the keys.
std::vector<ColorKeyRule> colorKeyRules(const PlanetStatistics& p, const RiverNetwork& rivers);

// Round values from `from` to `to` a step of 1, 2 or 5 times a power of ten
// apart, at most maxCount of them (at least the two ends' neighbours when
// the range is tiny). Empty for a range that is empty or not finite.
std::vector<double> niceTicks(double from, double to, int maxCount);

}  // namespace geoweave::detail
