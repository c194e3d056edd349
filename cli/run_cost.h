#pragma once

#include <cstdint>
#include <string>

#include "cli/cli_options.h"

namespace geoweave::detail {

// What the parts of one run of geoweave are expected to cost, in seconds of
// the release build on the machine the model was measured on (see
// run_cost.cpp). Only the ratios matter to the progress display, which
// rescales to the pace it sees; the sums give its first estimate of the
// time left.
struct RunCost {
  int64_t records = 0;  // the grid's tile records, 12 side^2
  int turns = 0;
  double setup = 0;      // generation up to the first climate turn
  double firstTurn = 0;  // turn 0 also groups the water sweep into levels
  double turn = 0;       // every later turn; both include --frames' pictures
  double rivers = 0;     // after the last turn
  double maps = 0;       // ground.png, sheet.png, height.png
  double layers = 0;     // --geotiff
  double geojson = 0;    // --geojson
  double cube = 0;       // --cube
  double record = 0;     // planet.json

  double generation() const { return setup + firstTurn + turn * (turns - 1) + rivers; }
  double exports() const { return maps + layers + geojson + cube + record; }
  double total() const { return generation() + exports(); }
};

// The cost of the run options describe, from the grid's size (the width
// and zoom), the turns and the files asked for.
RunCost estimateRunCost(const RunOptions& options);

// Where a stage of the generation before the first turn starts, and its
// share, as parts of RunCost::setup; false for a stage the model does not
// know (it then costs nothing). stage is the library's text, the one
// GeoweaveTest prints.
bool setupStage(const std::string& stage, double* start, double* share);

// The cost of an export stage, told by its text as geoweave/export.h's
// progress callback gives it ("Writing cube faces"); 0 for one the model
// does not know.
double exportStageCost(const RunCost& cost, const std::string& stage);

}  // namespace geoweave::detail
