#include "export/class_maps.h"

#include <algorithm>
#include <cmath>

#include "export/banded_maps.h"
#include "export/png_batch.h"
#include "export/png_stream.h"

namespace geoweave::detail {

namespace {

using geoweave::Biome;
using geoweave::Field;

constexpr uint8_t kLand = 255;
constexpr uint8_t kWater = 0;
constexpr double kDegree = 3.14159265358979323846 / 180;

// A map file streamed a band at a time; it stays usable until its first
// failure, which is kept to report.
struct Stream {
  PngStream png;
  bool ok = false;
  std::string error;

  void write(const void* rows, int count) {
    if (ok) ok = png.writeRows(rows, count, &error);
  }
  FileOutcome finish(const char* name) {
    if (ok) ok = png.finish(&error);
    return FileOutcome{name, ok, ok ? std::string() : error};
  }
};

// The class number a sample holds, kept within the classes.
int classOf(float sample) {
  const int c = static_cast<int>(sample);
  return std::min(std::max(c, 0), geoweave::kBiomeCount - 1);
}

// How much of the sphere a pixel of row y stands for, as its latitude's
// cosine (the rows lie at 90 - 180 y / (height - 1) degrees).
double rowWeight(int y, int height) {
  if (height < 2) return 1;
  return std::max(0.0, std::cos((90.0 - 180.0 * y / (height - 1)) * kDegree));
}

}  // namespace

geoweave::Status writeClassMaps(const geoweave::Planet& planet, int width, int height,
                                const std::string& dir, std::vector<FileOutcome>* outcomes,
                                ClassCounts* counts, std::string* error) {
  PngTask legend;
  legend.path = pathIn(dir, "legend.png");
  geoweave::Image legendImage;
  const geoweave::Status drawn = planet.renderLegend(&legendImage, error);
  if (drawn != geoweave::Status::kOk) return drawn;
  legend.rgb = &legendImage;
  PngBatch batch;
  batch.start(&legend);

  Stream mask;
  Stream biomes;
  const std::string maskPath = pathIn(dir, "mask.png");
  const std::string biomesPath = pathIn(dir, "biomes.png");
  mask.ok = mask.png.open(maskPath.c_str(), width, height, PngKind::kGray8, &mask.error);
  biomes.ok = biomes.png.open(biomesPath.c_str(), width, height, PngKind::kRgb8, &biomes.error);
  ClassCounts counted;
  double totalWeight = 0;
  // Small maps in one band: its pixels' places are those the maps just
  // drawn have found.
  const int band =
      static_cast<long long>(width) * height > kBandedMapPixels ? bandRows(width) : height;
  std::vector<std::vector<float>> samples;
  std::vector<uint8_t> maskRows;
  std::vector<uint8_t> biomeRows;
  for (int row = 0; (mask.ok || biomes.ok) && row < height; row += band) {
    const int rows = std::min(band, height - row);
    const geoweave::Status sampled =
        planet.sampleMapRows({Field::kWater, Field::kBiome}, width, height,
                             geoweave::MapLayout::kFrame, row, rows, &samples, error);
    if (sampled != geoweave::Status::kOk) {
      batch.wait();
      outcomes->push_back(FileOutcome{"legend.png", legend.written, legend.error});
      return sampled;
    }
    const size_t pixels = static_cast<size_t>(width) * rows;
    maskRows.resize(pixels);
    biomeRows.resize(pixels * 3);
    for (int y = 0; y < rows; ++y) {
      const double weight = rowWeight(row + y, height);
      for (int x = 0; x < width; ++x) {
        const size_t i = static_cast<size_t>(y) * width + x;
        const bool water = samples[0][i] != 0;
        const int biome = classOf(samples[1][i]);
        const geoweave::Color color = geoweave::biomeColor(static_cast<Biome>(biome));
        maskRows[i] = water ? kWater : kLand;
        biomeRows[3 * i] = color.red;
        biomeRows[3 * i + 1] = color.green;
        biomeRows[3 * i + 2] = color.blue;
        counted.waterPixels += water;
        ++counted.biomePixels[biome];
        counted.biomeArea[biome] += weight;
      }
      totalWeight += weight * width;
    }
    counted.pixels += static_cast<int64_t>(pixels);
    mask.write(maskRows.data(), rows);
    biomes.write(biomeRows.data(), rows);
  }
  for (double& area : counted.biomeArea) area = totalWeight > 0 ? area / totalWeight : 0;
  counted.counted = counted.pixels == static_cast<int64_t>(width) * height;
  batch.wait();
  outcomes->push_back(mask.finish("mask.png"));
  outcomes->push_back(biomes.finish("biomes.png"));
  outcomes->push_back(FileOutcome{"legend.png", legend.written, legend.error});
  *counts = counted;
  return geoweave::Status::kOk;
}

}  // namespace geoweave::detail
