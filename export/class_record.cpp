#include "export/class_record.h"

#include <cmath>

#include "climate/biome.h"
#include "climate/water_flow.h"
#include "export/class_layers.h"
#include "export/heightmap.h"

namespace geoweave::detail {

using json = nlohmann::ordered_json;

namespace {

double exact(float value) {
  return static_cast<double>(value);
}

// A height in height units and on height.png's scale.
json heightOf(float height, const geoweave::Statistics& stats) {
  return {{"height", exact(height)},
          {"heightmap", heightmapPosition(height, stats.elevationMin, stats.elevationMax)}};
}

// A band's end, or null where it is open.
json end(double value) {
  return std::isfinite(value) ? json(value) : json(nullptr);
}

json colorOf(const geoweave::Color& color) {
  return json::array({color.red, color.green, color.blue});
}

json oceanRecord(const geoweave::Planet& planet, const ClassCounts* counts) {
  const geoweave::Statistics stats = planet.statistics();
  const geoweave::Ocean ocean = planet.ocean();
  json record;
  record["surface"] = heightOf(ocean.surface, stats);
  record["waterLine"] = heightOf(ocean.waterLine, stats);
  record["leastDepth"] = exact(geoweave::kLeastSeaDepth);
  record["rule"] =
      "the sea's water stands at surface (the median over its grid points); the maps draw water "
      "where more than leastDepth stands, so ground (height.png) below waterLine is water in "
      "ground.png and mask.png and ground above it land, but for lakes, coast pixels that "
      "blend sea and land points, and water standing off the sea's level";
  record["gridPoints"] = {{"ocean", ocean.oceanPoints}, {"lake", ocean.lakePoints}};
  if (counts != nullptr && counts->counted) {
    record["mask"] = {{"file", "mask.png"},
                      {"land", 255},
                      {"water", 0},
                      {"landPixels", counts->pixels - counts->waterPixels},
                      {"waterPixels", counts->waterPixels}};
  }
  return record;
}

json bandsOf(BiomeClass biome) {
  json bands = json::array();
  if (biome == kBiomeOcean) {
    bands.push_back({{"temperatureAbove", kFreezingTemperature}, {"temperatureAtMost", nullptr}});
  } else if (biome == kBiomeSeaIce) {
    bands.push_back({{"temperatureAbove", nullptr}, {"temperatureAtMost", kFreezingTemperature}});
  }
  for (const BiomeRule& rule : kLandBiomeRules) {
    if (rule.biome != biome) continue;
    bands.push_back({{"temperatureAbove", end(rule.temperatureAbove)},
                     {"temperatureAtMost", end(rule.temperatureAtMost)},
                     {"rainFromMm", rule.rainFrom},
                     {"rainBelowMm", end(rule.rainBelow)}});
  }
  return bands;
}

const char* watersOf(BiomeClass biome) {
  switch (biome) {
    case kBiomeOcean:
    case kBiomeSeaIce:
      return "sea";
    case kBiomeLake:
      return "lake";
    default:
      return "land";
  }
}

json biomeRecord(const geoweave::Planet& planet, const ClassCounts* counts) {
  const geoweave::Statistics stats = planet.statistics();
  const bool counted = counts != nullptr && counts->counted && counts->pixels > 0;
  json record;
  record["scheme"] =
      "Whittaker's biome diagram (annual temperature against annual precipitation), its "
      "boundaries simplified to the bands below; frozen ground, the sea and lakes apart";
  record["source"] =
      "R. H. Whittaker, Communities and Ecosystems, 2nd ed., Macmillan, New York, 1975; as "
      "redrawn in R. E. Ricklefs, The Economy of Nature, W. H. Freeman";
  record["temperature"] = "the place's temperature (degC), taken as its annual mean";
  record["rain"] = {
      {"mmPerYear", "4500 * rain / statistics.rainfall"},
      {"mmPerModelUnit", annualRainMm(1, stats.rainfall)},
      {"why",
       "the model's turn has no length in time, so its rain has no absolute scale; the maps "
       "colour rain relative to the planet's wettest place, and so does this: the wettest "
       "place gets the top of Whittaker's precipitation axis (4500 mm), the rest in proportion"},
  };
  record["freezing"] = kFreezingTemperature;
  json classes = json::array();
  for (int c = 0; c < kBiomeClassCount; ++c) {
    const auto biome = c;
    const auto pub = static_cast<geoweave::Biome>(c);
    json entry = {{"value", c},
                  {"name", geoweave::biomeName(pub)},
                  {"color", colorOf(geoweave::biomeColor(pub))},
                  {"waters", watersOf(biome)},
                  {"rule", geoweave::biomeRule(pub)},
                  {"bands", bandsOf(biome)}};
    if (counted) {
      entry["pixels"] = counts->biomePixels[c];
      entry["pixelShare"] =
          static_cast<double>(counts->biomePixels[c]) / static_cast<double>(counts->pixels);
      entry["areaShare"] = counts->biomeArea[c];
    }
    classes.push_back(entry);
  }
  record["classes"] = classes;
  return record;
}

json keysRecord(const geoweave::Planet& planet) {
  json keys = json::array();
  for (const geoweave::ColorKey& key : planet.colorKeys()) {
    json rows = json::array();
    for (const geoweave::ColorKeyRow& row : key.rows) {
      json stops = json::array();
      for (const geoweave::ColorStop& stop : row.stops) {
        stops.push_back({{"value", stop.value}, {"color", colorOf(stop.color)}});
      }
      rows.push_back({{"label", row.label}, {"stops", stops}});
    }
    keys.push_back({{"name", key.name}, {"title", key.title}, {"unit", key.unit}, {"rows", rows}});
  }
  return keys;
}

}  // namespace

void addClassPixelRules(json& pixels, const json& frame, const json& geographic, bool geotiff) {
  json mask = frame;
  mask["values"] = "255 land, 0 water (8-bit grey)";
  pixels["mask.png"] = mask;
  json biomes = frame;
  biomes["values"] = "the colour of the place's biome class (see biomes.classes)";
  pixels["biomes.png"] = biomes;
  if (!geotiff) return;
  for (const ClassLayer& layer : classLayers()) {
    json rule = geographic;
    rule["band"] = layer.band;
    rule["unit"] = "";
    rule["overviews"] =
        "internal, each half the one above ((n + 1) / 2 cells a side) down to one 256 x 256 "
        "tile, a cell the value of the top left of the 2 x 2 cells under it";
    pixels[std::string("layers/") + layer.name] = rule;
  }
}

void addClassRecord(json& record, const geoweave::Planet& planet, const ClassCounts* counts) {
  record["ocean"] = oceanRecord(planet, counts);
  record["biomes"] = biomeRecord(planet, counts);
  record["keys"] = keysRecord(planet);
}

}  // namespace geoweave::detail
