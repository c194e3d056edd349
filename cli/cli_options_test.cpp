#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <string>
#include <utility>
#include <vector>

namespace geoweave::detail {

namespace {

// Parses args as main() does; the parse error's line, or "" after a
// successful resolve into *out.
std::string parse(const std::vector<std::string>& args, RunOptions* out, int randomSeed = 0) {
  CommandLine line;
  std::vector<const char*> argv{"geoweave"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  const int argc = static_cast<int>(argv.size());
  std::string error;
  if (!line.refuseFlagValues(argc, argv.data(), &error)) return error;
  try {
    line.app().parse(argc, argv.data());
  } catch (const CLI::ParseError& failure) {
    return line.errorLine(failure);
  }
  return line.resolve(randomSeed, out, &error) ? "" : error;
}

TEST(CliOptions, DefaultsAreTheLibrarysAndTheMapFollowsTheWidth) {
  RunOptions options;
  ASSERT_EQ(parse({}, &options), "");
  const geoweave::Settings defaults;
  EXPECT_EQ(options.settings.seed, defaults.seed);
  EXPECT_EQ(options.settings.width, defaults.width);
  EXPECT_EQ(options.settings.turns, defaults.turns);
  EXPECT_EQ(options.settings.zoom, defaults.zoom);
  EXPECT_EQ(options.settings.landPercent, defaults.landPercent);
  EXPECT_EQ(options.outDir, ".");
  EXPECT_EQ(options.mapWidth, 512);
  EXPECT_EQ(options.mapHeight, 256);
  EXPECT_FALSE(options.frames || options.quiet || options.randomSeed || options.geotiff ||
               options.geojson || options.globe || options.gltf || options.riverOverlay ||
               options.boldRivers || options.worldFiles || options.raw);
  EXPECT_EQ(options.cubeSize, 0);
  // A width the maps cannot have is brought into their range.
  ASSERT_EQ(parse({"--width", "1"}, &options), "");
  EXPECT_EQ(options.mapWidth, 2);
  EXPECT_EQ(options.mapHeight, 1);
  ASSERT_EQ(parse({"--width=100000"}, &options), "");
  EXPECT_EQ(options.mapWidth, 65536);
  ASSERT_EQ(parse({"--width", "100", "--map-width", "33"}, &options), "");
  EXPECT_EQ(options.mapWidth, 33);
  EXPECT_EQ(options.mapHeight, 16);
}

TEST(CliOptions, EveryValueIsStoredAsTheSettingsHoldIt) {
  RunOptions options;
  ASSERT_EQ(
      parse({"--seed",  "-7",   "--width",  "64",  "--zoom",   "0.3",     "--corner-range", "-0.1",
             "--land",  "40.5", "--rivers", "0",   "--turns",  "3",       "--share-cap",    "1e-1",
             "--shade", "-2",   "--out",    "a/b", "--frames", "--quiet", "--turns=4"},
            &options),
      "");
  const geoweave::Settings& s = options.settings;
  EXPECT_EQ(s.seed, -7);
  EXPECT_EQ(s.width, 64);
  EXPECT_EQ(s.zoom, 0.3f);
  EXPECT_EQ(s.cornerRange, -0.1f);
  EXPECT_EQ(s.landPercent, 40.5);
  EXPECT_EQ(s.riverPercent, 0.0);
  EXPECT_EQ(s.turns, 4);  // the later value wins
  EXPECT_EQ(s.shareCap, 0.1f);
  EXPECT_EQ(s.shadeScale, -2.0f);
  EXPECT_EQ(options.outDir, "a/b");
  EXPECT_TRUE(options.frames);
  EXPECT_TRUE(options.quiet);
  ASSERT_EQ(parse({"--geotiff", "--geojson", "--globe", "--cube", "16384", "--gltf", "--gltf-mesh",
                   "1024", "--gltf-texture", "3", "--gltf-radius", "1e6", "--gltf-relief", "0",
                   "--gltf-exaggerate", "2.5"},
                  &options),
            "");
  EXPECT_TRUE(options.geotiff && options.geojson && options.globe && options.gltf);
  EXPECT_EQ(options.cubeSize, 16384);
  EXPECT_EQ(options.gltfMesh, 1024);
  EXPECT_EQ(options.gltfTexture, 3);
  EXPECT_EQ(options.gltfRadius, 1e6);
  EXPECT_EQ(options.gltfRelief, 0.0);
  EXPECT_EQ(options.gltfExaggerate, 2.5);
  // Each flag sets its own option alone.
  const std::pair<const char*, bool RunOptions::*> flags[] = {
      {"--river-overlay", &RunOptions::riverOverlay},
      {"--bold-rivers", &RunOptions::boldRivers},
      {"--world-files", &RunOptions::worldFiles},
      {"--raw", &RunOptions::raw}};
  for (const auto& [flag, member] : flags) {
    ASSERT_EQ(parse({flag}, &options), "");
    for (const auto& other : flags)
      EXPECT_EQ(options.*other.second, other.second == member) << flag;
  }
}

// The limits --help states, for every rule: each limit is taken, and the
// nearest value past it (the next double, for decimals) refused.
TEST(CliOptions, EveryRuleTakesItsLimitsAndNothingPast) {
  RunOptions options;
  const std::vector<std::vector<std::string>> taken = {
      {"--seed", "-2147483648"}, {"--seed", "2147483647"}, {"--turns", "2147483647"},
      {"--map-width", "2"},      {"--map-width", "65536"}, {"--cube", "1"},
      {"--land", "0"},           {"--land", "100"},        {"--zoom", "1e-38"},
      {"--zoom", "3.4e38"},      {"--rivers", "100"}};
  for (const std::vector<std::string>& args : taken) {
    EXPECT_EQ(parse(args, &options), "") << args[0] << ' ' << args[1];
  }
  const std::vector<std::vector<std::string>> refused = {{"--seed", "-2147483649"},
                                                         {"--turns", "2147483648"},
                                                         {"--land", "-5e-324"},
                                                         {"--land", "100.00000000000001"},
                                                         {"--zoom", "9.999999999999998e-39"},
                                                         {"--zoom", "3.4000000000000003e+38"},
                                                         {"--rivers", "-5e-324"},
                                                         {"--rivers", "100.00000000000001"}};
  for (const std::vector<std::string>& args : refused) {
    const std::string error = parse(args, &options);
    EXPECT_NE(error.find(args[0] + ": must be "), std::string::npos) << args[1] << ": " << error;
  }
}

TEST(CliOptions, RandomSeedTakesTheGivenSeedAndExcludesSeed) {
  RunOptions options;
  ASSERT_EQ(parse({"--random-seed"}, &options, 1234567), "");
  EXPECT_EQ(options.settings.seed, 1234567);
  EXPECT_TRUE(options.randomSeed);
  EXPECT_EQ(parse({"--random-seed", "--seed", "3"}, &options),
            "geoweave: --seed excludes --random-seed");
}

// The refusals main() prints: each names the option and its rule on one line
// (the whole-program tests cover every option; these are the kinds).
TEST(CliOptions, RefusalsNameTheOptionAndTheRule) {
  RunOptions options;
  EXPECT_EQ(parse({"--width", "64abc"}, &options),
            "geoweave: --width: must be a whole number from 1 to 2147483647, not '64abc'");
  // A refused value is refused even when a later one would replace it.
  EXPECT_EQ(parse({"--zoom", "nan", "--zoom", "2"}, &options),
            "geoweave: --zoom: must be a decimal number from 1e-38 to 3.4e38, not 'nan'");
  EXPECT_EQ(parse({"--turns"}, &options),
            "geoweave: --turns needs a value: a whole number from 1 to 2147483647");
  EXPECT_EQ(parse({"--out="}, &options), "geoweave: --out needs a value: a directory name");
  EXPECT_EQ(parse({"--bogus", "stray", "-w"}, &options),
            "geoweave: unknown option '--bogus', '-w'; unexpected argument 'stray' (geoweave "
            "takes options only)");
  EXPECT_EQ(parse({"--frames=no"}, &options), "geoweave: --frames takes no value, not 'no'");
  // A flag-like text as the value of --out is a directory name, not a flag.
  ASSERT_EQ(parse({"--out", "--frames=x"}, &options), "");
  EXPECT_EQ(options.outDir, "--frames=x");
  EXPECT_FALSE(options.frames);
}

// A near miss of a long option is named with the one meant: a unique start,
// or the closest within two edits; a misspelt value option's value is not a
// stray. The percentages are geoweave's 0 to 100.
TEST(CliOptions, NearMissesNameTheOptionMeantAndPercentagesStayWithinAHundred) {
  RunOptions options;
  EXPECT_EQ(parse({"--widht", "64"}, &options),
            "geoweave: unknown option '--widht' (did you mean --width?)");
  EXPECT_EQ(parse({"--wid=64", "--frmaes"}, &options),
            "geoweave: unknown option '--wid=64' (did you mean --width?), '--frmaes' (did you "
            "mean --frames?)");
  EXPECT_EQ(parse({"--sh", "1"}, &options),
            "geoweave: unknown option '--sh'; unexpected argument '1' (geoweave takes options "
            "only)");
  EXPECT_EQ(parse({"--qiet", "x"}, &options),
            "geoweave: unknown option '--qiet' (did you mean --quiet?); unexpected argument 'x' "
            "(geoweave takes options only)");
  EXPECT_EQ(parse({"--land", "100.5"}, &options),
            "geoweave: --land: must be a decimal number from 0 to 100, not '100.5'");
  EXPECT_EQ(parse({"--rivers", "-0.1"}, &options),
            "geoweave: --rivers: must be a decimal number from 0 to 100, not '-0.1'");
  ASSERT_EQ(parse({"--land", "100", "--rivers", "0"}, &options), "");
  EXPECT_EQ(options.settings.landPercent, 100);
}

}  // namespace

}  // namespace geoweave::detail
