#include "export/geotiff_layers.h"

#include <new>
#include <utility>

#include "export/banded_samples.h"
#include "export/class_layers.h"
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

geoweave::Status writeLayers(const geoweave::Planet& planet, int width, int height,
                             const std::string& dir, std::vector<FileOutcome>* outcomes,
                             std::string* error) {
  const std::vector<Layer>& all = layers();
  std::vector<Field> fields;
  // Which of the sampled fields each layer takes (none for rivers).
  std::vector<size_t> fieldOf(all.size(), 0);
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i].alongRivers) continue;
    fieldOf[i] = fields.size();
    fields.push_back(all[i].field);
  }
  // The class layers' fields come from the same pass, after the layers'.
  const size_t waterField = fields.size();
  fields.push_back(Field::kWater);
  fields.push_back(Field::kBiome);
  Rivers rivers;
  const geoweave::Status got = planet.rivers(&rivers, error);
  if (got != geoweave::Status::kOk) return got;
  std::vector<FileOutcome> results(all.size());
  // Unfinished files leave nothing behind, whatever returns early.
  std::vector<GeoTiffRows> files(all.size());
  for (size_t i = 0; i < all.size(); ++i) {
    results[i].name = std::string("layers/") + all[i].name + ".tif";
    GeoTiffBand band;
    band.name = all[i].band;
    band.unit = all[i].unit;
    files[i].start(pathIn(dir, results[i].name).c_str(), width, height, false, band);
  }
  ClassLayerFiles classes;
  classes.start(dir, width, height);
  std::vector<float> alongRivers;
  const auto writeBand = [&](int firstRow, int rows,
                             const std::vector<std::vector<float>>& samples) {
    alongRivers.assign(static_cast<size_t>(width) * rows, 0.0f);
    riverFlowCellRows(rivers, width, height, firstRow, rows, alongRivers.data());
    // Each file's DEFLATE runs on one core; side by side they take the
    // time of the slowest rather than of all ten together.
    TaskBatch batch;
    for (size_t i = 0; i < all.size(); ++i) {
      if (!files[i].ok()) continue;
      const float* values = all[i].alongRivers ? alongRivers.data() : samples[fieldOf[i]].data();
      batch.start([&files, i, values, rows] { files[i].addRows(values, rows); });
    }
    classes.addRows(samples[waterField], samples[waterField + 1], rows, batch);
  };
  const geoweave::Status sampled =
      sampleInBands(planet, fields, width, height, geoweave::MapLayout::kGeographic,
                    geoTiffBandRows(width), writeBand, error);
  if (sampled != geoweave::Status::kOk) return sampled;
  {
    // The overviews and the copying of the spooled tiles, side by side too.
    TaskBatch batch;
    for (size_t i = 0; i < all.size(); ++i) {
      batch.start([&, i] {
        results[i].written = files[i].finish();
        // Nothing may leave the thread: memory running out for the error's
        // copy leaves it empty, which tells just that.
        try {
          results[i].error = files[i].error();
        } catch (const std::bad_alloc&) {
          results[i].error.clear();
        }
      });
    }
  }
  for (FileOutcome& outcome : classes.finish()) results.push_back(std::move(outcome));
  *outcomes = std::move(results);
  return geoweave::Status::kOk;
}

}  // namespace geoweave::detail
