// geoweave's command line as a user meets it: help, version, the clock seed
// and every kind of refused value.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "geoweave/settings.h"
#include "testing/test_directory.h"
#include "tests/program_runner.h"

namespace geoweave::detail {

namespace {

ProgramRun runGeoweave(const std::vector<std::string>& args, const ScratchDirectory& scratch) {
  return runIn(GEOWEAVE_CLI_BINARY, args, scratch.work, scratch.path);
}

TEST(GeoweaveCommandLine, HelpAndVersionPrintOnStandardOutputAndExitWithZero) {
  const ScratchDirectory scratch;
  const ProgramRun help = runGeoweave({"--help"}, scratch);
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.err, "");
  const char* const options[] = {"--seed",
                                 "--random-seed",
                                 "--width",
                                 "--zoom",
                                 "--corner-range",
                                 "--land",
                                 "--rivers",
                                 "--turns",
                                 "--share-cap",
                                 "--shade",
                                 "--out",
                                 "--map-width",
                                 "--frames",
                                 "--geotiff",
                                 "--geojson",
                                 "--globe",
                                 "--cube",
                                 "--gltf",
                                 "--gltf-mesh",
                                 "--gltf-texture",
                                 "--gltf-radius",
                                 "--gltf-relief",
                                 "--gltf-exaggerate",
                                 "--river-overlay",
                                 "--bold-rivers",
                                 "--world-files",
                                 "--raw",
                                 "--quiet",
                                 "--version"};
  for (const char* option : options) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  const ProgramRun version = runGeoweave({"--version"}, scratch);
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, std::string("geoweave ") + geoweave::version() + "\n");
  EXPECT_TRUE(version.files.empty());
}

TEST(GeoweaveCommandLine, RandomSeedIsPrintedAndRecorded) {
  const ScratchDirectory scratch;
  const ProgramRun run =
      runGeoweave({"--random-seed", "--width", "16", "--turns", "1", "--quiet"}, scratch);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<std::string> seed;
  ASSERT_TRUE(matchesShape(run.err, "seed: @\n", &seed)) << run.err;
  const nlohmann::json record = nlohmann::json::parse(readFileText(scratch.work + "/planet.json"));
  EXPECT_EQ(std::to_string(record["settings"]["seed"].get<int>()), seed[0]);
  EXPECT_TRUE(record["settings"]["seedFromClock"].get<bool>());
}

// -h is --help; runs started in the same second get seeds of their own;
// GEOWEAVE_THREADS is honoured, and a value it cannot mean is refused.
TEST(GeoweaveCommandLine, ShortHelpFreshSeedsAndTheThreadSetting) {
  const ScratchDirectory scratch;
  const ProgramRun help = runGeoweave({"--help"}, scratch);
  const ProgramRun shortHelp = runGeoweave({"-h"}, scratch);
  EXPECT_EQ(shortHelp.exitCode, 0);
  EXPECT_EQ(shortHelp.out, help.out);

  std::vector<std::string> seeds;
  for (int i = 0; i < 2; ++i) {
    const ProgramRun run =
        runGeoweave({"--random-seed", "--width", "2", "--turns", "1", "--quiet"}, scratch);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(matchesShape(run.err, "seed: @\n", &seeds)) << run.err;
  }
  EXPECT_NE(seeds[0], seeds[1]);

  // The runs are children and inherit the variable; the one this process
  // had is put back.
  const char* had = std::getenv("GEOWEAVE_THREADS");
  const std::string kept = had != nullptr ? had : "";
  ASSERT_EQ(setenv("GEOWEAVE_THREADS", "17", 1), 0);
  const ProgramRun refused = runGeoweave({"--width", "2", "--turns", "1"}, scratch);
  ASSERT_EQ(setenv("GEOWEAVE_THREADS", "1", 1), 0);
  const ProgramRun one = runGeoweave({"--width", "2", "--turns", "1", "--quiet"}, scratch);
  if (had != nullptr) {
    setenv("GEOWEAVE_THREADS", kept.c_str(), 1);
  } else {
    unsetenv("GEOWEAVE_THREADS");
  }
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err,
            "geoweave: GEOWEAVE_THREADS must be a whole number from 1 to 16, not '17'\n");
  EXPECT_EQ(one.exitCode, 0) << one.err;
}

struct Refusal {
  std::vector<std::string> args;
  std::string message;
};

std::ostream& operator<<(std::ostream& out, const Refusal& refusal) {
  for (const std::string& arg : refusal.args) out << arg << ' ';
  return out;
}

class GeoweaveRefusal : public testing::TestWithParam<Refusal> {};

// One line on standard error naming the option and its rule, nothing on
// standard output, no file, exit code 1.
TEST_P(GeoweaveRefusal, OneLineNamesTheOptionAndItsRule) {
  const ScratchDirectory scratch;
  const ProgramRun run = runGeoweave(GetParam().args, scratch);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, GetParam().message + "\n");
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(run.files.empty());
}

const char kSeedRule[] = "a whole number from -2147483648 to 2147483647";
const char kCountRule[] = "a whole number from 1 to 2147483647";
const char kRealRule[] = "a decimal number from -3.4e38 to 3.4e38";
const char kPositiveRule[] = "a decimal number from 1e-38 to 3.4e38";
const char kPercentRule[] = "a decimal number from 0 to 100";

Refusal refused(const std::string& option, const std::string& value, const std::string& rule) {
  return {{option, value}, "geoweave: " + option + ": must be " + rule + ", not '" + value + "'"};
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, GeoweaveRefusal,
    testing::Values(
        refused("--seed", "x", kSeedRule), refused("--seed", "2147483648", kSeedRule),
        refused("--width", "64abc", kCountRule), refused("--width", "0", kCountRule),
        refused("--width", "1e3", kCountRule), refused("--width", "0x40", kCountRule),
        refused("--zoom", "0", kPositiveRule), refused("--zoom", "nan", kPositiveRule),
        refused("--zoom", "inf", kPositiveRule), refused("--corner-range", "1e39", kRealRule),
        refused("--land", "-inf", kPercentRule), refused("--land", "25%", kPercentRule),
        refused("--land", "101", kPercentRule), refused("--rivers", "-1", kPercentRule),
        refused("--turns", "0", kCountRule), refused("--turns", "2.5", kCountRule),
        refused("--share-cap", "-0.2", kPositiveRule), refused("--shade", "1,5", kRealRule),
        refused("--map-width", "1", "a whole number from 2 to 65536"),
        refused("--map-width", "65537", "a whole number from 2 to 65536"),
        refused("--out", "", "a directory name"),
        refused("--cube", "0", "a whole number from 1 to 16384"),
        refused("--cube", "16385", "a whole number from 1 to 16384"),
        Refusal{{"--gltf", "--gltf-mesh", "1025"},
                "geoweave: --gltf-mesh: must be a whole number from 1 to 1024, not '1025'"},
        Refusal{{"--gltf", "--gltf-radius", "0"},
                "geoweave: --gltf-radius: must be " + std::string(kPositiveRule) + ", not '0'"},
        Refusal{{"--gltf-relief", "1"}, "geoweave: --gltf-relief requires --gltf"},
        Refusal{{"--geotiff=yes"}, "geoweave: --geotiff takes no value, not 'yes'"},
        Refusal{{"--width"}, "geoweave: --width needs a value: " + std::string(kCountRule)},
        Refusal{{"--zoom="}, "geoweave: --zoom needs a value: " + std::string(kPositiveRule)},
        Refusal{{"--bogus", "1"},
                "geoweave: unknown option '--bogus'; unexpected argument '1' (geoweave takes "
                "options only)"},
        Refusal{{"-w64"}, "geoweave: unknown option '-w64'"},
        Refusal{{"--quiet=no"}, "geoweave: --quiet takes no value, not 'no'"},
        Refusal{{"--seed", "1", "--random-seed"}, "geoweave: --seed excludes --random-seed"}));

}  // namespace

}  // namespace geoweave::detail
