#include "cli/progress_plan.h"

#include <gtest/gtest.h>

#include <string>

namespace geoweave::detail {

namespace {

// A run of three turns with a cube, in round costs: 11 s in all.
RunCost threeTurnsAndACube() {
  RunCost cost;
  cost.turns = 3;
  cost.setup = 2;
  cost.firstTurn = 1.5;
  cost.turn = 1;
  cost.rivers = 0.5;
  cost.maps = 3;
  cost.cube = 2;
  return cost;
}

// The reports of that run as the library gives them, at slowness times the
// model's seconds; each check is of fraction and remaining at a time.
void runThrough(double slowness) {
  SCOPED_TRACE(slowness);
  const double k = slowness;
  ProgressPlan plan(threeTurnsAndACube());
  plan.generationStage("Prestoring neighbors and move fractions", 0.1 * k);
  double start = 0;
  double share = 0;
  ASSERT_TRUE(setupStage("Prestoring neighbors and move fractions", &start, &share));
  EXPECT_DOUBLE_EQ(plan.fraction(0.1 * k), 2 * start / 11);
  // A stage the model does not know keeps the progress made.
  const double before = plan.fraction(0.9 * k);
  plan.generationStage("Something new", 0.9 * k);
  EXPECT_DOUBLE_EQ(plan.fraction(0.9 * k), before);

  plan.turnStarted(0, 2 * k);
  plan.generationStage("Iterating", 2 * k);  // the turn's own report
  EXPECT_EQ(plan.label(), "Climate turn 1 of 3");
  EXPECT_DOUBLE_EQ(plan.fraction(2 * k), 2.0 / 11);
  EXPECT_DOUBLE_EQ(plan.remaining(2 * k), 9 * k);
  // Within a step the time spent counts, but not to its end.
  EXPECT_DOUBLE_EQ(plan.fraction(2.75 * k), 2.75 / 11);
  EXPECT_DOUBLE_EQ(plan.fraction(100 * k), (2 + 0.9 * 1.5) / 11);
  plan.turnStarted(1, 3.5 * k);
  EXPECT_EQ(plan.label(), "Climate turn 2 of 3");
  EXPECT_DOUBLE_EQ(plan.fraction(3.5 * k), 3.5 / 11);
  plan.turnStarted(2, 4.5 * k);
  plan.generationStage("Iterating", 4.5 * k);
  EXPECT_EQ(plan.label(), "Climate turn 3 of 3");
  EXPECT_DOUBLE_EQ(plan.fraction(4.5 * k), 4.5 / 11);
  EXPECT_DOUBLE_EQ(plan.remaining(4.5 * k), 6.5 * k);
  plan.generationStage("Making rivers", 5.5 * k);
  EXPECT_EQ(plan.label(), "Making rivers");
  EXPECT_DOUBLE_EQ(plan.fraction(5.5 * k), 5.5 / 11);
  plan.generationStage("Done generating planet", 6 * k);
  EXPECT_DOUBLE_EQ(plan.fraction(6 * k), 6.0 / 11);

  // The export's stages weigh what they cost, whatever its own fraction says.
  plan.exportStage("Writing maps and heightmap", 6 * k);
  EXPECT_DOUBLE_EQ(plan.fraction(6 * k), 6.0 / 11);
  plan.exportStage("Writing cube faces", 9 * k);
  EXPECT_DOUBLE_EQ(plan.fraction(9 * k), 9.0 / 11);
  plan.exportStage("Writing cube faces", 10 * k);  // a face written: the same step
  EXPECT_DOUBLE_EQ(plan.fraction(10 * k), 10.0 / 11);
  EXPECT_DOUBLE_EQ(plan.remaining(10 * k), 1 * k);
  plan.exportStage("Writing planet.json", 11 * k);
  EXPECT_DOUBLE_EQ(plan.fraction(11 * k), 1.0);
  EXPECT_DOUBLE_EQ(plan.remaining(11 * k), 0.0);
}

// Whatever the machine's speed the shares are the model's; the time left
// follows the pace seen.
TEST(CliProgressPlan, SharesFollowTheCostAndTheTimeLeftThePace) {
  runThrough(1);
  runThrough(3);
}

// The export's pace replaces the generation's once enough of it is done:
// here it runs twice as fast as the model after a generation at its pace.
TEST(CliProgressPlan, TheExportKeepsAPaceOfItsOwn) {
  ProgressPlan plan(threeTurnsAndACube());
  plan.turnStarted(0, 2);
  plan.turnStarted(1, 3.5);
  plan.turnStarted(2, 4.5);
  plan.generationStage("Iterating", 4.5);
  plan.generationStage("Making rivers", 5.5);
  plan.exportStage("Writing maps and heightmap", 6);
  EXPECT_DOUBLE_EQ(plan.remaining(6), 5);
  plan.exportStage("Writing cube faces", 7.5);
  EXPECT_DOUBLE_EQ(plan.fraction(7.5), 9.0 / 11);
  EXPECT_DOUBLE_EQ(plan.remaining(7.5), 1);
}

}  // namespace

}  // namespace geoweave::detail
