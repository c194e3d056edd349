#include "cli/run_cost.h"

#include "grid/diamond_grid.h"

namespace geoweave::detail {

namespace {

// The model was measured on the release build, on the project's 2-core AMD
// EPYC (family 25 model 1) machine, by timing every progress report of
// planets of width 256 to 2048 with maps of 256 to 4096 pixels, GeoTIFF
// layers, cube faces of 256 to 1024, frames and GeoJSON (three runs each,
// medians). The machine was shared with other work, so the parts were timed
// in processor seconds (all threads), which the load does not stretch, and
// converted to wall seconds of the machine running alone with the share of
// a second each part keeps both processors busy there: the generation
// hardly does (its atmosphere pass runs on one), the export's sampling and
// compression mostly do (a default run's export takes 0.06 s against 0.10 s
// of processor time).
constexpr double kGenerationWall = 0.9;
constexpr double kExportWall = 0.6;

// Processor seconds per grid record (12 side^2) or per pixel.
constexpr double kSetupFixed = 0.002;
constexpr double kSetupPerRecord = 235e-9;
constexpr double kTurnPerRecord = 56e-9;
constexpr double kFirstTurnPerRecord = 45e-9;  // grouping the sweep into levels
constexpr double kRiversPerRecord = 15e-9;
constexpr double kFramesPerPixel = 0.37e-6;       // both pictures of a turn, per map pixel
constexpr double kFirstFramesPerPixel = 0.19e-6;  // the first also locates the pixels
constexpr double kMapsFixed = 0.03;
constexpr double kMapsPerPixel = 0.6e-6;  // ground, the six panels and height
constexpr double kLayersFixed = 0.03;
constexpr double kLayersPerPixel = 0.9e-6;  // all nine
constexpr double kGeoJsonPerRecord = 60e-9;
constexpr double kCubePerPixel = 0.42e-6;  // ground and height of one face pixel
constexpr double kRecordFixed = 0.002;

// The stages before the first turn, in the order the library reports them,
// with their shares of that time (the same at every grid size within a
// few percent). The time before the first report, allocating the grid,
// comes first.
constexpr double kBeforeFirstStage = 0.05;
struct SetupStage {
  const char* name;
  double share;
};
constexpr SetupStage kSetupStages[] = {
    {"Prestoring neighbors and move fractions", 0.53},
    {"Creating roughness", 0.035},
    {"Creating terrain elevations", 0.06},
    {"Calibrating sea level", 0.06},
    {"Tweaking temperatures", 0.11},
    {"Setting up iterations", 0.155},
};

}  // namespace

RunCost estimateRunCost(const RunOptions& options) {
  const geoweave::Settings& s = options.settings;
  RunCost cost;
  // A width and zoom may ask for a level far beyond any grid the library
  // builds (it refuses those); the estimate stays defined for them.
  constexpr int64_t kLevelCap = 20;
  const int64_t level = DiamondGrid::levelFor(s.width, s.zoom);
  cost.records = DiamondGrid::tileRecordsFor(level < kLevelCap ? level : kLevelCap);
  cost.turns = s.turns;
  const double records = static_cast<double>(cost.records);
  const double mapPixels = static_cast<double>(options.mapWidth) * options.mapHeight;
  const double frames = options.frames ? kFramesPerPixel * mapPixels : 0;
  const double firstFrames = options.frames ? kFirstFramesPerPixel * mapPixels : 0;
  cost.setup = kGenerationWall * (kSetupFixed + kSetupPerRecord * records);
  // The frames are written by the export, inside the turn.
  cost.turn = kGenerationWall * kTurnPerRecord * records + kExportWall * frames;
  cost.firstTurn =
      cost.turn + kGenerationWall * kFirstTurnPerRecord * records + kExportWall * firstFrames;
  cost.rivers = kGenerationWall * kRiversPerRecord * records;
  cost.maps = kExportWall * (kMapsFixed + kMapsPerPixel * mapPixels);
  if (options.geotiff) cost.layers = kExportWall * (kLayersFixed + kLayersPerPixel * mapPixels);
  // rivers.geojson is written on one thread.
  if (options.geojson) cost.geojson = kGeoJsonPerRecord * records;
  const double side = options.cubeSize;
  cost.cube = kExportWall * kCubePerPixel * 6 * side * side;
  cost.record = kExportWall * kRecordFixed;
  return cost;
}

bool setupStage(const std::string& stage, double* start, double* share) {
  double before = kBeforeFirstStage;
  for (const SetupStage& known : kSetupStages) {
    if (stage == known.name) {
      *start = before;
      *share = known.share;
      return true;
    }
    before += known.share;
  }
  return false;
}

double exportStageCost(const RunCost& cost, const std::string& stage) {
  if (stage == "Writing maps and heightmap") return cost.maps;
  if (stage == "Writing GeoTIFF layers") return cost.layers;
  if (stage == "Writing rivers.geojson") return cost.geojson;
  if (stage == "Writing cube faces") return cost.cube;
  if (stage == "Writing planet.json") return cost.record;
  return 0;
}

}  // namespace geoweave::detail
