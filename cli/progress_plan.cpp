#include "cli/progress_plan.h"

#include <algorithm>

namespace geoweave::detail {

namespace {

// Within a step the time-based share stops short of its end: a step that
// runs long stays visibly unfinished rather than showing the next one's
// share early.
constexpr double kStepCap = 0.9;

}  // namespace

ProgressPlan::ProgressPlan(const RunCost& cost) : cost_(cost), total_(cost.total()) {}

double ProgressPlan::pace() const {
  // Until a tenth of a second's worth of the model is done, the pace seen
  // says more about the process starting than about the run.
  constexpr double kEnough = 0.1;
  double cost = position_;
  double seconds = stepStart_;
  // The export keeps more processors busy than the generation, by a factor
  // that differs from machine to machine: once enough of it is done, its
  // own pace tells its remaining time better.
  if (phase_ == Phase::kExport && position_ - cost_.generation() >= kEnough) {
    cost = position_ - cost_.generation();
    seconds = stepStart_ - exportStart_;
  }
  if (cost < kEnough || seconds <= 0) return 1.0;
  return seconds / cost;
}

double ProgressPlan::done(double elapsedSeconds) const {
  if (stepCost_ <= 0) return position_;
  const double within = (elapsedSeconds - stepStart_) / (stepCost_ * pace());
  return position_ + stepCost_ * std::clamp(within, 0.0, kStepCap);
}

void ProgressPlan::enter(double position, double cost, const std::string& label,
                         double elapsedSeconds) {
  position_ = std::max(position, done(elapsedSeconds));
  stepCost_ = cost;
  stepStart_ = elapsedSeconds;
  label_ = label;
}

void ProgressPlan::generationStage(const std::string& stage, double elapsedSeconds) {
  switch (phase_) {
    case Phase::kSetup: {
      double start = 0;
      double share = 0;
      if (setupStage(stage, &start, &share)) {
        enter(cost_.setup * start, cost_.setup * share, stage, elapsedSeconds);
      } else {
        enter(position_, 0, stage, elapsedSeconds);
      }
      return;
    }
    case Phase::kTurns:
      // The first stage told in the turns is theirs; the next is the
      // rivers'.
      if (turnStage_.empty()) turnStage_ = stage;
      if (stage == turnStage_) return;
      phase_ = Phase::kRivers;
      enter(cost_.generation() - cost_.rivers, cost_.rivers, stage, elapsedSeconds);
      return;
    case Phase::kRivers:
    case Phase::kAfterRivers:
      phase_ = Phase::kAfterRivers;
      enter(cost_.generation(), 0, stage, elapsedSeconds);
      return;
    case Phase::kExport:
      return;
  }
}

void ProgressPlan::turnStarted(int turn, double elapsedSeconds) {
  phase_ = Phase::kTurns;
  const double before = turn == 0 ? 0 : cost_.firstTurn + cost_.turn * (turn - 1);
  enter(cost_.setup + before, turn == 0 ? cost_.firstTurn : cost_.turn,
        "Climate turn " + std::to_string(turn + 1) + " of " + std::to_string(cost_.turns),
        elapsedSeconds);
}

void ProgressPlan::exportStage(const std::string& stage, double elapsedSeconds) {
  // The export reports within a stage too (a cube face at a time): the step
  // stays, the display is refreshed.
  if (phase_ == Phase::kExport && stage == label_) return;
  if (phase_ != Phase::kExport) exportStart_ = elapsedSeconds;
  phase_ = Phase::kExport;
  const double cost = exportStageCost(cost_, stage);
  enter(cost_.generation() + exported_, cost, stage, elapsedSeconds);
  exported_ += cost;
}

double ProgressPlan::fraction(double elapsedSeconds) const {
  if (total_ <= 0) return 0;
  return std::clamp(done(elapsedSeconds) / total_, 0.0, 1.0);
}

double ProgressPlan::remaining(double elapsedSeconds) const {
  if (total_ <= 0) return -1;
  return std::max(0.0, total_ - done(elapsedSeconds)) * pace();
}

}  // namespace geoweave::detail
