// Whole runs of geoweave: the files it writes read back, compared with what
// GeoweaveTest makes of the same settings and with the library's own view of
// the planet.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "geoweave/geoweave.h"
#include "testing/png_reader.h"
#include "testing/sanitizers.h"
#include "testing/test_directory.h"
#include "tests/program_runner.h"
#include "world/tile_fields.h"

extern char** environ;

namespace geoweave::detail {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using Files = std::vector<std::string>;

// A 24-bit BMP as GeoweaveTest writes it: rows bottom up, padded to four
// bytes, each pixel blue, green, red. Pixels come back top row first, RGB.
struct Bmp {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;
};

Bmp readBmp(const std::string& path) {
  const std::string bytes = readFileText(path);
  Bmp bmp;
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
    ADD_FAILURE() << path << " is not a BMP";
    return bmp;
  }
  const auto u32 = [&bytes](size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
    return v;
  };
  const uint32_t offset = u32(10);
  bmp.width = static_cast<int>(u32(18));
  bmp.height = static_cast<int>(u32(22));
  EXPECT_EQ(static_cast<uint8_t>(bytes[28]), 24) << path;
  const size_t stride = (static_cast<size_t>(bmp.width) * 3 + 3) / 4 * 4;
  if (bytes.size() < offset + stride * bmp.height) {
    ADD_FAILURE() << path << " is cut short";
    return bmp;
  }
  for (int y = 0; y < bmp.height; ++y) {
    const size_t row = offset + stride * static_cast<size_t>(bmp.height - 1 - y);
    for (int x = 0; x < bmp.width; ++x) {
      const size_t p = row + static_cast<size_t>(x) * 3;
      bmp.rgb.push_back(static_cast<uint8_t>(bytes[p + 2]));
      bmp.rgb.push_back(static_cast<uint8_t>(bytes[p + 1]));
      bmp.rgb.push_back(static_cast<uint8_t>(bytes[p]));
    }
  }
  return bmp;
}

// Every pixel of a picture GeoweaveTest wrote equals geoweave's PNG.
void expectSamePixels(const std::string& bmpPath, const std::string& pngPath) {
  SCOPED_TRACE(pngPath);
  const Bmp bmp = readBmp(bmpPath);
  const PngImage png = readPicture(pngPath);
  ASSERT_EQ(png.width, bmp.width);
  ASSERT_EQ(png.height, bmp.height);
  ASSERT_EQ(png.channels, 3);
  int differing = 0;
  for (int y = 0; y < png.height; ++y) {
    for (int x = 0; x < png.width; ++x) {
      for (int c = 0; c < 3; ++c) {
        const size_t at = (static_cast<size_t>(y) * bmp.width + x) * 3 + c;
        if (png.at(x, y, c) != bmp.rgb[at]) ++differing;
      }
    }
  }
  EXPECT_EQ(differing, 0);
}

struct GeoweaveRun : testing::Test {
  ScratchDirectory scratch;

  ProgramRun run(const std::vector<std::string>& args) {
    return runIn(GEOWEAVE_CLI_BINARY, args, scratch.work, scratch.path);
  }
  // Runs a bash command line in the working directory.
  ProgramRun shell(const std::string& command) {
    return runIn("/bin/bash", {"-c", command}, scratch.work, scratch.path);
  }
  std::string at(const std::string& name) const { return scratch.work + "/" + name; }
};

TEST_F(GeoweaveRun, StatisticsAreGeoweaveTestsToTheLastDigit) {
  const ProgramRun reference = runProgram({"-s7", "-w64", "-t2"});
  ASSERT_EQ(reference.exitCode, 0);
  const ProgramRun ours = run({"--seed", "7", "--width", "64", "--turns", "2", "--quiet"});
  ASSERT_EQ(ours.exitCode, 0) << ours.err;
  EXPECT_EQ(ours.err, "");  // --quiet: no progress
  EXPECT_EQ(ours.out, "");
  const json record = json::parse(readFileText(at("planet.json")));
  const json& s = record["statistics"];
  const auto f = [&s](const char* name) { return static_cast<double>(s[name].get<float>()); };
  char line[512];
  std::snprintf(line, sizeof line,
                "Elev(%f,%f), sealevel(%f), waterflowing(%f), rainfall(%f),\ntemp(%f,%f), "
                "TileElevDiff(%f)\n",
                f("elevationMin"), f("elevationMax"), f("seaLevel"), f("waterFlowing"),
                f("rainfall"), f("temperatureMin"), f("temperatureMax"), f("tileElevationDiff"));
  EXPECT_EQ(line, statisticsOf(reference.err));
  EXPECT_EQ(record["settings"]["seed"], 7);
  EXPECT_EQ(record["files"], json({"ground.png", "sheet.png", "height.png", "mask.png",
                                   "biomes.png", "legend.png", "planet.json"}));
  EXPECT_EQ(ours.files, (Files{"biomes.png", "ground.png", "height.png", "legend.png", "mask.png",
                               "planet.json", "sheet.png"}));
}

TEST_F(GeoweaveRun, FramesAreGeoweaveTestsFramesPixelForPixel) {
  const ScratchDirectory reference;
  ASSERT_EQ(runIn(GEOWEAVE_BINARY, {"-w64", "-t3", "-v"}, reference.work, reference.path).exitCode,
            0);
  const ProgramRun ours = run({"--width", "64", "--turns", "3", "--frames", "--out", "o"});
  ASSERT_EQ(ours.exitCode, 0) << ours.err;
  for (int turn = 0; turn < 3; ++turn) {
    const std::string n = "000" + std::to_string(turn);
    expectSamePixels(reference.work + "/grnd" + n + ".bmp", at("o/frames/ground-" + n + ".png"));
    expectSamePixels(reference.work + "/all" + n + ".bmp", at("o/frames/sheet-" + n + ".png"));
  }
  const json record = json::parse(readFileText(at("o/planet.json")));
  EXPECT_EQ(record["files"].size(), 13u);
  EXPECT_EQ(record["files"][0], "frames/ground-0000.png");
}

// The pictures' formats and sizes, and the heightmap against the library's
// ground heights at the pixels' places as planet.json gives them.
TEST_F(GeoweaveRun, PicturesReadBackAndTheHeightmapRisesWithTheGround) {
  const ProgramRun ours =
      run({"--seed", "5", "--width", "64", "--turns", "2", "--map-width", "90", "--out", "a/b"});
  ASSERT_EQ(ours.exitCode, 0) << ours.err;
  const PngImage ground = readPicture(at("a/b/ground.png"));
  const PngImage sheet = readPicture(at("a/b/sheet.png"));
  const PngImage height = readPicture(at("a/b/height.png"));
  EXPECT_EQ((std::vector<int>{ground.width, ground.height, ground.bitDepth, ground.colorType}),
            (std::vector<int>{90, 45, 8, 2}));
  EXPECT_EQ((std::vector<int>{sheet.width, sheet.height, sheet.bitDepth, sheet.colorType}),
            (std::vector<int>{180, 135, 8, 2}));
  EXPECT_EQ((std::vector<int>{height.width, height.height, height.bitDepth, height.colorType}),
            (std::vector<int>{90, 45, 16, 0}));

  geoweave::Settings settings;
  settings.seed = 5;
  settings.width = 64;
  settings.turns = 2;
  geoweave::Planet planet;
  ASSERT_EQ(planet.generate(settings, {}, nullptr), geoweave::Status::kOk);
  const json record = json::parse(readFileText(at("a/b/planet.json")));
  const json& rule = record["pixels"]["height.png"];
  struct Point {
    float ground;
    uint16_t value;
  };
  std::vector<Point> points;
  // The rule as a reader of planet.json applies it.
  for (int y = 0; y < height.height; ++y) {
    for (int x = 0; x < height.width; ++x) {
      const double longitude =
          rule["longitudeOfColumn0"].get<double>() + x * rule["degreesPerColumn"].get<double>();
      const double latitude =
          rule["latitudeOfRow0"].get<double>() + y * rule["degreesPerRow"].get<double>();
      points.push_back(
          {planet.sample(geoweave::Field::kGround, latitude, longitude), height.at(x, y, 0)});
    }
  }
  std::sort(points.begin(), points.end(),
            [](const Point& a, const Point& b) { return a.ground < b.ground; });
  int falls = 0;
  for (size_t i = 1; i < points.size(); ++i) {
    if (points[i].value < points[i - 1].value) ++falls;
  }
  EXPECT_EQ(falls, 0);
  EXPECT_LT(points.front().value, points.back().value);
  // Ground below the recorded sea level lies below its place on the scale,
  // ground above it above.
  const float sea = record["seaLevel"]["height"].get<float>();
  const double seaOnScale = record["seaLevel"]["heightmap"].get<double>();
  int below = 0;
  for (const Point& p : points) {
    if (p.ground < sea) {
      ++below;
      EXPECT_LE(p.value, std::ceil(seaOnScale));
    } else if (p.ground > sea) {
      EXPECT_GE(p.value, std::floor(seaOnScale));
    }
  }
  EXPECT_GT(below, 0);
  EXPECT_LT(below, static_cast<int>(points.size()));
  EXPECT_EQ(rule["value0"].get<float>(), planet.statistics().elevationMin);
}

// The rivers drawn on ground.png follow the overlay's rules: a segment that
// starts at full strength on fully open land starts with the river colour
// itself, and no pixel over sea differs from the same planet drawn with its
// other river choice (the rivers are picked after the last turn, so the
// river share changes nothing else). The one exception is the line
// drawing's own: a segment whose ends fall on one pixel is a dot blended
// without the land mask (see image/line_drawing_test.cpp).
TEST_F(GeoweaveRun, RiversAreDrawnOnLandOnly) {
  const int w = 128, h = 64;
  const ProgramRun ours = run({"--seed", "3", "--width", "128", "--turns", "4", "--rivers", "30"});
  ASSERT_EQ(ours.exitCode, 0) << ours.err;
  const PngImage ground = readPicture(at("ground.png"));
  ASSERT_EQ(ground.width, w);
  ASSERT_EQ(ground.height, h);

  geoweave::Settings settings;
  settings.seed = 3;
  settings.width = 128;
  settings.turns = 4;
  settings.riverPercent = 30;
  geoweave::Planet planet;
  ASSERT_EQ(planet.generate(settings, {}, nullptr), geoweave::Status::kOk);
  std::vector<std::vector<float>> fields;
  ASSERT_EQ(planet.sampleMaps({geoweave::Field::kWaterDepth, geoweave::Field::kWaterFlow,
                               geoweave::Field::kTemperature},
                              w, h, geoweave::MapLayout::kFrame, &fields, nullptr),
            geoweave::Status::kOk);
  const auto isSea = [&fields, w](int x, int y) {
    Tile t;
    t.waterDepth = fields[0][static_cast<size_t>(y) * w + x];
    t.waterFlow = fields[1][static_cast<size_t>(y) * w + x];
    return t.isSea();
  };

  // Where the lines put a river end: rounded halves away from zero, rows
  // counted from the bottom.
  const auto pixelOf = [w, h](const geoweave::RiverEnd& end) {
    const double fx = w * static_cast<double>(end.longitude);
    const double fy = h * static_cast<double>(end.latitude);
    const int x = static_cast<int>(fx >= 0 ? std::trunc(fx + 0.5) : std::trunc(fx - 0.5));
    const int up = static_cast<int>(fy >= 0 ? std::trunc(fy + 0.5) : std::trunc(fy - 0.5));
    return std::make_pair(x, h - 1 - up);
  };
  std::set<std::pair<int, int>> dots;
  const auto addDots = [&dots, &pixelOf](const geoweave::Rivers& rivers) {
    for (const geoweave::RiverSegment& segment : rivers.segments) {
      if (pixelOf(segment.from) == pixelOf(segment.to)) dots.insert(pixelOf(segment.from));
    }
  };

  const geoweave::Rivers rivers = planet.rivers();
  ASSERT_GT(rivers.segments.size(), 100u);
  addDots(rivers);
  int fullStarts = 0;
  for (const geoweave::RiverSegment& segment : rivers.segments) {
    const bool fullStrength = rivers.majorThreshold == rivers.threshold
                                  ? segment.from.flow > rivers.threshold
                                  : segment.from.flow >= rivers.majorThreshold;
    const auto [x, y] = pixelOf(segment.from);
    // A dot takes the mean of its two ends' strengths.
    const bool dot = pixelOf(segment.from) == pixelOf(segment.to);
    if (!fullStrength || dot || x < 0 || x >= w || y < 0 || y >= h) continue;
    // Land without ice lets the line through at full strength.
    if (isSea(x, y) || fields[2][static_cast<size_t>(y) * w + x] < 5.0f) continue;
    ++fullStarts;
    EXPECT_EQ((std::vector<int>{ground.at(x, y, 0), ground.at(x, y, 1), ground.at(x, y, 2)}),
              (std::vector<int>{51, 51, 204}))
        << x << "," << y;
  }
  EXPECT_GT(fullStarts, 5);

  settings.riverPercent = 1;
  geoweave::Planet fewer;
  ASSERT_EQ(fewer.generate(settings, {}, nullptr), geoweave::Status::kOk);
  geoweave::Image other;
  ASSERT_EQ(fewer.renderGround(w, h, &other, nullptr), geoweave::Status::kOk);
  addDots(fewer.rivers());
  int seaPixels = 0;
  int landChanged = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      bool same = true;
      for (int c = 0; c < 3; ++c) same = same && ground.at(x, y, c) == other.pixel(x, y)[c];
      if (isSea(x, y) && dots.count({x, y}) == 0) {
        ++seaPixels;
        EXPECT_TRUE(same) << "river over sea at " << x << "," << y;
      } else if (!same) {
        ++landChanged;
      }
    }
  }
  EXPECT_GT(seaPixels, w * h / 2);
  EXPECT_GT(landChanged, 50);
}

// A file standing where --out should be a directory: nothing can be
// written, so the run ends before generating, with one line and code 2.
TEST_F(GeoweaveRun, OutputDirectoryThatCannotBeMadeEndsTheRun) {
  std::ofstream(at("taken")).put('x');
  const ProgramRun ours = run({"--width", "16", "--turns", "1", "--out", "taken/maps", "--quiet"});
  EXPECT_EQ(ours.exitCode, 2);
  EXPECT_EQ(ours.err, "geoweave: cannot create directory taken/maps: Not a directory\n");
  EXPECT_EQ(ours.files, Files{"taken"});
}

// A directory standing where ground.png should go: that file is named with
// its reason, every other file is still written, and the exit code is 2.
TEST_F(GeoweaveRun, UnwritableFileIsReportedAndTheRestWritten) {
  fs::create_directory(at("ground.png"));
  const ProgramRun ours = run({"--width", "16", "--turns", "1", "--quiet"});
  EXPECT_EQ(ours.exitCode, 2);
  EXPECT_EQ(ours.err, "geoweave: cannot write ground.png: Is a directory\n");
  EXPECT_EQ(ours.files, (Files{"biomes.png", "ground.png", "height.png", "legend.png", "mask.png",
                               "planet.json", "sheet.png"}));
  EXPECT_TRUE(fs::is_directory(at("ground.png")));
  const json record = json::parse(readFileText(at("planet.json")));
  EXPECT_EQ(record["files"], json({"sheet.png", "height.png", "mask.png", "biomes.png",
                                   "legend.png", "planet.json"}));
}

// Not on a terminal, the progress is one plain line per step, every climate
// turn among them, with a share that never falls and ends at 100%.
TEST_F(GeoweaveRun, ALogOfTheProgressHasALinePerTurn) {
  const ProgramRun ours = run({"--width", "32", "--turns", "4", "--cube", "8"});
  ASSERT_EQ(ours.exitCode, 0) << ours.err;
  EXPECT_EQ(ours.err.find('\r'), std::string::npos);
  std::vector<std::string> steps;
  int lastPercent = 0;
  std::istringstream lines(ours.err);
  for (std::string line; std::getline(lines, line);) {
    // "[ 42%    1.3 s] Climate turn 4 of 10"
    int percent = -1;
    double seconds = -1;
    int step = 0;
    ASSERT_EQ(std::sscanf(line.c_str(), "[%d%% %lf s] %n", &percent, &seconds, &step), 2) << line;
    ASSERT_GT(step, 0) << line;
    EXPECT_GE(seconds, 0) << line;
    EXPECT_GE(percent, lastPercent) << line;
    lastPercent = percent;
    steps.push_back(line.substr(static_cast<size_t>(step)));
  }
  std::vector<std::string> turns;
  for (const std::string& step : steps) {
    if (step.compare(0, 13, "Climate turn ") == 0) turns.push_back(step);
  }
  EXPECT_EQ(turns, (Files{"Climate turn 1 of 4", "Climate turn 2 of 4", "Climate turn 3 of 4",
                          "Climate turn 4 of 4"}));
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.back(), "Done");
  EXPECT_EQ(lastPercent, 100);
  EXPECT_EQ(std::set<std::string>(steps.begin(), steps.end()).size(), steps.size());
}

// The shell's quoting of a path for bash -c.
std::string quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Memory running out after generation ends the stage it ran out in, named,
// and the run goes on: the other files and planet.json are written, and no
// scratch file is left. A cube face of 16384 pixels needs gigabytes, far
// past the limit, while the planet of width 16 needs little.
TEST_F(GeoweaveRun, MemoryRunningOutNamesWhatItWasDoingAndKeepsTheRest) {
#if defined(GEOWEAVE_ASAN)
  GTEST_SKIP() << "the address sanitizer reserves terabytes of address space at start, so "
                  "no program of this build runs under ulimit -v";
#else
  // One malloc arena: each thread's own would reserve 64 MB of address
  // space, and how many threads run depends on the machine.
  const ProgramRun ours =
      shell("ulimit -v 400000 && MALLOC_ARENA_MAX=1 exec " + quoted(GEOWEAVE_CLI_BINARY) +
            " --width 16 --turns 1 --quiet --geojson --cube 16384");
  EXPECT_EQ(ours.exitCode, 2);
  std::string expected;
  for (const char* face : {"px", "nx", "py", "ny", "pz", "nz"}) {
    expected += std::string("geoweave: error: out of memory while drawing cube/ground-") + face +
                ".png\n" + "geoweave: error: out of memory while sampling cube/height-" + face +
                ".png\n";
  }
  EXPECT_EQ(ours.err, expected);
  EXPECT_EQ(ours.files, (Files{"biomes.png", "cube", "ground.png", "height.png", "legend.png",
                               "mask.png", "planet.json", "rivers.geojson", "sheet.png"}));
  EXPECT_TRUE(fs::is_empty(at("cube")));
  const json record = json::parse(readFileText(at("planet.json")));
  EXPECT_EQ(record["files"], json({"ground.png", "sheet.png", "height.png", "mask.png",
                                   "biomes.png", "legend.png", "rivers.geojson", "planet.json"}));
#endif
}

// Past the file-size limit (ulimit -f) a write fails instead of ending the
// run with SIGXFSZ: every file is named with the reason, on PNG, GeoTIFF
// (whose header is the first write), GeoJSON and JSON alike, and no scratch
// file is left. The limit is the program's alone: its messages go through a
// pipe to a cat that writes them to the file the test reads.
TEST_F(GeoweaveRun, FileSizeLimitIsToldForEveryFile) {
  const ProgramRun ours =
      shell("(ulimit -f 0 && exec " + quoted(GEOWEAVE_CLI_BINARY) +
            " --width 16 --turns 1 --quiet --geotiff --geojson) 2>&1 | cat >&2; "
            "exit ${PIPESTATUS[0]}");
  EXPECT_EQ(ours.exitCode, 2);
  std::string expected;
  for (const char* name : {"ground.png",
                           "sheet.png",
                           "height.png",
                           "mask.png",
                           "biomes.png",
                           "legend.png",
                           "layers/elevation.tif",
                           "layers/ground.tif",
                           "layers/surface.tif",
                           "layers/water-depth.tif",
                           "layers/temperature.tif",
                           "layers/rain.tif",
                           "layers/humidity.tif",
                           "layers/sediment.tif",
                           "layers/water-flow.tif",
                           "layers/rivers.tif",
                           "layers/land.tif",
                           "layers/biome.tif",
                           "layers/biome.tif.aux.xml",
                           "rivers.geojson",
                           "planet.json"}) {
    expected += std::string("geoweave: cannot write ") + name + ": File too large\n";
  }
  EXPECT_EQ(ours.err, expected);
  EXPECT_EQ(ours.files, Files{"layers"});
  EXPECT_TRUE(fs::is_empty(at("layers")));
}

// A reader of standard error that goes away does not end the run with
// SIGPIPE: the messages are lost, the files are written, and the exit code
// tells of the files alone.
TEST_F(GeoweaveRun, ClosedStandardErrorDoesNotStopTheRun) {
  int pipeFds[2];
  ASSERT_EQ(pipe(pipeFds), 0);
  close(pipeFds[0]);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
  posix_spawn_file_actions_addchdir_np(&actions, scratch.work.c_str());
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t pipeSignal;
  sigemptyset(&pipeSignal);
  sigaddset(&pipeSignal, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &pipeSignal);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  std::string program = GEOWEAVE_CLI_BINARY;
  std::vector<std::string> args = {program, "--width", "16", "--turns", "1", "--frames"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(pipeFds[1]);
  ASSERT_EQ(spawned, 0);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  const json record = json::parse(readFileText(at("planet.json")));
  EXPECT_EQ(record["files"].size(), 9u);
}

// While one run holds the output folder another is refused before it
// writes anything, naming the holder; once the folder is free the next run
// writes it, removes the scratch files a killed run left there, and leaves
// no lock file behind.
TEST_F(GeoweaveRun, FolderInUseIsRefusedAndFreedAfterwards) {
  fs::create_directories(at("o/layers"));
  const int lock = open(at("o/.geoweave.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_GE(lock, 0);
  ASSERT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0);
  const std::string pid = std::to_string(getpid());
  ASSERT_EQ(write(lock, (pid + "\n").data(), pid.size() + 1), static_cast<ssize_t>(pid.size() + 1));
  const std::vector<std::string> args = {"--width", "16",        "--turns", "1",
                                         "--quiet", "--geotiff", "--out",   "o"};
  const ProgramRun refused = run(args);
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.err, "geoweave: error: o is being written by another run (pid " + pid + ")\n");
  EXPECT_FALSE(fs::exists(at("o/planet.json")));
  close(lock);

  // A run killed before this one left its scratch files; its process is gone.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) _exit(0);
  ASSERT_EQ(waitpid(child, nullptr, 0), child);
  const std::string gone = std::to_string(child);
  std::ofstream(at("o/ground.png." + gone + ".0.tmp")) << "partial";
  std::ofstream(at("o/layers/rain.tif." + gone + ".3.tmp")) << "partial";
  const ProgramRun freed = run(args);
  EXPECT_EQ(freed.exitCode, 0) << freed.err;
  Files left;
  for (const auto& entry : fs::recursive_directory_iterator(at("o"))) {
    const std::string name = entry.path().filename().string();
    if (name.find(".tmp") != std::string::npos || name == ".geoweave.lock") left.push_back(name);
  }
  EXPECT_EQ(left, Files{});
}

}  // namespace

}  // namespace geoweave::detail
