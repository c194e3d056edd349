#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <climits>
#include <cstring>

#include "cli/numbers.h"
#include "cli/option_suggestion.h"

namespace geoweave::detail {

namespace {

// The kinds of value, each with the rule its messages state. The real-number
// limits keep every value finite as the float the planet stores it in.
enum class Rule {
  kSeed,
  kCount,
  kMapWidth,
  kCubeSize,
  kGltfMesh,
  kGltfTexture,
  kReal,
  kPositiveReal,
  kNotNegativeReal,
  kPercent,
  kDirectory
};

const char* ruleText(Rule rule) {
  switch (rule) {
    case Rule::kSeed:
      return "a whole number from -2147483648 to 2147483647";
    case Rule::kCount:
      return "a whole number from 1 to 2147483647";
    case Rule::kMapWidth:
      return "a whole number from 2 to 65536";
    case Rule::kCubeSize:
      return "a whole number from 1 to 16384";
    case Rule::kGltfMesh:
      return "a whole number from 1 to 1024";
    case Rule::kGltfTexture:
      return "a whole number from 1 to 16384";
    case Rule::kReal:
      return "a decimal number from -3.4e38 to 3.4e38";
    case Rule::kPositiveReal:
      return "a decimal number from 1e-38 to 3.4e38";
    case Rule::kNotNegativeReal:
      return "a decimal number from 0 to 3.4e38";
    case Rule::kPercent:
      return "a decimal number from 0 to 100";
    case Rule::kDirectory:
      return "a directory name";
  }
  return "";
}

constexpr double kRealLimit = 3.4e38;
constexpr double kSmallestPositive = 1e-38;

// Reads text by its rule; false when it does not follow it.
bool readWhole(Rule rule, const std::string& text, long long* value) {
  switch (rule) {
    case Rule::kSeed:
      return readWholeNumber(text, INT_MIN, INT_MAX, value);
    case Rule::kCount:
      return readWholeNumber(text, 1, INT_MAX, value);
    case Rule::kMapWidth:
      return readWholeNumber(text, kMinMapWidth, kMaxMapWidth, value);
    case Rule::kCubeSize:
      return readWholeNumber(text, 1, kMaxCubeSize, value);
    case Rule::kGltfMesh:
      return readWholeNumber(text, 1, kMaxGltfMesh, value);
    case Rule::kGltfTexture:
      return readWholeNumber(text, 1, kMaxGltfTexture, value);
    default:
      return false;
  }
}

bool readReal(Rule rule, const std::string& text, double* value) {
  double read = 0;
  if (!readRealNumber(text, &read)) return false;
  bool fits = false;
  switch (rule) {
    case Rule::kReal:
      fits = read >= -kRealLimit && read <= kRealLimit;
      break;
    case Rule::kPositiveReal:
      fits = read >= kSmallestPositive && read <= kRealLimit;
      break;
    case Rule::kNotNegativeReal:
      fits = read >= 0 && read <= kRealLimit;
      break;
    case Rule::kPercent:
      // The library takes any land share, as GeoweaveTest does; outside
      // 0..100 it only gives an all-sea or all-land planet, so geoweave
      // treats such a value as the slip it most likely is.
      fits = read >= 0 && read <= 100;
      break;
    default:
      break;
  }
  if (fits) *value = read;
  return fits;
}

bool follows(Rule rule, const std::string& text) {
  long long whole = 0;
  double real = 0;
  switch (rule) {
    case Rule::kSeed:
    case Rule::kCount:
    case Rule::kMapWidth:
    case Rule::kCubeSize:
    case Rule::kGltfMesh:
    case Rule::kGltfTexture:
      return readWhole(rule, text, &whole);
    case Rule::kReal:
    case Rule::kPositiveReal:
    case Rule::kNotNegativeReal:
    case Rule::kPercent:
      return readReal(rule, text, &real);
    case Rule::kDirectory:
      return !text.empty();
  }
  return false;
}

// The value-taking options, in the order --help lists them.
enum Value {
  kSeedOption,
  kWidth,
  kZoom,
  kCornerRange,
  kLand,
  kRivers,
  kTurns,
  kShareCap,
  kShade,
  kOut,
  kMapWidthOption,
  kCube,
  kGltfMeshOption,
  kGltfTextureOption,
  kGltfRadius,
  kGltfRelief,
  kGltfExaggerate,
  kValueCount
};

struct ValueOption {
  const char* name;
  const char* typeName;
  Rule rule;
  const char* help;
};

const ValueOption kValueOptions[kValueCount] = {
    {"--seed", "N", Rule::kSeed, "seed of the planet (default 19800518)"},
    {"--width", "N", Rule::kCount, "equatorial width in pixels that sizes the grid (default 512)"},
    {"--zoom", "X", Rule::kPositiveReal,
     "divides the width when sizing the grid: fewer, faster tiles (default 1)"},
    {"--corner-range", "X", Rule::kReal,
     "spread of the twelve corner elevations: more gives bigger continents (default 0.2)"},
    {"--land", "PCT", Rule::kPercent,
     "percentage of the surface that is land, 0 to 100 (default 25)"},
    {"--rivers", "PCT", Rule::kPercent,
     "percentage of land tiles that carry rivers, 0 to 100 (default 5)"},
    {"--turns", "N", Rule::kCount, "climate turns (default 10)"},
    {"--share-cap", "X", Rule::kPositiveReal,
     "cap on the fractal amplitude: 1 continents, 0.2 islands (default 0.2)"},
    {"--shade", "X", Rule::kReal,
     "strength of the relief shading; negative swaps light and dark (default 1)"},
    {"--out", "DIR", Rule::kDirectory,
     "directory for the files, created with its parents if missing (default .)"},
    {"--map-width", "N", Rule::kMapWidth,
     "width of the maps, height N/2 (default --width, within 2..65536)"},
    {"--cube", "N", Rule::kCubeSize,
     "also write the six N x N cube-map faces, ground cover and 16-bit height, in cube/"},
    {"--gltf-mesh", "N", Rule::kGltfMesh,
     "quads along each cube face's edge in planet.glb (default 128; needs --gltf)"},
    {"--gltf-texture", "N", Rule::kGltfTexture,
     "pixels along each face texture's edge in planet.glb (default 512; needs --gltf)"},
    {"--gltf-radius", "M", Rule::kPositiveReal,
     "radius of the water surface in planet.glb, metres (default 6371000; needs --gltf)"},
    {"--gltf-relief", "M", Rule::kNotNegativeReal,
     "metres from the lowest to the highest bedrock in planet.glb (default 20000; needs --gltf)"},
    {"--gltf-exaggerate", "X", Rule::kNotNegativeReal,
     "multiplies the heights in planet.glb (default 1; needs --gltf)"},
};

const char* const kFlags[] = {"--random-seed", "--frames",        "--geotiff",     "--geojson",
                              "--globe",       "--gltf",          "--quiet",       "--help",
                              "--version",     "--river-overlay", "--bold-rivers", "--world-files",
                              "--raw"};

const ValueOption* findValueOption(const std::string& name) {
  for (const ValueOption& option : kValueOptions) {
    if (name == option.name) return &option;
  }
  return nullptr;
}

}  // namespace

struct CommandLine::Texts {
  std::string values[kValueCount];
  CLI::Option* options[kValueCount] = {};
  bool randomSeed = false;
  bool frames = false;
  bool geotiff = false;
  bool geojson = false;
  bool globe = false;
  bool gltf = false;
  bool quiet = false;
  bool riverOverlay = false;
  bool boldRivers = false;
  bool worldFiles = false;
  bool raw = false;
};

CommandLine::CommandLine() : texts_(std::make_unique<Texts>()) {
  app_ = std::make_unique<CLI::App>(
      "Builds a planet from a seed and writes its maps, a 16-bit heightmap and a JSON record.",
      "geoweave");
  CLI::App& app = *app_;
  // Like getopt_long: a later value of an option replaces an earlier one
  // (each is still checked).
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.set_version_flag("--version", geoweave::version(), "print the version and exit");
  app.set_help_flag("-h,--help", "print this help and exit");
  for (int i = 0; i < kValueCount; ++i) {
    const ValueOption& entry = kValueOptions[i];
    const Rule rule = entry.rule;
    // The validator's own name stays empty so that it does not show beside
    // the type name in --help and in CLI11's messages.
    const CLI::Validator check(
        [rule](std::string& text) {
          if (follows(rule, text)) return std::string();
          return std::string("must be ") + ruleText(rule) + ", not " + quotedForMessage(text);
        },
        "");
    texts_->options[i] = app.add_option(entry.name, texts_->values[i], entry.help)
                             ->type_name(entry.typeName)
                             ->check(check);
  }
  CLI::Option* random = app.add_flag("--random-seed", texts_->randomSeed,
                                     "take a fresh seed, different on every run, and print it");
  random->excludes(texts_->options[kSeedOption]);
  app.add_flag("--frames", texts_->frames,
               "also write frames/ground-NNNN.png and frames/sheet-NNNN.png at every turn");
  app.add_flag("--geotiff", texts_->geotiff,
               "also write every field as a Float32 GeoTIFF (EPSG:4326) in layers/");
  app.add_flag("--geojson", texts_->geojson, "also write the rivers as rivers.geojson");
  app.add_flag("--globe", texts_->globe,
               "also write globe.html: the planet on a globe for a web browser, offline");
  CLI::Option* gltf = app.add_flag(
      "--gltf", texts_->gltf,
      "also write the planet as a 3D model, planet.glb (glTF 2.0 binary, metres, +Y north)");
  for (int i = kGltfMeshOption; i <= kGltfExaggerate; ++i) texts_->options[i]->needs(gltf);
  app.add_flag("--river-overlay", texts_->riverOverlay,
               "also write rivers.png: the rivers alone on a transparent map, width by flow");
  app.add_flag("--bold-rivers", texts_->boldRivers,
               "draw those rivers onto ground.png too, over its thin ones");
  app.add_flag("--world-files", texts_->worldFiles,
               "also write NAME.pgw and NAME.png.aux.xml so GIS programs place the PNG maps");
  app.add_flag("--raw", texts_->raw,
               "also write height.r16 (and cube/height-F.r16): 16-bit little-endian RAW heights");
  app.add_flag("--quiet", texts_->quiet, "show no progress");
}

CommandLine::~CommandLine() = default;

CLI::App& CommandLine::app() {
  return *app_;
}

bool CommandLine::refuseFlagValues(int argc, const char* const* argv, std::string* error) const {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--") return true;  // the rest are not options
    if (findValueOption(arg) != nullptr) {
      ++i;  // the next argument is this option's value, whatever it looks like
      continue;
    }
    for (const char* flag : kFlags) {
      const size_t length = std::strlen(flag);
      if (arg.compare(0, length, flag) == 0 && arg.size() > length && arg[length] == '=') {
        *error = std::string("geoweave: ") + flag + " takes no value, not " +
                 quotedForMessage(arg.substr(length + 1));
        return false;
      }
    }
  }
  return true;
}

bool CommandLine::resolve(int randomSeed, RunOptions* out, std::string* error) const {
  RunOptions options;
  geoweave::Settings& s = options.settings;
  bool mapWidthGiven = false;
  for (int i = 0; i < kValueCount; ++i) {
    if (texts_->options[i]->count() == 0) continue;
    const ValueOption& entry = kValueOptions[i];
    const std::string& text = texts_->values[i];
    long long whole = 0;
    double real = 0;
    const bool read = readWhole(entry.rule, text, &whole) || readReal(entry.rule, text, &real) ||
                      (entry.rule == Rule::kDirectory && !text.empty());
    if (!read) {
      *error = std::string("geoweave: ") + entry.name + ": must be " + ruleText(entry.rule) +
               ", not " + quotedForMessage(text);
      return false;
    }
    switch (static_cast<Value>(i)) {
      case kSeedOption:
        s.seed = static_cast<int>(whole);
        break;
      case kWidth:
        s.width = static_cast<int>(whole);
        break;
      case kZoom:
        s.zoom = static_cast<float>(real);
        break;
      case kCornerRange:
        s.cornerRange = static_cast<float>(real);
        break;
      case kLand:
        s.landPercent = real;
        break;
      case kRivers:
        s.riverPercent = real;
        break;
      case kTurns:
        s.turns = static_cast<int>(whole);
        break;
      case kShareCap:
        s.shareCap = static_cast<float>(real);
        break;
      case kShade:
        s.shadeScale = static_cast<float>(real);
        break;
      case kOut:
        options.outDir = text;
        break;
      case kMapWidthOption:
        options.mapWidth = static_cast<int>(whole);
        mapWidthGiven = true;
        break;
      case kCube:
        options.cubeSize = static_cast<int>(whole);
        break;
      case kGltfMeshOption:
        options.gltfMesh = static_cast<int>(whole);
        break;
      case kGltfTextureOption:
        options.gltfTexture = static_cast<int>(whole);
        break;
      case kGltfRadius:
        options.gltfRadius = real;
        break;
      case kGltfRelief:
        options.gltfRelief = real;
        break;
      case kGltfExaggerate:
        options.gltfExaggerate = real;
        break;
      case kValueCount:
        break;
    }
  }
  if (texts_->randomSeed) {
    s.seed = randomSeed;
    options.randomSeed = true;
  }
  if (!mapWidthGiven) {
    options.mapWidth = s.width < kMinMapWidth   ? kMinMapWidth
                       : s.width > kMaxMapWidth ? kMaxMapWidth
                                                : s.width;
  }
  options.mapHeight = options.mapWidth / 2;
  options.frames = texts_->frames;
  options.quiet = texts_->quiet;
  options.geotiff = texts_->geotiff;
  options.geojson = texts_->geojson;
  options.globe = texts_->globe;
  options.gltf = texts_->gltf;
  options.riverOverlay = texts_->riverOverlay;
  options.boldRivers = texts_->boldRivers;
  options.worldFiles = texts_->worldFiles;
  options.raw = texts_->raw;
  std::string reason;
  if (geoweave::validate(s, &reason) != geoweave::Status::kOk) {
    *error = "geoweave: " + reason;
    return false;
  }
  *out = options;
  return true;
}

std::string CommandLine::errorLine(const CLI::Error& error) const {
  std::string line;
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
    // CLI11 lists the strays in an order of its own; name them as given.
    std::string unknown;
    std::string stray;
    std::vector<std::string> names;
    for (const ValueOption& option : kValueOptions) names.push_back(option.name);
    names.insert(names.end(), std::begin(kFlags), std::end(kFlags));
    // After a misspelt option that was meant to take a value ("--widht
    // 64"), the next argument is that value rather than a stray.
    bool valueFollows = false;
    for (const std::string& arg : app_->remaining()) {
      const bool option = !arg.empty() && arg[0] == '-';
      if (!option && valueFollows) {
        valueFollows = false;
        continue;
      }
      std::string& list = option ? unknown : stray;
      list += (list.empty() ? "" : ", ") + quotedForMessage(arg);
      const std::string meant = option ? suggestedOption(arg, names) : std::string();
      if (!meant.empty()) list += " (did you mean " + meant + "?)";
      valueFollows = findValueOption(meant) != nullptr && arg.find('=') == std::string::npos;
    }
    if (!unknown.empty()) line = "unknown option " + unknown;
    if (!stray.empty()) {
      line += (line.empty() ? "" : "; ") + std::string("unexpected argument ") + stray +
              " (geoweave takes options only)";
    }
    if (line.empty()) line = error.what();
  } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
    // A value-taking option at the end of the line, or given "--name=".
    const std::string what = error.what();
    const ValueOption* option = findValueOption(what.substr(0, what.find(':')));
    line = option != nullptr
               ? std::string(option->name) + " needs a value: " + ruleText(option->rule)
               : what;
  } else {
    line = error.what();
  }
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return "geoweave: " + line;
}

}  // namespace geoweave::detail
