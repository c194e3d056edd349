#include "cli/run.h"

#include <chrono>
#include <string>

#include "cli/progress_plan.h"
#include "cli/run_cost.h"
#include "geoweave/export.h"
#include "geoweave/planet.h"

namespace geoweave::detail {

namespace {

class Run {
 public:
  Run(const RunOptions& options, ProgressLine* progress, std::FILE* err)
      : options_(options), progress_(progress), err_(err), plan_(estimateRunCost(options)) {
    exportOptions_.outDir = options.outDir;
    exportOptions_.mapWidth = options.mapWidth;
    exportOptions_.mapHeight = options.mapHeight;
    exportOptions_.frames = options.frames;
    exportOptions_.geotiff = options.geotiff;
    exportOptions_.geojson = options.geojson;
    exportOptions_.globe = options.globe;
    exportOptions_.cubeSize = options.cubeSize;
    exportOptions_.gltf = options.gltf;
    exportOptions_.gltfMesh = options.gltfMesh;
    exportOptions_.gltfTexture = options.gltfTexture;
    exportOptions_.gltfRadius = options.gltfRadius;
    exportOptions_.gltfRelief = options.gltfRelief;
    exportOptions_.gltfExaggerate = options.gltfExaggerate;
    exportOptions_.riverOverlay = options.riverOverlay;
    exportOptions_.boldRivers = options.boldRivers;
    exportOptions_.worldFiles = options.worldFiles;
    exportOptions_.raw = options.raw;
    exportOptions_.seedFromClock = options.randomSeed;
    if (progress_ != nullptr) {
      // The export's own fraction shares its stages evenly; the plan shares
      // them by what they cost.
      exportCallbacks_.progress = [](double, const char* stage, void* user) {
        Run* run = static_cast<Run*>(user);
        run->plan_.exportStage(stage, run->elapsed());
        run->show();
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
  void show() {
    const double now = elapsed();
    progress_->report(plan_.fraction(now), plan_.label(), now, plan_.remaining(now));
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
  ProgressPlan plan_;
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
    callbacks.progress = [](float, const char* stage, void* user) {
      Run* run = static_cast<Run*>(user);
      run->plan_.generationStage(stage, run->elapsed());
      run->show();
    };
    callbacks.progressUser = this;
  }
  if (progress_ != nullptr || options_.frames) {
    // Every turn is a step of the display, whose frames belong to it.
    callbacks.turn = [](const geoweave::Planet& planet, int turn, void* user) {
      Run* run = static_cast<Run*>(user);
      if (run->progress_ != nullptr) {
        run->plan_.turnStarted(turn, run->elapsed());
        run->show();
      }
      run->writeFrames(planet, turn);
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
