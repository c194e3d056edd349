#include "cli/run.h"

#include <chrono>
#include <string>

#include "geoweave/export.h"
#include "geoweave/planet.h"

namespace geoweave::detail {

namespace {

// Generation is reported as the first 90% of the run and writing the files
// as the rest, so the share shown keeps growing to the end.
constexpr double kGenerationShare = 0.9;

class Run {
 public:
  Run(const RunOptions& options, ProgressLine* progress, std::FILE* err)
      : options_(options), progress_(progress), err_(err) {
    exportOptions_.outDir = options.outDir;
    exportOptions_.mapWidth = options.mapWidth;
    exportOptions_.mapHeight = options.mapHeight;
    exportOptions_.frames = options.frames;
    exportOptions_.geotiff = options.geotiff;
    exportOptions_.geojson = options.geojson;
    exportOptions_.cubeSize = options.cubeSize;
    exportOptions_.riverOverlay = options.riverOverlay;
    exportOptions_.boldRivers = options.boldRivers;
    exportOptions_.worldFiles = options.worldFiles;
    exportOptions_.raw = options.raw;
    exportOptions_.seedFromClock = options.randomSeed;
    if (progress_ != nullptr) {
      exportCallbacks_.progress = [](double fraction, const char* stage, void* user) {
        Run* run = static_cast<Run*>(user);
        run->report(kGenerationShare + (1 - kGenerationShare) * fraction, stage);
      };
      exportCallbacks_.progressUser = this;
    }
    exportCallbacks_.message = [](const char* line, void* user) {
      static_cast<Run*>(user)->say(line);
    };
    exportCallbacks_.messageUser = this;
  }

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
  void writeFrames(const geoweave::Planet& planet, int turn);

  const RunOptions& options_;
  ProgressLine* progress_;
  std::FILE* err_;
  geoweave::ExportOptions exportOptions_;
  geoweave::ExportCallbacks exportCallbacks_;
  geoweave::ExportResult result_;
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  bool failed_ = false;
  bool framesUsable_ = false;
};

void Run::writeFrames(const geoweave::Planet& planet, int turn) {
  if (!framesUsable_) return;
  const geoweave::Status status =
      geoweave::exportFrames(planet, turn, exportOptions_, exportCallbacks_, &result_, nullptr);
  if (status == geoweave::Status::kOk) return;
  failed_ = true;
  // A picture that cannot be drawn at all will not be had at a later turn
  // either: the frames stop, the run goes on. A file that was not written
  // may be at the next turn.
  if (status != geoweave::Status::kWriteFailed) framesUsable_ = false;
}

int Run::go() {
  // The output directory is made before the planet, so that a run that
  // could write nothing ends before its longest part. Failures, here as in
  // the exports, are said through the message callback.
  if (geoweave::prepareExport(exportOptions_, exportCallbacks_, &result_, nullptr) !=
      geoweave::Status::kOk) {
    return kExitFailed;
  }
  // Having gone on, it told of nothing but a frames/ that cannot be made.
  failed_ = !result_.failures.empty();
  framesUsable_ = options_.frames && !failed_;

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
  std::string error;
  const geoweave::Status status = planet.generate(options_.settings, callbacks, &error);
  if (status != geoweave::Status::kOk) {
    say("error: " + error);
    return status == geoweave::Status::kInvalidSettings ? kExitBadOptions : kExitFailed;
  }

  const geoweave::Status exported =
      geoweave::exportPlanet(planet, exportOptions_, exportCallbacks_, &result_, nullptr);
  if (progress_ != nullptr) progress_->finish(elapsed());
  return exported == geoweave::Status::kOk && !failed_ ? 0 : kExitFailed;
}

}  // namespace

int runGeoweave(const RunOptions& options, ProgressLine* progress, std::FILE* err) {
  Run run(options, progress, err);
  return run.go();
}

}  // namespace geoweave::detail
