#include "export/class_layers.h"

#include <cstdint>
#include <utility>

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

void ClassLayerFiles::start(const std::string& dir, int width, int height) {
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
  dir_ = dir;
  const auto pathOf = [&dir](int i) {
    return pathIn(dir, std::string("layers/") + classLayers()[static_cast<size_t>(i)].name);
  };
  files_[0].start(pathOf(0).c_str(), width, height, true, landBand);
  files_[1].start(pathOf(1).c_str(), width, height, true, biomeBand, palette);
}

void ClassLayerFiles::addRows(const std::vector<float>& water, const std::vector<float>& biome,
                              int rows, TaskBatch& batch) {
  const size_t cells = water.size();
  land_.resize(cells);
  biomes_.resize(cells);
  for (size_t i = 0; i < cells; ++i) {
    land_[i] = water[i] != 0 ? 0 : 1;
    biomes_[i] = static_cast<uint8_t>(biome[i]);
  }
  if (files_[0].ok()) batch.start([this, rows] { files_[0].addRows(land_.data(), rows); });
  if (files_[1].ok()) batch.start([this, rows] { files_[1].addRows(biomes_.data(), rows); });
}

std::vector<FileOutcome> ClassLayerFiles::finish() {
  std::vector<FileOutcome> results(3);
  results[0].name = std::string("layers/") + classLayers()[0].name;
  results[1].name = std::string("layers/") + classLayers()[1].name;
  results[2].name = results[1].name + ".aux.xml";
  {
    TaskBatch batch;
    batch.start([&] { results[0].written = files_[0].finish(); });
    results[1].written = files_[1].finish();
  }
  for (int i = 0; i < 2; ++i) results[i].error = files_[i].error();
  results[2].written =
      writeWholeFile(pathIn(dir_, results[2].name).c_str(), categoriesXml(), &results[2].error);
  return results;
}

}  // namespace geoweave::detail
