#include "export/class_layers.h"

#include <cstdint>
#include <utility>

#include "export/banded_samples.h"
#include "export/geotiff_writer.h"
#include "export/task_batch.h"
#include "image/atomic_file.h"

namespace geoweave::detail {

namespace {

using geoweave::Biome;

std::string xmlText(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += c;
    }
  }
  return out;
}

// GDAL keeps category names beside a GeoTIFF, in its auxiliary file: the
// names of values 0, 1, ... in order.
std::string categoriesXml() {
  std::string xml = "<PAMDataset>\n  <PAMRasterBand band=\"1\">\n    <CategoryNames>\n";
  for (int c = 0; c < geoweave::kBiomeCount; ++c) {
    xml +=
        "      <Category>" + xmlText(geoweave::biomeName(static_cast<Biome>(c))) + "</Category>\n";
  }
  return xml + "    </CategoryNames>\n  </PAMRasterBand>\n</PAMDataset>\n";
}

}  // namespace

const std::vector<ClassLayer>& classLayers() {
  static const std::vector<ClassLayer> all = {
      {"land.tif", "land: 1 land, 0 water (water as ground.png and mask.png draw it)"},
      {"biome.tif", "biome: the class number (names in the categories and CLASS_n)"},
  };
  return all;
}

geoweave::Status writeClassLayers(const geoweave::Planet& planet, int width, int height,
                                  const std::string& dir, std::vector<FileOutcome>* outcomes,
                                  std::string* error) {
  GeoTiffBand landBand;
  landBand.name = classLayers()[0].band;
  GeoTiffBand biomeBand;
  biomeBand.name = classLayers()[1].band;
  GeoTiffPalette palette;
  for (int c = 0; c < geoweave::kBiomeCount; ++c) {
    const Biome biome = static_cast<Biome>(c);
    const geoweave::Color color = geoweave::biomeColor(biome);
    palette.push_back({color.red, color.green, color.blue});
    biomeBand.items.emplace_back("CLASS_" + std::to_string(c), geoweave::biomeName(biome));
  }
  std::vector<FileOutcome> results(3);
  results[0].name = std::string("layers/") + classLayers()[0].name;
  results[1].name = std::string("layers/") + classLayers()[1].name;
  results[2].name = results[1].name + ".aux.xml";
  std::vector<std::string> paths;
  for (const FileOutcome& result : results) paths.push_back(pathIn(dir, result.name));
  // Unfinished files leave nothing behind, whatever returns early.
  GeoTiffRows files[2];
  files[0].start(paths[0].c_str(), width, height, true, landBand);
  files[1].start(paths[1].c_str(), width, height, true, biomeBand, palette);
  std::vector<uint8_t> land;
  std::vector<uint8_t> biomes;
  const auto writeBand = [&](int, int rows, const std::vector<std::vector<float>>& samples) {
    const size_t cells = samples[0].size();
    land.resize(cells);
    biomes.resize(cells);
    for (size_t i = 0; i < cells; ++i) {
      land[i] = samples[0][i] != 0 ? 0 : 1;
      biomes[i] = static_cast<uint8_t>(samples[1][i]);
    }
    // The two compress side by side.
    TaskBatch batch;
    if (files[0].ok()) batch.start([&] { files[0].addRows(land.data(), rows); });
    files[1].addRows(biomes.data(), rows);
  };
  const geoweave::Status sampled =
      sampleInBands(planet, {geoweave::Field::kWater, geoweave::Field::kBiome}, width, height,
                    geoweave::MapLayout::kGeographic, geoTiffBandRows(width), writeBand, error);
  if (sampled != geoweave::Status::kOk) return sampled;
  {
    TaskBatch batch;
    batch.start([&] { results[0].written = files[0].finish(); });
    results[1].written = files[1].finish();
  }
  for (int i = 0; i < 2; ++i) results[i].error = files[i].error();
  results[2].written = writeWholeFile(paths[2].c_str(), categoriesXml(), &results[2].error);
  *outcomes = std::move(results);
  return geoweave::Status::kOk;
}

}  // namespace geoweave::detail
