#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "export/banded_maps.h"
#include "export/class_maps.h"
#include "export/cube_faces.h"
#include "export/geotiff_layers.h"
#include "export/globe_page.h"
#include "export/gltf_model.h"
#include "export/heightmap.h"
#include "export/output_files.h"
#include "export/output_lock.h"
#include "export/planet_record.h"
#include "export/png_batch.h"
#include "export/raw_heights.h"
#include "export/rivers_geojson.h"
#include "export/rivers_png.h"
#include "export/world_file.h"
#include "geoweave/export.h"
#include "image/atomic_file.h"

namespace geoweave {

using namespace detail;

namespace {

// The share of the export each stage starts at. The cube faces and the
// model, when asked for, take the most time after the maps.
constexpr double kLayersStart = 0.2;
constexpr double kRiversStart = 0.4;
constexpr double kGlobeStart = 0.42;
constexpr double kCubeStart = 0.5;
constexpr double kModelStart = 0.7;  // the cube's end when a model follows
constexpr double kRecordStart = 0.9;

// The output folder's subfolders whose stale scratch files a run removes.
constexpr const char* kSubfolders[] = {"frames", "layers", "cube", nullptr};

// Empty when the options lie within their limits, else the line that says
// which does not.
std::string optionsFault(const ExportOptions& options) {
  if (options.outDir.empty()) return "the output directory must be named";
  if (options.mapWidth < kMinMapWidth || options.mapWidth > kMaxMapWidth) {
    return "map width must be from " + std::to_string(kMinMapWidth) + " to " +
           std::to_string(kMaxMapWidth) + ", not " + std::to_string(options.mapWidth);
  }
  if (options.mapHeight < 1 || options.mapHeight > kMaxMapHeight) {
    return "map height must be from 1 to " + std::to_string(kMaxMapHeight) + ", not " +
           std::to_string(options.mapHeight);
  }
  if (options.cubeSize < 0 || options.cubeSize > kMaxCubeSize) {
    return "cube size must be from 0 (no cube) to " + std::to_string(kMaxCubeSize) + ", not " +
           std::to_string(options.cubeSize);
  }
  std::string fault;
  if (options.gltf) validateGltfOptions(gltfOptionsOf(options), &fault);
  return fault;
}

// Tells a failure to the message callback and keeps it in the result.
// Called while storage may have run out, so the keeping may fail alone.
void tell(const ExportCallbacks& callbacks, ExportResult* result, const char* name,
          const char* text) {
  if (callbacks.message != nullptr) callbacks.message(text, callbacks.messageUser);
  try {
    result->failures.push_back(ExportFailure{name, text});
  } catch (const std::bad_alloc&) {
  }
}

// One call's export: it tells every outcome as it comes, keeps the first
// failure for the call to return, and appends to the caller's result.
class Exporter {
 public:
  Exporter(const ExportOptions& options, const ExportCallbacks& callbacks, ExportResult* result)
      : options_(options), callbacks_(callbacks), result_(*result) {}

  bool makeOutDir(std::string* error) const { return makeDirectories(options_.outDir, error); }
  // Makes the subdirectory name of the output directory; false (told, with
  // what is then not written) when it cannot be had.
  bool makeSubdirectory(const char* name, const char* without);
  void writeFrames(const Planet& planet, int turn);
  void writePlanet(const Planet& planet);

  Status status() const { return status_; }
  const std::string& firstFailure() const { return firstFailure_; }

 private:
  // The shares of the stages are sums of doubles that may round a hair past
  // the next stage's start: what is told never goes back.
  void report(double fraction, const char* stage) {
    if (fraction < reported_) fraction = reported_;
    reported_ = fraction;
    if (callbacks_.progress != nullptr) {
      callbacks_.progress(fraction, stage, callbacks_.progressUser);
    }
  }
  // Runs one stage of the export. Memory running out ends that stage alone
  // (its memory goes back as it unwinds): told as "error: out of memory
  // while DOING", and the export goes on with the next stage, planet.json
  // last, which needs little.
  template <typename Stage>
  void guarded(const char* doing, Stage&& stage) {
    try {
      stage();
    } catch (const std::bad_alloc&) {
      fail(Status::kOutOfMemory, "", outOfMemoryLine(doing));
    }
  }
  // The line for a picture the planet could not give.
  static std::string failureLine(Status status, const std::string& error,
                                 const std::string& doing) {
    return status == Status::kOutOfMemory ? outOfMemoryLine(doing) : "error: " + error;
  }
  void fail(Status status, const std::string& name, const std::string& text) {
    if (status_ == Status::kOk) {
      status_ = status;
      firstFailure_ = text;
    }
    tell(callbacks_, &result_, name.c_str(), text.c_str());
  }
  // Records the outcome of writing name: kept in the list, or told. An
  // empty error is a writer's that ran out of memory even for its line.
  void account(const std::string& name, bool written, const std::string& error) {
    if (written) {
      result_.written.push_back(name);
    } else if (error.empty()) {
      fail(Status::kOutOfMemory, name, outOfMemoryLine("writing " + pathIn(options_.outDir, name)));
    } else {
      fail(isOutOfMemoryLine(error) ? Status::kOutOfMemory : Status::kWriteFailed, name, error);
    }
  }
  void accountAll(const std::vector<FileOutcome>& outcomes) {
    for (const FileOutcome& outcome : outcomes) {
      account(outcome.name, outcome.written, outcome.error);
    }
  }
  PngTask task(const std::string& name) const {
    PngTask t;
    t.path = pathIn(options_.outDir, name);
    return t;
  }
  // Draws the sheet of the planet as it stands, and the ground map from it;
  // false (told, as memory running out while doing) when they cannot be had.
  bool draw(const Planet& planet, const std::string& doing);
  // ground.png, sheet.png and height.png, with height.r16 and the bold
  // rivers when asked for.
  void writeMaps(const Planet& planet);
  // rivers.png and the world files of the maps written since writtenFrom_.
  void writeMapExtras(const Planet& planet);
  // The planet's rivers, had once; null (told) when they cannot be.
  const Rivers* riversOf(const Planet& planet);
  void writeLayerFiles(const Planet& planet);
  // mask.png, biomes.png and legend.png, counting the classes.
  void writeClassFiles(const Planet& planet);
  void writeCubeFaces(const Planet& planet);
  void writeModel(const Planet& planet);

  const ExportOptions& options_;
  const ExportCallbacks& callbacks_;
  ExportResult& result_;
  Status status_ = Status::kOk;
  std::string firstFailure_;
  double reported_ = 0;
  Image sheet_;
  Image ground_;
  ClassCounts classes_;
  // mask.png and biomes.png when the banded maps wrote them.
  std::unique_ptr<BandedClassMaps> bandedClasses_;
  Rivers rivers_;
  int riversState_ = 0;  // 0 not asked yet, 1 had, -1 could not be had
  size_t writtenFrom_ = 0;
};

bool Exporter::makeSubdirectory(const char* name, const char* without) {
  std::string error;
  if (makeDirectories(pathIn(options_.outDir, name), &error)) return true;
  fail(Status::kWriteFailed, name, error + " (no " + without + " are written)");
  return false;
}

bool Exporter::draw(const Planet& planet, const std::string& doing) {
  std::string error;
  const Status drawn = planet.renderSheet(options_.mapWidth, options_.mapHeight, &sheet_, &error);
  if (drawn != Status::kOk) {
    fail(drawn, "", failureLine(drawn, error, doing));
    return false;
  }
  ground_ = groundOfSheet(sheet_);
  return true;
}

void Exporter::writeFrames(const Planet& planet, int turn) {
  if (!makeSubdirectory("frames", "frames")) return;
  char number[16];
  std::snprintf(number, sizeof number, "%04d", turn);
  if (!draw(planet, std::string("drawing the pictures of turn ") + number)) return;
  const std::string groundName = std::string("frames/ground-") + number + ".png";
  const std::string sheetName = std::string("frames/sheet-") + number + ".png";
  PngTask ground = task(groundName);
  PngTask sheet = task(sheetName);
  ground.rgb = &ground_;
  sheet.rgb = &sheet_;
  PngBatch batch;
  batch.start(&sheet);
  writePng(&ground);
  batch.wait();
  account(groundName, ground.written, ground.error);
  account(sheetName, sheet.written, sheet.error);
}

const Rivers* Exporter::riversOf(const Planet& planet) {
  if (riversState_ == 0) {
    std::string error;
    const Status got = planet.rivers(&rivers_, &error);
    riversState_ = got == Status::kOk ? 1 : -1;
    if (got != Status::kOk) fail(got, "", "error: " + error);
  }
  return riversState_ == 1 ? &rivers_ : nullptr;
}

void Exporter::writeMaps(const Planet& planet) {
  const int w = options_.mapWidth;
  const int h = options_.mapHeight;
  std::string error;
  const Rivers* bold = options_.boldRivers ? riversOf(planet) : nullptr;
  const std::string rawPath = pathIn(options_.outDir, "height.r16");
  if (static_cast<long long>(w) * h > kBandedMapPixels) {
    BandHooks hooks;
    if (bold != nullptr) {
      hooks.ground = [bold, w, h](int first, int rows, uint8_t* rgb) {
        paintRiverRows(*bold, w, h, first, rows, rgb);
      };
    }
    RawHeightStream raw;
    std::string rawError;
    bool rawOk = options_.raw && raw.open(rawPath, static_cast<size_t>(w) * h, &rawError);
    if (options_.raw) {
      hooks.heights = [&](int, int, const std::vector<uint16_t>& values) {
        if (rawOk) rawOk = raw.write(values.data(), values.size(), &rawError);
      };
    }
    std::vector<FileOutcome> outcomes;
    BandedClassMaps classes;
    const Status written = writeMapsInBands(planet, w, h, bandRows(w), options_.outDir, &outcomes,
                                            &error, hooks, &classes);
    if (written != Status::kOk) {
      fail(written, "", failureLine(written, error, "drawing the maps"));
      return;
    }
    accountAll(outcomes);
    bandedClasses_ = std::make_unique<BandedClassMaps>(std::move(classes));
    if (options_.raw) account("height.r16", rawOk && raw.finish(&rawError), rawError);
    return;
  }
  if (!draw(planet, "drawing the maps")) return;
  if (bold != nullptr) paintRiverRows(*bold, w, h, 0, h, ground_.rgb.data());
  // The two pictures compress on threads of their own while the heights
  // are sampled here.
  PngTask ground = task("ground.png");
  PngTask sheet = task("sheet.png");
  ground.rgb = &ground_;
  sheet.rgb = &sheet_;
  PngBatch batch;
  batch.start(&sheet);
  batch.start(&ground);

  std::vector<std::vector<float>> maps;
  const Status sampled =
      planet.sampleMaps({Field::kGround}, w, h, MapLayout::kFrame, &maps, &error);
  PngTask height = task("height.png");
  std::vector<uint16_t> heights;
  if (sampled == Status::kOk) {
    const Statistics stats = planet.statistics();
    heights = heightmapOf(maps[0], stats.elevationMin, stats.elevationMax);
    height.gray = &heights;
    height.width = w;
    height.height = h;
    writePng(&height);
  }
  batch.wait();
  account("ground.png", ground.written, ground.error);
  account("sheet.png", sheet.written, sheet.error);
  if (sampled != Status::kOk) {
    fail(sampled, "height.png",
         failureLine(sampled, error, "sampling " + pathIn(options_.outDir, "height.png")));
    return;
  }
  account("height.png", height.written, height.error);
  if (options_.raw) {
    std::string rawError;
    account("height.r16", writeRawHeights(rawPath, heights, &rawError), rawError);
  }
}

void Exporter::writeMapExtras(const Planet& planet) {
  const int w = options_.mapWidth;
  const int h = options_.mapHeight;
  if (options_.riverOverlay) {
    if (const Rivers* rivers = riversOf(planet)) {
      std::string error;
      const bool written = writeRiverOverlay(*rivers, w, h, bandRows(w),
                                             pathIn(options_.outDir, "rivers.png"), &error);
      account("rivers.png", written, error);
    }
  }
  if (!options_.worldFiles) return;
  for (const std::string& map : mapLayoutPngs()) {
    const auto from = result_.written.begin() + static_cast<std::ptrdiff_t>(writtenFrom_);
    if (std::find(from, result_.written.end(), map) == result_.written.end()) continue;
    accountAll(writeWorldFiles(options_.outDir, map, w, h));
  }
}

void Exporter::writeLayerFiles(const Planet& planet) {
  if (!makeSubdirectory("layers", "GeoTIFF layers")) return;
  std::vector<FileOutcome> outcomes;
  std::string error;
  const Status written = writeLayers(planet, options_.mapWidth, options_.mapHeight, options_.outDir,
                                     &outcomes, &error);
  if (written != Status::kOk) {
    fail(written, "layers",
         failureLine(written, error, "sampling the GeoTIFF layers") +
             " (no GeoTIFF layers are written)");
    return;
  }
  accountAll(outcomes);
}

void Exporter::writeClassFiles(const Planet& planet) {
  std::vector<FileOutcome> outcomes;
  std::string error;
  Status written = Status::kOk;
  if (bandedClasses_ != nullptr) {
    // The banded maps wrote mask.png and biomes.png with their own bands.
    outcomes = bandedClasses_->outcomes;
    classes_ = bandedClasses_->counts;
    PngBatch batch;
    PngTask legend;
    Image image;
    written = startLegend(planet, options_.outDir, &batch, &legend, &image, &error);
    batch.wait();
    if (written == Status::kOk) outcomes.push_back({"legend.png", legend.written, legend.error});
  } else {
    written = writeClassMaps(planet, options_.mapWidth, options_.mapHeight, options_.outDir,
                             &outcomes, &classes_, &error);
  }
  accountAll(outcomes);
  if (written != Status::kOk) {
    fail(written, "", failureLine(written, error, "drawing the mask and biome maps"));
  }
}

void Exporter::writeCubeFaces(const Planet& planet) {
  if (!makeSubdirectory("cube", "cube faces")) return;
  const int faceCount = static_cast<int>(cubeFaces().size());
  const double end = options_.gltf ? kModelStart : kRecordStart;
  accountAll(writeCube(
      planet, options_.cubeSize, options_.outDir,
      [&](int faces) {
        report(kCubeStart + (end - kCubeStart) * faces / faceCount, "Writing cube faces");
      },
      options_.raw));
}

void Exporter::writeModel(const Planet& planet) {
  const std::string path = pathIn(options_.outDir, "planet.glb");
  std::string error;
  const Status written = writeGltfModel(planet, gltfOptionsOf(options_), path, &error);
  if (written == Status::kOk) {
    result_.written.push_back("planet.glb");
  } else {
    // A relief the model cannot hold comes back without the file's name.
    fail(written, "planet.glb",
         written == Status::kInvalidSettings ? "cannot write " + path + ": " + error : error);
  }
}

void Exporter::writePlanet(const Planet& planet) {
  report(0, "Writing maps and heightmap");
  writtenFrom_ = result_.written.size();
  guarded("writing the maps", [&] { writeMaps(planet); });
  guarded("writing the mask and biome maps", [&] { writeClassFiles(planet); });
  // After every map in the maps' layout, so each written one gets its world file.
  guarded("writing rivers.png and the world files", [&] { writeMapExtras(planet); });
  if (options_.geotiff) {
    report(kLayersStart, "Writing GeoTIFF layers");
    guarded("writing the GeoTIFF layers", [&] { writeLayerFiles(planet); });
  }
  if (options_.geojson) {
    report(kRiversStart, "Writing rivers.geojson");
    guarded("writing rivers.geojson", [&] {
      std::string error;
      const bool written = writeRiversGeoJson(pathIn(options_.outDir, "rivers.geojson").c_str(),
                                              planet.rivers(), &error);
      account("rivers.geojson", written, error);
    });
  }
  if (options_.globe) {
    report(kGlobeStart, "Writing globe.html");
    guarded("writing globe.html", [&] {
      std::string error;
      const Status written = writeGlobePage(planet, pathIn(options_.outDir, "globe.html"), &error);
      if (written == Status::kOk || written == Status::kWriteFailed) {
        account("globe.html", written == Status::kOk, error);
      } else {
        fail(written, "globe.html", "error: " + error);
      }
    });
  }
  if (options_.cubeSize > 0) {
    report(kCubeStart, "Writing cube faces");
    guarded("writing the cube faces", [&] { writeCubeFaces(planet); });
  }
  if (options_.gltf) {
    report(kModelStart, "Writing planet.glb");
    guarded("writing planet.glb", [&] { writeModel(planet); });
  }
  report(kRecordStart, "Writing planet.json");
  guarded("writing planet.json", [&] {
    // The record lists itself: it is only ever read when it was written.
    std::vector<std::string> files = result_.written;
    files.push_back("planet.json");
    std::string error;
    const bool recorded = writeWholeFile(pathIn(options_.outDir, "planet.json").c_str(),
                                         planetRecord(options_, planet, files, &classes_), &error);
    account("planet.json", recorded, error);
  });
}

// Ends a call after the failures the exporter told, with the first one's
// line in *error.
Status finish(const Exporter& exporter, std::string* error) {
  if (exporter.status() != Status::kOk && error != nullptr) *error = exporter.firstFailure();
  return exporter.status();
}

// Ends a call on a failure that nothing was told of yet.
Status end(Status status, const char* line, const ExportCallbacks& callbacks, ExportResult* result,
           std::string* error) {
  tell(callbacks, result, "", line);
  if (error != nullptr) *error = line;
  return status;
}

// Takes the output folder's lock for the result, unless it holds it already
// (an earlier call of the same run); false (with the line) when another run
// holds it.
bool holdLock(const ExportOptions& options, ExportResult* result, std::string* line) {
  const auto* held = static_cast<const OutputLock*>(result->lock.get());
  if (held != nullptr && held->holds(options.outDir)) return true;
  std::unique_ptr<OutputLock> lock;
  std::string reason;
  if (!OutputLock::take(options.outDir, kSubfolders, &lock, &reason)) {
    *line = "error: " + reason;
    return false;
  }
  result->lock = std::move(lock);
  return true;
}

// When storage runs out outside the stages the call ends: the files written
// so far stay.
Status outOfMemory(const ExportCallbacks& callbacks, ExportResult* result, std::string* error,
                   const char* line) {
  tell(callbacks, result, "", line);
  if (error != nullptr) {
    try {
      *error = line;
    } catch (const std::bad_alloc&) {
    }
  }
  return Status::kOutOfMemory;
}

}  // namespace

Status prepareExport(const ExportOptions& options, const ExportCallbacks& callbacks,
                     ExportResult* result, std::string* error) {
  ExportResult unkept;
  if (result == nullptr) result = &unkept;
  try {
    const std::string fault = optionsFault(options);
    if (!fault.empty())
      return end(Status::kInvalidSettings, fault.c_str(), callbacks, result, error);
    Exporter exporter(options, callbacks, result);
    std::string reason;
    if (!exporter.makeOutDir(&reason) || !holdLock(options, result, &reason)) {
      return end(Status::kWriteFailed, reason.c_str(), callbacks, result, error);
    }
    // frames/ that cannot be made ends nothing: the other files can be had.
    if (options.frames) exporter.makeSubdirectory("frames", "frames");
    return Status::kOk;
  } catch (const std::bad_alloc&) {
    return outOfMemory(callbacks, result, error,
                       "error: out of memory while preparing the output folder");
  }
}

Status exportFrames(const Planet& planet, int turn, const ExportOptions& options,
                    const ExportCallbacks& callbacks, ExportResult* result, std::string* error) {
  ExportResult unkept;
  if (result == nullptr) result = &unkept;
  try {
    std::string fault = optionsFault(options);
    if (fault.empty() && turn < 0) fault = "the turn must not be negative";
    if (!fault.empty())
      return end(Status::kInvalidSettings, fault.c_str(), callbacks, result, error);
    Exporter exporter(options, callbacks, result);
    std::string reason;
    if (!exporter.makeOutDir(&reason) || !holdLock(options, result, &reason)) {
      return end(Status::kWriteFailed, reason.c_str(), callbacks, result, error);
    }
    exporter.writeFrames(planet, turn);
    return finish(exporter, error);
  } catch (const std::bad_alloc&) {
    return outOfMemory(callbacks, result, error,
                       "error: out of memory while writing the pictures of a turn");
  }
}

Status exportPlanet(const Planet& planet, const ExportOptions& options,
                    const ExportCallbacks& callbacks, ExportResult* result, std::string* error) {
  ExportResult unkept;
  if (result == nullptr) result = &unkept;
  try {
    const std::string fault = optionsFault(options);
    if (!fault.empty())
      return end(Status::kInvalidSettings, fault.c_str(), callbacks, result, error);
    if (!planet.generated()) {
      return end(Status::kUnusable, "the planet has not been generated", callbacks, result, error);
    }
    Exporter exporter(options, callbacks, result);
    std::string reason;
    if (!exporter.makeOutDir(&reason) || !holdLock(options, result, &reason)) {
      return end(Status::kWriteFailed, reason.c_str(), callbacks, result, error);
    }
    exporter.writePlanet(planet);
    return finish(exporter, error);
  } catch (const std::bad_alloc&) {
    return outOfMemory(callbacks, result, error,
                       "error: out of memory while writing the planet folder");
  }
}

}  // namespace geoweave
