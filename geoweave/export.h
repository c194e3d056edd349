#pragma once

// A planet folder: the files geoweave writes after generation, for programs
// that read PNG, GeoTIFF, GeoJSON and JSON. A short use:
//
//   geoweave::ExportOptions options;
//   options.outDir = "world";
//   options.mapWidth = 1024;
//   options.mapHeight = 512;
//   geoweave::ExportResult result;
//   std::string error;
//   if (geoweave::exportPlanet(planet, options, {}, &result, &error) != geoweave::Status::kOk) {
//     std::fprintf(stderr, "%s\n", error.c_str());  // the other files are written
//   }
//
// Every file appears complete or not at all: it is written to an unnamed
// scratch file in its folder (a named one where the file system has none)
// and renamed into place once whole, so a failure leaves whatever stood
// under the name untouched and no scratch file behind. A process killed
// even by SIGKILL leaves at most the one file it was renaming, named
// NAME.PID.N.tmp, and the next export into the folder removes it.
//
// One export at a time writes a folder: the export functions hold an
// exclusive lock (flock) on OUTDIR/.geoweave.lock, kept in the ExportResult,
// so that two runs cannot leave a mix of their files. A second caller is
// refused at once (see prepareExport), never kept waiting.

#include <memory>
#include <string>
#include <vector>

#include "geoweave/planet.h"

namespace geoweave {

// The limits of ExportOptions' sizes.
inline constexpr int kMinMapWidth = 2;
inline constexpr int kMaxMapWidth = 65536;
inline constexpr int kMaxMapHeight = kMaxMapWidth / 2;
// Six faces of 16384 x 16384 already hold 1.6 G pixels.
inline constexpr int kMaxCubeSize = 16384;
// The model's faces: 1025 x 1025 vertices each, 6.3 M in all (with the
// sea's, a file of about 380 MB), and textures as large as the cube's.
inline constexpr int kMaxGltfMesh = 1024;
inline constexpr int kMaxGltfTexture = kMaxCubeSize;

// What to write, and where. The defaults write ground.png, sheet.png,
// height.png, mask.png, biomes.png, legend.png and planet.json of a 512 x 256
// map into the working directory.
struct ExportOptions {
  // The folder the files go into, made with its missing parents; not empty.
  // File names in messages are this joined with the file's name ("." gives
  // the name alone).
  std::string outDir = ".";
  // The size in pixels of the maps (ground.png, sheet.png's panels,
  // height.png, the frames) and in cells of the GeoTIFF layers:
  // kMinMapWidth..kMaxMapWidth wide, 1..kMaxMapHeight high. geoweave uses
  // a height of half the width, so that a pixel spans as many degrees of
  // latitude as of longitude.
  int mapWidth = 512;
  int mapHeight = 256;
  // Whether the folder holds the per-turn pictures of exportFrames():
  // prepareExport() makes frames/ and planet.json describes them.
  // exportFrames() writes them whatever this says.
  bool frames = false;
  // Every field as a Float32 GeoTIFF on EPSG:4326 in layers/,
  // layers/rivers.tif (the water flow in the cells a river runs through, 0
  // in the others), and the land and the biomes as Byte GeoTIFFs beside
  // them. Each is a cloud optimized GeoTIFF (internal overviews).
  bool geotiff = false;
  // The rivers as rivers.geojson.
  bool geojson = false;
  // globe.html: the planet on a globe that turns in a web browser, one page
  // that holds everything it shows and loads nothing (see exportPlanet).
  bool globe = false;
  // The side in pixels of the six cube-map faces in cube/ (ground cover and
  // 16-bit height), 1..kMaxCubeSize; 0 writes none.
  int cubeSize = 0;
  // The planet as a 3D model, planet.glb (glTF 2.0 binary), in metres with
  // +Y up: the ground as a sphere on the cube of the cube faces, textured
  // with their ground cover, and the sea as a partly transparent sphere at
  // the water surface. Its sizes and lengths:
  bool gltf = false;
  // Quads along each edge of each of the six faces, 1..kMaxGltfMesh.
  int gltfMesh = 128;
  // Pixels along each edge of each face's texture, 1..kMaxGltfTexture.
  int gltfTexture = 512;
  // Metres from the centre to the water surface; positive and finite.
  double gltfRadius = 6371000.0;
  // Metres from the lowest to the highest bedrock (before exaggeration);
  // finite, not negative.
  double gltfRelief = 20000.0;
  // Multiplies every height above or below the water surface; finite, not
  // negative. A relief and exaggeration that would put the deepest point at
  // or beyond the centre is refused when the model is written.
  double gltfExaggerate = 1.0;
  // rivers.png: the rivers alone on a transparent map of ground.png's size
  // and layout (8-bit RGBA, opacity not premultiplied), to lay over
  // ground.png in any program. Each segment of Planet::rivers() is an opaque
  // line with soft edges, 1 pixel wide at the river threshold and widening
  // with the logarithm of its flow to 4 pixels at the largest flow.
  bool riverOverlay = false;
  // Draws those rivers onto ground.png too, over its own thin ones (sheet.png,
  // the frames and the cube faces keep theirs).
  bool boldRivers = false;
  // height.r16: height.png's values as little-endian unsigned 16-bit numbers,
  // rows from the top, no header, for terrain importers; with cubeSize also
  // cube/height-F.r16 beside each face's height PNG.
  bool raw = false;
  // Beside each PNG map in the maps' layout (ground.png, height.png,
  // mask.png, biomes.png and rivers.png when written) a world file
  // (ground.pgw) and a GDAL side file (ground.png.aux.xml) naming EPSG:4326,
  // so GIS programs place the map.
  bool worldFiles = false;
  // Recorded in planet.json as settings.seedFromClock: whether the caller
  // took the seed from the clock. Changes nothing else.
  bool seedFromClock = false;
};

// Told how far the export has come: fraction (0 to 1, never going back) of
// the export's work and the stage, e.g. "Writing cube faces". The call's
// return marks the end; no report of 1 comes before it.
using ExportProgressFunction = void (*)(double fraction, const char* stage, void* user);
// Told one line (no newline) about a failure as soon as it is known, e.g.
// "cannot write ground.png: Is a directory".
using ExportMessageFunction = void (*)(const char* line, void* user);

// Optional callbacks (null ones are not called), each given its own user
// pointer. They are called on the thread that called the export function,
// before it returns, never on the threads that compress the files; they
// must not throw.
struct ExportCallbacks {
  ExportProgressFunction progress = nullptr;
  void* progressUser = nullptr;
  ExportMessageFunction message = nullptr;
  void* messageUser = nullptr;
};

// A failure of an export function.
struct ExportFailure {
  // What was not written: the file's name relative to outDir
  // ("layers/rain.tif"), a folder's ("frames", "layers", "cube") when none
  // of its files was, empty when the maps or a turn's pictures could not be
  // drawn or the call ended before writing anything.
  std::string name;
  // The line the message callback was told: "cannot write PATH: reason",
  // "cannot create directory PATH: reason" (with "(no frames are written)"
  // or the like for a subfolder), "error: REASON" when pictures could not
  // be drawn or sampled, or the reason a call ended early.
  std::string text;
};

// What the export functions did. They append to it, so that one result can
// go through prepareExport(), every exportFrames() and then exportPlanet(),
// whose planet.json lists every name in written.
struct ExportResult {
  // The files written, relative to outDir ("frames/ground-0000.png",
  // "planet.json"), in the order they were written.
  std::vector<std::string> written;
  // Every failure, in the order told.
  std::vector<ExportFailure> failures;
  // The output folder's lock, taken by the first export call given this
  // result and held until the result and all its copies are gone (or a call
  // for another folder takes that one's instead): one run's calls share it.
  // The lock file goes with it. Only the export functions look inside.
  std::shared_ptr<void> lock;
};

// All three functions below check the options first (kInvalidSettings when
// one breaks its limits), make options.outDir with its missing parents
// (kWriteFailed, "cannot create directory PATH: reason", when it cannot be),
// and take its lock unless result holds it already (kWriteFailed, "error:
// OUTDIR is being written by another run (pid N)", when another holds it;
// where no lock can be had at all, as on a file system without flock(), they
// go on without). Holding it, they remove the scratch files that killed
// processes left in the folder and its frames/, layers/ and cube/. When
// storage runs out, the work it ran out for is told as "error: out of memory
// while DOING" (DOING names the stage or file, e.g. "writing the GeoTIFF
// layers", "drawing world/cube/ground-px.png") and the call goes on with
// what needs less, ending with kOutOfMemory, the files written so far kept.
// Each failure, whether the call goes on after it or not, is told to
// callbacks.message and appended to result->failures; *error (when not
// null) gets the line of the first. result may be null when the caller
// keeps no account. No exception escapes.

// Makes options.outDir and, when options.frames, its frames/ folder, and
// takes the folder's lock into result, so that a folder that cannot be made
// or is being written by another run is found before a long generation
// rather than after it (the export functions do the same when needed).
// Keep result for the run's later calls, so that they share the lock; with
// a null result the lock goes when the call returns. kOk when outDir stands
// and is this run's, even if frames/ could not be made: that failure is
// told (named "frames", "... (no frames are written)") and the frames are
// best not asked for.
Status prepareExport(const ExportOptions& options, const ExportCallbacks& callbacks,
                     ExportResult* result, std::string* error);

// Writes the pictures of one climate turn, for a Callbacks::turn function of
// Planet::generate (call it on the thread that runs the callback), whatever
// options.frames says: frames/ground-NNNN.png (the ground cover as
// Planet::renderGround draws it) and frames/sheet-NNNN.png (the six panels
// of Planet::renderSheet), mapWidth x mapHeight, NNNN the turn (0 or more,
// at least four digits), making frames/ when missing. callbacks.progress is
// not called. kOk when both files were written; kWriteFailed when either
// (or frames/) could not be, which a later turn may overcome; the planet's
// status (kOutOfMemory, or kUnusable outside generation) when the pictures
// could not be drawn, which later turns will not overcome either.
Status exportFrames(const Planet& planet, int turn, const ExportOptions& options,
                    const ExportCallbacks& callbacks, ExportResult* result, std::string* error);

// Writes the planet folder of a generated planet into options.outDir:
// ground.png (the ground cover with the rivers, 8-bit RGB), sheet.png (the
// six panels, 2 mapWidth x 3 mapHeight), height.png (the ground height,
// 16-bit grey, elevationMin at 0 and elevationMax at 65535), with raw
// height.r16, mask.png (8-bit grey, 255 land and 0 water: Field::kWater),
// biomes.png (each pixel its Field::kBiome's biomeColor), legend.png
// (Planet::renderLegend), with riverOverlay rivers.png, with worldFiles
// NAME.pgw and NAME.png.aux.xml for each map of the maps' layout, with
// geotiff layers/NAME.tif for the nine fields and the rivers and
// layers/land.tif, layers/biome.tif and layers/biome.tif.aux.xml (the
// classes' names for GDAL), with geojson rivers.geojson, with globe
// globe.html (the ground cover at 1024 x 512, and elevation, temperature,
// humidity, rain, water flow and sediment at 512 x 256 geographic cells
// whatever mapWidth says, about 3.7 MB for a default planet), with a
// cubeSize cube/ground-F.png and cube/height-F.png (and with raw
// cube/height-F.r16) for F = px nx py ny pz nz, with gltf planet.glb (its
// layout in planet.json's model), and last planet.json: the version, the
// planet's settings and the options, the grid, the statistics, the river
// thresholds, the files (every name in result->written, this one included),
// the rule that places each picture's pixels, the ocean's surface and water
// line (Planet::ocean), the biomes' rules and shares and the colour keys
// (Planet::colorKeys). The bytes are those the geoweave program writes for the
// same planet and options. Maps over 2048 x 1024 pixels are drawn a band of
// rows at a time to bound the memory. The files compress on threads of the
// library's own; the call returns once all are done.
//
// A file that cannot be written, or a group whose pictures cannot be drawn
// or sampled, is told and the export goes on with the others.
// callbacks.progress is told each stage, from fraction 0 on. kOk when every
// file was written; otherwise the status of the first failure: kWriteFailed
// for a file or folder, kOutOfMemory when memory ran out for a file, a
// stage, or the maps, layers or a cube face to be drawn or sampled (a cube
// face counts as its two files), kInvalidSettings when the model's relief
// and exaggeration would reach the planet's centre (planet.glb is not
// written); kUnusable, before anything is written, when the planet was not
// generated.
Status exportPlanet(const Planet& planet, const ExportOptions& options,
                    const ExportCallbacks& callbacks, ExportResult* result, std::string* error);

}  // namespace geoweave
