#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/snapshot.h"
#include "base/parallel.h"
#include "world/generation_settings.h"
#include "world/run_hooks.h"

namespace geoweave::detail {

namespace {

// One parse with its own records; what it writes is kept in out.
struct Parse {
  RunSettings settings;
  GenerationSettings generation;
  RunHooks hooks;
  SnapshotContext snapshot;
  std::string out;

  ParseOutcome run(const std::vector<std::string>& args, std::time_t now = 1700000000) {
    std::vector<const char*> argv = {"GeoweaveTest"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    const ParseOutcome outcome = parseOptions(static_cast<int>(argv.size()), argv.data(), settings,
                                              generation, hooks, snapshot, stream, now);
    std::fclose(stream);
    out.assign(buffer, size);
    std::free(buffer);
    return outcome;
  }
};

TEST(OptionsParse, NoArgumentsKeepTheDefaults) {
  Parse p;
  EXPECT_EQ(p.run({}), ParseOutcome::kRun);
  EXPECT_EQ(p.out, "");
  EXPECT_EQ(p.settings.seed, 19800518);
  EXPECT_EQ(p.settings.width, 512);
  EXPECT_EQ(p.settings.zoom, 1.0f);
  EXPECT_EQ(p.settings.groundFileName, "grnd.bmp");
  EXPECT_EQ(p.generation.turns, 10);
  EXPECT_EQ(p.generation.shareCap, 0.2f);
  EXPECT_EQ(p.hooks.turnCallback, nullptr);
  EXPECT_STREQ(p.snapshot.groundPattern, "grnd%04d.bmp");
  EXPECT_STREQ(p.snapshot.allPattern, "all%04d.bmp");
}

TEST(OptionsParse, ValuesLandInTheirFields) {
  Parse p;
  ASSERT_EQ(p.run({"-s-7", "-W640", "-z2.5", "-c0.4", "-l100", "-r100", "-T3", "-i1", "-a2"}),
            ParseOutcome::kRun);
  EXPECT_EQ(p.out, "");
  EXPECT_EQ(p.settings.seed, -7);
  EXPECT_EQ(p.settings.width, 640);
  EXPECT_EQ(p.settings.zoom, 2.5f);
  EXPECT_EQ(p.generation.cornerElevationRange, 0.4f);
  EXPECT_EQ(p.generation.seaFraction, 0.0f);
  EXPECT_EQ(p.generation.riverFraction, 1.0f);
  EXPECT_EQ(p.generation.turns, 3);
  EXPECT_EQ(p.generation.shareCap, 1.0f);
  EXPECT_EQ(p.settings.altitudeShadeScale, 2.0f);

  // Land and river shares are percentages; out-of-range land is accepted.
  Parse q;
  ASSERT_EQ(q.run({"-l0", "-r0", "-c-3"}), ParseOutcome::kRun);
  EXPECT_EQ(q.generation.seaFraction, 1.0f);
  EXPECT_EQ(q.generation.riverFraction, 0.0f);
  EXPECT_EQ(q.generation.cornerElevationRange, -3.0f);
  ASSERT_EQ(q.run({"-l150"}), ParseOutcome::kRun);
  EXPECT_EQ(q.generation.seaFraction, -0.5f);
}

TEST(OptionsParse, EmptySeedTakesTheClockAndSaysSo) {
  Parse p;
  ASSERT_EQ(p.run({"-s"}, 1234567), ParseOutcome::kRun);
  EXPECT_EQ(p.settings.seed, 1234567);
  EXPECT_EQ(p.out, "Seed = 1234567\n");
}

TEST(OptionsParse, HelpAndFailuresWriteToTheGivenStream) {
  Parse help;
  EXPECT_EQ(help.run({"-h", "-w16"}), ParseOutcome::kExit);
  EXPECT_EQ(help.out, kUsageText);
  EXPECT_EQ(help.settings.width, 512);

  Parse bad;
  EXPECT_EQ(bad.run({"-w0"}), ParseOutcome::kExit);
  EXPECT_EQ(bad.out, std::string("-wWIDTH must specify positive width\n") + kUsageText);
}

TEST(OptionsParse, RealValuesMustFitAFloat) {
  Parse p;
  // Just above FLT_MAX still rounds to it; a little further it would not.
  ASSERT_EQ(p.run({"-a3.40282356e38"}), ParseOutcome::kRun);
  EXPECT_EQ(p.settings.altitudeShadeScale, FLT_MAX);
  Parse q;
  EXPECT_EQ(q.run({"-a3.4028236e38"}), ParseOutcome::kExit);
  EXPECT_EQ(q.out, std::string("-aALTSHADEMUL must specify a finite value\n") + kUsageText);
  // A positive zoom too small for a float becomes 0 and fails as not positive.
  Parse r;
  EXPECT_EQ(r.run({"-z1e-50"}), ParseOutcome::kExit);
  EXPECT_EQ(r.out, std::string("-zZOOM must specify positive zoom\n") + kUsageText);
}

TEST(OptionsGroundPattern, FollowsTheNameGivenBeforeV) {
  Parse after;
  ASSERT_EQ(after.run({"-gworld", "-v"}), ParseOutcome::kRun);
  EXPECT_EQ(after.settings.groundFileName, "world.bmp");
  EXPECT_STREQ(after.snapshot.groundPattern, "world%04d.bmp");
  EXPECT_STREQ(after.snapshot.allPattern, "all%04d.bmp");
  EXPECT_EQ(after.hooks.turnCallback, &writeTurnSnapshot);
  EXPECT_EQ(after.hooks.turnCallbackUser, &after.snapshot);

  Parse before;
  ASSERT_EQ(before.run({"-v", "-gworld"}), ParseOutcome::kRun);
  EXPECT_EQ(before.settings.groundFileName, "world.bmp");
  EXPECT_STREQ(before.snapshot.groundPattern, "grnd%04d.bmp");
}

TEST(OptionsGroundPattern, CutsAtTheLastDotAndEscapesPercent) {
  char pattern[1024];
  ASSERT_TRUE(buildGroundPattern("50%land.bmp", pattern));
  EXPECT_STREQ(pattern, "50%%land%04d.bmp");
  ASSERT_TRUE(buildGroundPattern("a.b.bmp", pattern));
  EXPECT_STREQ(pattern, "a.b%04d.bmp");
  ASSERT_TRUE(buildGroundPattern("world", pattern));
  EXPECT_STREQ(pattern, "world%04d");

  // The longest accepted name, all '%', still gives a whole 511-character name.
  ASSERT_TRUE(buildGroundPattern(std::string(503, '%') + ".bmp", pattern));
  char name[512];
  formatSnapshotName(pattern, 0, name);
  EXPECT_EQ(std::string(name), std::string(503, '%') + "0000.bmp");

  // A pattern that does not fit is refused and leaves the old one alone.
  EXPECT_FALSE(buildGroundPattern(std::string(1100, 'a') + ".bmp", pattern));
  EXPECT_STREQ(pattern, std::string(503 * 2, '%').append("%04d.bmp").c_str());
}

TEST(OptionsParseInt, ReadsLikeAtoiButSaturates) {
  const struct {
    const char* text;
    int value;
  } cases[] = {
      {"42", 42},
      {"  \t\n42", 42},
      {"+5", 5},
      {"-5", -5},
      {"12abc", 12},
      {"1e5", 1},
      {"0x1F", 0},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"+-3", 0},
      {"- 3", 0},
      {"000000000000000000000000042", 42},
      {"-00000000000000000000000012", -12},
      {"2147483647", INT_MAX},
      {"2147483648", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-2147483649", INT_MIN},
      {"99999999999999999999999", INT_MAX},
      {"-99999999999999999999999", INT_MIN},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseInt(c.text), c.value) << '"' << c.text << '"';
  }
  EXPECT_EQ(parseInt(std::string(10000, '9').c_str()), INT_MAX);
}

}  // namespace

TEST(WorkerSetting, WholeNumbersUpToTheLimitOtherwiseEveryProcessor) {
  EXPECT_EQ(workersFromEnvironment("1"), 1);
  EXPECT_EQ(workersFromEnvironment("7"), 7);
  EXPECT_EQ(workersFromEnvironment("999"), kMaxWorkers);
  for (const char* unusable : {"", "0", "-3", "2x", "two"}) {
    EXPECT_EQ(workersFromEnvironment(unusable), availableProcessors()) << unusable;
  }
  EXPECT_EQ(workersFromEnvironment(nullptr), availableProcessors());
}

}  // namespace geoweave::detail
