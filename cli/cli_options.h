#pragma once

#include <memory>
#include <string>

#include "geoweave/export.h"
#include "geoweave/settings.h"

namespace CLI {
class App;
class Error;
}  // namespace CLI

namespace geoweave::detail {

// Everything one run of geoweave takes from its command line. --map-width,
// --cube, --gltf-mesh and --gltf-texture are checked against
// geoweave/export.h's kMinMapWidth, kMaxMapWidth, kMaxCubeSize,
// kMaxGltfMesh and kMaxGltfTexture; the --gltf-* options need --gltf.
struct RunOptions {
  geoweave::Settings settings;
  bool randomSeed = false;  // the seed came from --random-seed
  std::string outDir = ".";
  int mapWidth = 0;  // of the equirectangular outputs; their height is mapWidth / 2
  int mapHeight = 0;
  bool frames = false;
  bool quiet = false;
  bool geotiff = false;  // the fields as GeoTIFF rasters in layers/
  bool geojson = false;  // the rivers as rivers.geojson
  bool globe = false;    // the planet on a globe for a web browser, globe.html
  int cubeSize = 0;      // of the cube-map faces in cube/; 0 writes none
  bool gltf = false;     // the 3D model planet.glb, with the sizes and lengths below
  int gltfMesh = 128;
  int gltfTexture = 512;
  double gltfRadius = 6371000.0;
  double gltfRelief = 20000.0;
  double gltfExaggerate = 1.0;

  bool riverOverlay = false;  // rivers.png, the rivers alone on a transparent map
  bool boldRivers = false;    // the same rivers drawn onto ground.png as well
  bool worldFiles = false;    // NAME.pgw and NAME.png.aux.xml beside the PNG maps
  bool raw = false;           // height.r16 (and cube/height-F.r16)
};

// The option set of geoweave on a CLI11 parser. Values are taken as text and
// checked by the parser's validators with the rules below, so a refused
// value is reported by CLI11 with the option's name; resolve() then reads
// the checked texts into RunOptions. Parsing throws CLI11's exceptions,
// which only main() catches; nothing here throws.
class CommandLine {
 public:
  CommandLine();
  ~CommandLine();
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;

  // The parser, for main() to call parse(argc, argv) on and to print help().
  CLI::App& app();

  // CLI11 lets a flag take "--flag=value"; geoweave's flags take none. False,
  // with the line to print in *error, when an argument gives one (a value of
  // a value-taking option, such as "--out --frames=x", is not looked at).
  bool refuseFlagValues(int argc, const char* const* argv, std::string* error) const;

  // Reads the parsed texts into *out, the seed from randomSeed when
  // --random-seed was given (main() passes cli/random_seed.h's), and fills in the map size
  // (--map-width, else --width brought into kMinMapWidth..kMaxMapWidth). False, with the line to
  // print in *error, only if a text does not follow its rule after all (the validators have
  // normally refused it already) or the settings fail geoweave::validate().
  bool resolve(int randomSeed, RunOptions* out, std::string* error) const;

  // The one line (no newline) to print for a parse failure: the option
  // named, with its rule where the parser's own text lacks it, and for an
  // unknown option the one it was probably meant to be ("did you mean").
  std::string errorLine(const CLI::Error& error) const;

 private:
  struct Texts;
  std::unique_ptr<Texts> texts_;
  std::unique_ptr<CLI::App> app_;
};

}  // namespace geoweave::detail
