#include "cli/run.h"

#include <chrono>
#include <string>
#include <vector>

#include "cli/banded_maps.h"
#include "cli/cube.h"
#include "cli/files.h"
#include "cli/heightmap.h"
#include "cli/layers.h"
#include "cli/png_batch.h"
#include "cli/record.h"
#include "export/rivers_geojson.h"
#include "geoweave/planet.h"

namespace geoweave::detail {

namespace {

// Generation is reported as the first 90% of the run and writing the files
// as the rest, so the share shown keeps growing to the end.
constexpr double kGenerationShare = 0.9;
// The cube faces, when asked for, take the most time after generation.
constexpr double kCubeStart = 0.95;
constexpr double kCubeEnd = 0.99;

class Run {
 public:
  Run(const RunOptions& options, ProgressLine* progress, std::FILE* err)
      : options_(options), progress_(progress), err_(err) {}

  int go();

 private:
  double elapsed() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }
  void report(double fraction, const std::string& stage) {
    if (progress_ != nullptr) progress_->report(fraction, stage, elapsed());
  }
  void say(const std::string& line) {
    const std::string text = "geoweave: " + line;
    if (progress_ != nullptr) {
      progress_->message(text);
    } else {
      std::fprintf(err_, "%s\n", text.c_str());
      std::fflush(err_);
    }
  }
  // Records the outcome of writing name: kept in the list, or reported.
  void account(const std::string& name, bool written, const std::string& error) {
    if (written) {
      written_.push_back(name);
    } else {
      say(error);
      failed_ = true;
    }
  }
  PngTask task(const std::string& name) const {
    PngTask t;
    t.path = pathIn(options_.outDir, name);
    return t;
  }
  // Draws the sheet of the planet as it stands, and the ground map from it;
  // false (reported) when they cannot be had.
  bool draw(const geoweave::Planet& planet);
  void accountAll(const std::vector<FileOutcome>& outcomes) {
    for (const FileOutcome& outcome : outcomes) {
      account(outcome.name, outcome.written, outcome.error);
    }
  }
  // Makes the subdirectory name of the output directory; false (reported,
  // with what is then not written) when it cannot be had.
  bool makeSubdirectory(const char* name, const char* without);
  void writeFrames(const geoweave::Planet& planet, int turn);
  bool writeFinal(const geoweave::Planet& planet);
  void writeLayerFiles(const geoweave::Planet& planet);
  void writeCubeFaces(const geoweave::Planet& planet);

  const RunOptions& options_;
  ProgressLine* progress_;
  std::FILE* err_;
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::vector<std::string> written_;
  bool failed_ = false;
  bool framesUsable_ = false;
  geoweave::Image sheet_;
  geoweave::Image ground_;
};

bool Run::draw(const geoweave::Planet& planet) {
  std::string error;
  if (planet.renderSheet(options_.mapWidth, options_.mapHeight, &sheet_, &error) !=
      geoweave::Status::kOk) {
    say("error: " + error);
    return false;
  }
  ground_ = groundOfSheet(sheet_);
  return true;
}

void Run::writeFrames(const geoweave::Planet& planet, int turn) {
  if (!framesUsable_) return;
  // A picture that cannot be made at all will not be had at a later turn
  // either: the frames stop, the run goes on.
  if (!draw(planet)) {
    framesUsable_ = false;
    failed_ = true;
    return;
  }
  char number[16];
  std::snprintf(number, sizeof number, "%04d", turn);
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

bool Run::writeFinal(const geoweave::Planet& planet) {
  if (static_cast<long long>(options_.mapWidth) * options_.mapHeight > kBandedMapPixels) {
    std::vector<FileOutcome> outcomes;
    std::string error;
    if (!writeMapsInBands(planet, options_.mapWidth, options_.mapHeight,
                          bandRows(options_.mapWidth), options_.outDir, &outcomes, &error)) {
      say("error: " + error);
      return false;
    }
    accountAll(outcomes);
    return true;
  }
  if (!draw(planet)) return false;
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
  std::string error;
  const int w = options_.mapWidth;
  const int h = options_.mapHeight;
  const geoweave::Status sampled = planet.sampleMaps({geoweave::Field::kGround}, w, h,
                                                     geoweave::MapLayout::kFrame, &maps, &error);
  PngTask height = task("height.png");
  std::vector<uint16_t> heights;
  if (sampled == geoweave::Status::kOk) {
    const geoweave::Statistics stats = planet.statistics();
    heights = heightmapOf(maps[0], stats.elevationMin, stats.elevationMax);
    height.gray = &heights;
    height.width = w;
    height.height = h;
    writePng(&height);
  }
  batch.wait();
  account("ground.png", ground.written, ground.error);
  account("sheet.png", sheet.written, sheet.error);
  if (sampled != geoweave::Status::kOk) {
    say("error: " + error);
    return false;
  }
  account("height.png", height.written, height.error);
  return true;
}

bool Run::makeSubdirectory(const char* name, const char* without) {
  std::string error;
  if (makeDirectories(pathIn(options_.outDir, name), &error)) return true;
  say(error + " (no " + without + " are written)");
  failed_ = true;
  return false;
}

void Run::writeLayerFiles(const geoweave::Planet& planet) {
  if (!makeSubdirectory("layers", "GeoTIFF layers")) return;
  std::vector<FileOutcome> outcomes;
  std::string error;
  if (!writeLayers(planet, options_.mapWidth, options_.mapHeight, options_.outDir, &outcomes,
                   &error)) {
    say("error: " + error + " (no GeoTIFF layers are written)");
    failed_ = true;
    return;
  }
  accountAll(outcomes);
}

void Run::writeCubeFaces(const geoweave::Planet& planet) {
  if (!makeSubdirectory("cube", "cube faces")) return;
  const int faceCount = static_cast<int>(cubeFaces().size());
  accountAll(writeCube(planet, options_.cubeSize, options_.outDir, [this, faceCount](int faces) {
    report(kCubeStart + (kCubeEnd - kCubeStart) * faces / faceCount, "Writing cube faces");
  }));
}

int Run::go() {
  std::string error;
  if (!makeDirectories(options_.outDir, &error)) {
    say(error);
    return kExitFailed;
  }
  if (options_.frames) {
    framesUsable_ = makeDirectories(pathIn(options_.outDir, "frames"), &error);
    if (!framesUsable_) {
      say(error + " (no frames are written)");
      failed_ = true;
    }
  }

  geoweave::Callbacks callbacks;
  if (progress_ != nullptr) {
    callbacks.progress = [](float fraction, const char* stage, void* user) {
      static_cast<Run*>(user)->report(kGenerationShare * fraction, stage);
    };
    callbacks.progressUser = this;
  }
  if (options_.frames) {
    callbacks.turn = [](const geoweave::Planet& planet, int turn, void* user) {
      static_cast<Run*>(user)->writeFrames(planet, turn);
    };
    callbacks.turnUser = this;
  }
  geoweave::Planet planet;
  const geoweave::Status status = planet.generate(options_.settings, callbacks, &error);
  if (status != geoweave::Status::kOk) {
    say("error: " + error);
    return status == geoweave::Status::kInvalidSettings ? kExitBadOptions : kExitFailed;
  }

  report(kGenerationShare, "Writing maps and heightmap");
  const bool mapsMade = writeFinal(planet);
  if (options_.geotiff) {
    report(0.92, "Writing GeoTIFF layers");
    writeLayerFiles(planet);
  }
  if (options_.geojson) {
    report(0.94, "Writing rivers.geojson");
    const bool written = writeRiversGeoJson(pathIn(options_.outDir, "rivers.geojson").c_str(),
                                            planet.rivers(), &error);
    account("rivers.geojson", written, error);
  }
  if (options_.cubeSize > 0) {
    report(kCubeStart, "Writing cube faces");
    writeCubeFaces(planet);
  }
  report(0.99, "Writing planet.json");
  // The record lists itself: it is only ever read when it was written.
  std::vector<std::string> files = written_;
  files.push_back("planet.json");
  const bool recorded = writeTextFile(pathIn(options_.outDir, "planet.json"),
                                      planetRecord(options_, planet, files), &error);
  account("planet.json", recorded, error);
  if (progress_ != nullptr) progress_->finish(elapsed());
  return mapsMade && !failed_ ? 0 : kExitFailed;
}

}  // namespace

int runGeoweave(const RunOptions& options, ProgressLine* progress, std::FILE* err) {
  Run run(options, progress, err);
  return run.go();
}

}  // namespace geoweave::detail
