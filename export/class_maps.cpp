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

void ClassTally::addRows(int width, int height, int firstRow, int rows, const float* water,
                         const float* biome, uint8_t* mask, uint8_t* rgb) {
  for (int y = 0; y < rows; ++y) {
    const double weight = rowWeight(firstRow + y, height);
    for (int x = 0; x < width; ++x) {
      const size_t i = static_cast<size_t>(y) * width + x;
      const bool isWater = water[i] != 0;
      const int c = classOf(biome[i]);
      const geoweave::Color color = geoweave::biomeColor(static_cast<Biome>(c));
      mask[i] = isWater ? kWater : kLand;
      rgb[3 * i] = color.red;
      rgb[3 * i + 1] = color.green;
      rgb[3 * i + 2] = color.blue;
      counted_.waterPixels += isWater;
      ++counted_.biomePixels[c];
      counted_.biomeArea[c] += weight;
    }
    totalWeight_ += weight * width;
  }
  counted_.pixels += static_cast<int64_t>(width) * rows;
}

ClassCounts ClassTally::counts(int width, int height) const {
  ClassCounts out = counted_;
  for (double& area : out.biomeArea) area = totalWeight_ > 0 ? area / totalWeight_ : 0;
  out.counted = out.pixels == static_cast<int64_t>(width) * height;
  return out;
}

geoweave::Status startLegend(const geoweave::Planet& planet, const std::string& dir,
                             PngBatch* batch, PngTask* task, geoweave::Image* image,
                             std::string* error) {
  task->path = pathIn(dir, "legend.png");
  const geoweave::Status drawn = planet.renderLegend(image, error);
  if (drawn != geoweave::Status::kOk) return drawn;
  task->rgb = image;
  batch->start(task);
  return geoweave::Status::kOk;
}

geoweave::Status writeClassMaps(const geoweave::Planet& planet, int width, int height,
                                const std::string& dir, std::vector<FileOutcome>* outcomes,
                                ClassCounts* counts, std::string* error) {
  PngBatch batch;
  PngTask legend;
  geoweave::Image legendImage;
  const geoweave::Status drawn = startLegend(planet, dir, &batch, &legend, &legendImage, error);
  if (drawn != geoweave::Status::kOk) return drawn;

  Stream mask;
  Stream biomes;
  const std::string maskPath = pathIn(dir, "mask.png");
  const std::string biomesPath = pathIn(dir, "biomes.png");
  mask.ok = mask.png.open(maskPath.c_str(), width, height, PngKind::kGray8, &mask.error);
  biomes.ok = biomes.png.open(biomesPath.c_str(), width, height, PngKind::kRgb8, &biomes.error);
  ClassTally tally;
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
    tally.addRows(width, height, row, rows, samples[0].data(), samples[1].data(), maskRows.data(),
                  biomeRows.data());
    mask.write(maskRows.data(), rows);
    biomes.write(biomeRows.data(), rows);
  }
  batch.wait();
  outcomes->push_back(mask.finish("mask.png"));
  outcomes->push_back(biomes.finish("biomes.png"));
  outcomes->push_back(FileOutcome{"legend.png", legend.written, legend.error});
  *counts = tally.counts(width, height);
  return geoweave::Status::kOk;
}

}  // namespace geoweave::detail
