#pragma once

#include <string>

#include "cli/run_cost.h"

namespace geoweave::detail {

// Where a run of geoweave stands. The library's generation reports, its
// turn callbacks and the export's reports each move the run to a step of
// cli/run_cost.h's model (a stage before the turns, one climate turn, the
// rivers, one export stage); the share done is the cost of the steps
// before it plus, within the step, the time spent there against what the
// step should take at the run's pace so far (never more than most of the
// step, as the end of a step is only known when the next begins). The
// library's own fractions are not used: they do not follow the cost.
// Times are seconds since the run started; calls come in time order.
class ProgressPlan {
 public:
  explicit ProgressPlan(const RunCost& cost);

  // Planet::generate's progress report: stage as the library names it.
  void generationStage(const std::string& stage, double elapsedSeconds);
  // Planet::generate's turn callback, at the start of turn (0 based).
  void turnStarted(int turn, double elapsedSeconds);
  // The export's progress report, stage as geoweave/export.h names it.
  void exportStage(const std::string& stage, double elapsedSeconds);

  // The share of the run's cost done, 0 to 1; it never falls as the run
  // goes on.
  double fraction(double elapsedSeconds) const;
  // The seconds left: the cost not yet done at the pace of the run so far
  // (in the export, of the export so far, once a tenth of a second's worth
  // of it is done; at the model's own pace before any is done); negative
  // when the model gives no cost at all.
  double remaining(double elapsedSeconds) const;
  // What the run is doing: the stage's name, or "Climate turn K of N".
  const std::string& label() const { return label_; }

 private:
  enum class Phase { kSetup, kTurns, kRivers, kAfterRivers, kExport };

  // Cost done at elapsedSeconds, by the steps before and within this one.
  double done(double elapsedSeconds) const;
  // Seconds per unit of cost of the steps done.
  double pace() const;
  // Moves to a step at position (not before the progress made) costing
  // cost, under label.
  void enter(double position, double cost, const std::string& label, double elapsedSeconds);

  RunCost cost_;
  double total_;
  Phase phase_ = Phase::kSetup;
  std::string turnStage_;   // the generation's stage name during the turns
  double exported_ = 0;     // cost of the export stages entered so far
  double exportStart_ = 0;  // when the export began
  double position_ = 0;     // cost done when this step started
  double stepCost_ = 0;
  double stepStart_ = 0;
  std::string label_;
};

}  // namespace geoweave::detail
