#include "app/command_line.h"

#include <cctype>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "base/numeric.h"
#include "base/parallel.h"

namespace geoweave::detail {

const char kUsageText[] =
    "GeoweaveTest [options]\n"
    "-h              Display this help information\n"
    "-sSEED          Specify non-default seed for generation (nothing for random)\n"
    "-wWIDTH         Equatorial width of bitmap\n"
    "-zZOOM          Higher numbers reduce number of surface points (much faster)\n"
    "-cRATIO         Ratio of TPR to IPR, higher values give more continents\n"
    "-lLANDCOVER     Percentage of surface which should be land\n"
    "-rRIVERCOVERAGE Percentage of land tiles which should have rivers\n"
    "-tTURNS         Number of turns to iterate\n"
    "-gIMAGEFILE     Saves the ground cover image to IMAGEFILE.bmp\n"
    "-iSHARECAP      Recursive \"share\" cap, continents=1.0, islands=0.2\n"
    "-aALTSHADEMUL   Multiplier to apply to shading due to altitude differences\n"
    "-v              Output bitmaps each iteration, to make video files\n"
    "\n";

namespace {
constexpr size_t kMaxImageFileLength = 503;  // + ".bmp" + "%04d" fills 511

int parseIntAt(const char* p) {
  while (std::isspace(static_cast<unsigned char>(*p))) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  long long value = 0;
  for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
    if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (*p - '0');
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

struct Parser {
  RunSettings& settings;
  GenerationSettings& generation;
  RunHooks& hooks;
  SnapshotContext& snapshot;
  std::FILE* out;
  std::time_t now;

  bool fail(const char* message) const {
    std::fputs(message, out);
    std::fputs(kUsageText, out);
    return false;
  }

  // A real value stored as float; NaN, infinity or float overflow fail with
  // the option's own name.
  bool real(double value, const char* name, float& stored) const {
    if (toFiniteFloat(value, stored)) return true;
    std::fprintf(out, "%s must specify a finite value\n", name);
    std::fputs(kUsageText, out);
    return false;
  }

  bool option(const char* arg) {
    if (arg[0] != '-' || arg[1] == '\0') return unrecognized(arg);
    const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(arg[1])));
    const char* value = arg + 2;
    switch (key) {
      case 'h':
        std::fputs(kUsageText, out);
        return false;
      case 's':
        return seed(value);
      case 'w':
        settings.width = parseInt(value);
        return settings.width >= 1 || fail("-wWIDTH must specify positive width\n");
      case 'z':
        if (!real(std::strtod(value, nullptr), "-zZOOM", settings.zoom)) return false;
        return settings.zoom > 0 || fail("-zZOOM must specify positive zoom\n");
      case 'c':
        return real(std::strtod(value, nullptr), "-cRATIO", generation.cornerElevationRange);
      case 'l':
        return real(1.0 - std::strtod(value, nullptr) / 100.0, "-lLANDCOVER",
                    generation.seaFraction);
      case 'r':
        if (!real(std::strtod(value, nullptr) / 100.0, "-rRIVERCOVERAGE",
                  generation.riverFraction)) {
          return false;
        }
        return generation.riverFraction >= 0 ||
               fail("-rRIVERCOVERAGE must specify a non-negative value.");
      case 't':
        generation.turns = parseInt(value);
        return generation.turns >= 1 || fail("-tTURNS must specify positive integer value\n");
      case 'g':
        return imageFile(value);
      case 'i':
        return shareCap(value);
      case 'a':
        if (!real(std::strtod(value, nullptr), "-aALTSHADEMUL", settings.altitudeShadeScale)) {
          return false;
        }
        if (settings.altitudeShadeScale < 0) {
          std::fprintf(out, "warning: -a%.6g is gonna look pretty lame when negative\n",
                       static_cast<double>(settings.altitudeShadeScale));
        }
        return true;
      case 'v':
        hooks.turnCallback = writeTurnSnapshot;
        hooks.turnCallbackUser = &snapshot;
        buildGroundPattern(settings.groundFileName, snapshot.groundPattern);
        return true;
      default:
        return unrecognized(arg);
    }
  }

  bool unrecognized(const char* arg) const {
    std::fprintf(out, "Unrecognized option: \"%s\".", arg);
    std::fputs(kUsageText, out);
    return false;
  }

  bool seed(const char* value) {
    if (*value != '\0') {
      settings.seed = parseInt(value);
      return true;
    }
    settings.seed = static_cast<int>(now);
    std::fprintf(out, "Seed = %d\n", settings.seed);
    return true;
  }

  bool imageFile(const char* value) {
    if (*value == '\0') return fail("-gIMAGEFILE must specify a filename\n");
    const std::string name(value);
    if (name.size() > kMaxImageFileLength) {
      return fail("-gIMAGEFILE must specify a filename of at most 503 characters\n");
    }
    settings.groundFileName = name + ".bmp";
    return true;
  }

  bool shareCap(const char* value) {
    if (!real(std::strtod(value, nullptr), "-iSHARECAP", generation.shareCap)) return false;
    if (!(generation.shareCap > 0))
      return fail("-iSHARECAP must specify a positive share cap value\n");
    if (generation.shareCap < 0.2f) {
      std::fprintf(out,
                   "warning: -i%.6g has set share cap to less than 0.2, which\n"
                   "may result in the twelve triangle corner points being easily seen.",
                   static_cast<double>(generation.shareCap));
    }
    return true;
  }
};
}  // namespace

int parseInt(const char* text) {
  return parseIntAt(text);
}

int workersFromEnvironment(const char* value) {
  if (value == nullptr) return usableWorkers(0);
  char* end = nullptr;
  const long n = std::strtol(value, &end, 10);
  if (end == value || *end != '\0' || n < 1) return usableWorkers(0);
  return usableWorkers(n > kMaxWorkers ? kMaxWorkers : static_cast<int>(n));
}

bool buildGroundPattern(const std::string& fileName, char (&pattern)[1024]) {
  const size_t dot = fileName.rfind('.');
  const std::string stem = dot == std::string::npos ? fileName : fileName.substr(0, dot);
  const std::string extension = dot == std::string::npos ? "" : fileName.substr(dot);
  std::string built;
  auto appendEscaped = [&built](const std::string& text) {
    for (const char ch : text) {
      built += ch;
      if (ch == '%') built += '%';
    }
  };
  appendEscaped(stem);
  built += "%04d";
  appendEscaped(extension);
  if (built.size() >= sizeof pattern) return false;
  built.copy(pattern, built.size());
  pattern[built.size()] = '\0';
  return true;
}

ParseOutcome parseOptions(int argc, const char* const* argv, RunSettings& settings,
                          GenerationSettings& generation, RunHooks& hooks,
                          SnapshotContext& snapshot, std::FILE* out, std::time_t now) {
  Parser parser{settings, generation, hooks, snapshot, out, now};
  for (int i = 1; i < argc; ++i) {
    if (!parser.option(argv[i])) return ParseOutcome::kExit;
  }
  return ParseOutcome::kRun;
}

}  // namespace geoweave::detail
