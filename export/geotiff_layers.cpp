#include "export/geotiff_layers.h"

#include <new>
#include <utility>

#include "export/geotiff_writer.h"
#include "export/output_files.h"
#include "export/river_raster.h"
#include "export/task_batch.h"

namespace geoweave::detail {

using geoweave::Field;
using geoweave::Rivers;

namespace {

// Heights and depths share the planet's own height unit (sea level lies
// between elevationMin and elevationMax; it is not a metre). Rain and
// humidity are the model's moisture: the air of a tile holds at most 1, and
// a rain of 1 adds 0.0001 height units of standing water.
constexpr char kHeightUnit[] = "planet height units";

}  // namespace

const std::vector<Layer>& layers() {
  static const std::vector<Layer> all = {
      {"elevation", Field::kElevation, "elevation: bedrock height", kHeightUnit},
      {"ground", Field::kGround, "ground: elevation + sediment", kHeightUnit},
      {"surface", Field::kSurface, "surface: ground + standing water", kHeightUnit},
      {"water-depth", Field::kWaterDepth, "water depth: standing water", kHeightUnit},
      {"temperature", Field::kTemperature, "temperature", "degC"},
      {"rain", Field::kRain, "rain of the last turn", "model moisture units per turn"},
      {"humidity", Field::kHumidity, "humidity: moisture the air holds (at most 1)",
       "model moisture units"},
      {"sediment", Field::kSediment, "sediment: loose ground on the bedrock", kHeightUnit},
      {"water-flow", Field::kWaterFlow, "water flow: water passing through in the last turn",
       "planet height units per turn"},
      {"rivers", Field::kWaterFlow, "rivers: water flow a river carries, 0 elsewhere",
       "planet height units per turn", true},
  };
  return all;
}

std::vector<float> riverLayer(const geoweave::Rivers& rivers, int width, int height) {
  std::vector<float> values(static_cast<size_t>(width) * height, 0.0f);
  riverFlowCells(rivers, width, height, values.data());
  return values;
}

geoweave::Status writeLayers(const geoweave::Planet& planet, int width, int height,
                             const std::string& dir, std::vector<FileOutcome>* outcomes,
                             std::string* error) {
  const std::vector<Layer>& all = layers();
  std::vector<Field> fields;
  for (const Layer& layer : all) {
    if (!layer.alongRivers) fields.push_back(layer.field);
  }
  std::vector<std::vector<float>> maps;
  const geoweave::Status sampled =
      planet.sampleMaps(fields, width, height, geoweave::MapLayout::kGeographic, &maps, error);
  if (sampled != geoweave::Status::kOk) return sampled;
  Rivers rivers;
  const geoweave::Status got = planet.rivers(&rivers, error);
  if (got != geoweave::Status::kOk) return got;
  // The values of each layer, in the order of layers().
  std::vector<const float*> values;
  std::vector<float> alongRivers;
  for (size_t i = 0, sample = 0; i < all.size(); ++i) {
    if (all[i].alongRivers) {
      alongRivers = riverLayer(rivers, width, height);
      values.push_back(alongRivers.data());
    } else {
      values.push_back(maps[sample++].data());
    }
  }
  std::vector<FileOutcome> results(all.size());
  std::vector<std::string> paths(all.size());
  {
    // Each file's DEFLATE runs on one core; side by side they take the
    // time of the slowest rather than of all nine together.
    TaskBatch batch;
    for (size_t i = 0; i < all.size(); ++i) {
      results[i].name = std::string("layers/") + all[i].name + ".tif";
      paths[i] = pathIn(dir, results[i].name);
      batch.start([&, i] {
        // Nothing may leave the thread: memory running out for the band's
        // texts leaves the error empty, which tells just that.
        try {
          GeoTiffBand band;
          band.name = all[i].band;
          band.unit = all[i].unit;
          results[i].written = writeGeoTiffFloat(paths[i].c_str(), width, height, values[i], band,
                                                 &results[i].error);
        } catch (const std::bad_alloc&) {
          results[i].written = false;
        }
      });
    }
  }
  *outcomes = std::move(results);
  return geoweave::Status::kOk;
}

}  // namespace geoweave::detail
