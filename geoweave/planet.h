#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "geoweave/biome.h"
#include "geoweave/color_key.h"
#include "geoweave/image.h"
#include "geoweave/settings.h"
#include "geoweave/status.h"

namespace geoweave {

// Summary figures of a generated planet. Heights in the planet's height units
// (see Field), temperatures in degrees Celsius.
struct Statistics {
  float elevationMin = 0;  // the lowest bedrock
  float elevationMax = 0;  // the highest bedrock
  float seaLevel = 0;      // bedrock height with the land share above it
  float waterFlowing = 0;  // the largest water flow of any point (per turn)
  float rainfall = 0;      // the largest rain of any point (per turn)
  float temperatureMin = 0;
  float temperatureMax = 0;
  float tileElevationDiff = 0;  // the largest bedrock step between neighbours
};

// One end of a river segment: map fractions (longitude 0 at longitude 0°
// growing eastward to 1 at 360°; latitude 0 at the south pole, 1 at the
// north pole) and the water flow there.
struct RiverEnd {
  float longitude = 0;
  float latitude = 0;
  float flow = 0;
};

// A segment runs from a river tile to its lowest neighbour.
struct RiverSegment {
  RiverEnd from;
  RiverEnd to;
};

// The rivers chosen after the last turn: flows above threshold carry a river,
// flows at or above majorThreshold are drawn at full strength.
struct Rivers {
  float threshold = 0;
  float majorThreshold = 0;
  std::vector<RiverSegment> segments;
};

// The fields of the planet that can be sampled.
//
// Heights and depths share the planet's own height unit, not a metre: the
// twelve corners start around 0.5 and the sea level lies between
// Statistics::elevationMin and elevationMax. Rain and humidity are the
// model's moisture: the air over a point holds at most 1, and a rain of 1
// adds 0.0001 height units of standing water. Temperatures are in degrees
// Celsius.
enum class Field {
  kElevation,    // bedrock height (height units)
  kGround,       // elevation + sediment (height units)
  kSurface,      // ground + standing water (height units)
  kWaterDepth,   // standing water (height units)
  kTemperature,  // degrees Celsius
  kRain,         // rain of the last turn (moisture units per turn)
  kHumidity,     // moisture the air holds, 0 to 1 (moisture units)
  kSediment,     // loose ground on the bedrock (height units)
  kWaterFlow,    // water passing through in the last turn (height units per turn)
  // 1 where the maps draw water (sea or lake), 0 on land: where more than
  // kLeastSeaDepth of water stands and less than depth / 2.2 of it flows
  // through in a turn, as ground.png and mask.png draw it.
  kWater,
  kBiome,  // the place's Biome number (0 to kBiomeCount - 1; see geoweave/biome.h)
};

// The least depth of standing water (height units) the maps draw as water.
inline constexpr float kLeastSeaDepth = 0.006f;

// The sea's standing water after the last turn. Each distinct grid point
// counts once.
struct Ocean {
  // The height of the sea's water surface (ground + standing water, in
  // height units): the lower median over the ocean's points, those the maps
  // draw as water whose bedrock lies at or below Statistics::seaLevel.
  // Generation fills the sea to the sea level plus the 0.05 of sediment
  // every point starts with; rain, evaporation and run-off then move the
  // surface of single points, by about 0.0001 after ten turns (more over
  // many turns). When no point is ocean: that starting level.
  float surface = 0;
  // surface - kLeastSeaDepth, where the maps' coasts lie on the ground
  // heights (Field::kGround, height.png): ground below it is water in the
  // maps, ground above it land, wherever the water's own surface is the
  // ocean's. Lakes differ, and so do a few pixels along coasts, which blend
  // sea points with land points.
  float waterLine = 0;
  int64_t oceanPoints = 0;
  // Points the maps draw as water whose bedrock lies above the sea level.
  int64_t lakePoints = 0;
};

// Where the samples of a width x height map lie.
enum class MapLayout {
  // The layout of the rendered maps: column x at longitude fraction
  // x / width (column 0 at longitude 0°, eastward), the top row at the north
  // pole and the bottom row at the south pole (a single row on the equator).
  kFrame,
  // Geographic cells: the centre of column x at longitude
  // -180 + (x + 0.5) * 360 / width degrees, the centre of row y at latitude
  // 90 - (y + 0.5) * 180 / height degrees.
  kGeographic,
};

// A face of the cube around the planet, seen from its centre, in the order
// of OpenGL's cube-map targets; +Z is the north pole, +X latitude 0
// longitude 0, +Y longitude 90 degrees east. Pixel (x, y) of a size x size
// face (x rightwards, y downwards from the top row) looks along
//   +X ( 1, -t, -s)   +Y ( s,  1,  t)   +Z ( s, -t,  1)
//   -X (-1, -t,  s)   -Y ( s, -1, -t)   -Z (-s, -t, -1)
// with s = (2x - (size - 1)) / (size - 1) and t the same of y: OpenGL's
// table, except that the outer pixels lie on the cube's edges rather than
// half a pixel inside, so two faces that meet show the same places along
// their shared edge. An odd size has a pixel at the face's centre (for +X
// latitude 0 longitude 0, for +Z the north pole); a face of size 1 is that
// pixel alone.
enum class CubeFace { kPositiveX, kNegativeX, kPositiveY, kNegativeY, kPositiveZ, kNegativeZ };

class Planet;

// Told the overall completed share of generation (0 to 1, never falling) and
// the stage's name (a static text). Called on the thread that called
// Planet::generate, between the passes, never from a worker.
using ProgressFunction = void (*)(float fraction, const char* stage, void* user);
// Called at the start of every climate turn (0 to turns - 1) with the planet
// as it stands then, on the thread that called Planet::generate, while no
// worker runs; it may sample and render the planet but not generate it.
using TurnFunction = void (*)(const Planet& planet, int turn, void* user);

// The optional callbacks of Planet::generate; a null function is not called.
// Each user pointer is passed back unchanged.
struct Callbacks {
  ProgressFunction progress = nullptr;
  void* progressUser = nullptr;
  TurnFunction turn = nullptr;
  void* turnUser = nullptr;
};

// One generated world. Each Planet owns all its state, so several can be
// generated at the same time on different threads; one Planet must not be
// used from two threads at once (its const calls too: they keep the last
// map's pixel positions). Calls use Settings::workers threads of their own
// and return when those are done. No call throws: failures come back as a
// Status, running out of memory as Status::kOutOfMemory.
class Planet {
 public:
  Planet();
  ~Planet();
  Planet(Planet&&) noexcept;
  Planet& operator=(Planet&&) noexcept;
  Planet(const Planet&) = delete;
  Planet& operator=(const Planet&) = delete;

  // Generates the planet for these settings, replacing any earlier one:
  // terrain, sea level, the climate turns and the rivers. kOk; or
  // kInvalidSettings (see validate), kGridTooLarge, kOutOfMemory, each with
  // a one-line message in *error (when not null), and no planet kept.
  Status generate(const Settings& settings, const Callbacks& callbacks, std::string* error);

  // Whether a planet has been generated (or is being, inside a callback).
  bool generated() const;
  // The settings of the last generate() (the defaults before one).
  const Settings& settings() const;
  // The grid level and the number of tile records the grid is counted as
  // (12 x side^2, side = 2^level + 1).
  int gridLevel() const;
  int64_t recordCount() const;
  // The figures of the statistics line (zero before generation).
  Statistics statistics() const;
  // The rivers (no segments before the river stage). On running out of
  // memory the value form returns the thresholds without segments; the
  // Status form says so (kOutOfMemory) and leaves *out as it was.
  Rivers rivers() const;
  Status rivers(Rivers* out, std::string* error) const;
  // The sea's standing water (zero before generation), measured from the
  // planet as it stands: once when generate() ends, kept and returned at
  // once thereafter; in a turn callback measured at each call, which reads
  // the grid three times (a few milliseconds at the default width). An
  // Ocean of zeros when its 80 KB of scratch space cannot be had.
  Ocean ocean() const;

  // The field at a place, blended from the grid points around it exactly as
  // the rendered maps blend them. Latitude in -90..90, longitude in degrees
  // (any value; it wraps). 0 before generation.
  float sample(Field field, double latitude, double longitude) const;

  // Samples several fields over a width x height map in one pass (each point
  // is located on the grid once): out receives one array of width x height
  // values per field, rows top to bottom, in the order of fields. kUnusable
  // before generation or for a width or height below 1; kOutOfMemory when
  // the arrays cannot be had (4 bytes a value).
  Status sampleMaps(const std::vector<Field>& fields, int width, int height, MapLayout layout,
                    std::vector<std::vector<float>>* out, std::string* error) const;
  // The rows [firstRow, firstRow + rowCount) of sampleMaps' maps, counted
  // from the top: one array of width x rowCount values per field, the same
  // values sampleMaps gives for those rows. kUnusable when the rows do not
  // lie within the map.
  Status sampleMapRows(const std::vector<Field>& fields, int width, int height, MapLayout layout,
                       int firstRow, int rowCount, std::vector<std::vector<float>>* out,
                       std::string* error) const;

  // The field where the ray from the planet's centre along (x, y, z) meets
  // the surface, blended as sample() blends. Any non-zero finite direction,
  // its length ignored: +Z points to the north pole, +X to latitude 0
  // longitude 0, +Y to longitude 90 degrees east. 0 before generation and
  // for a zero or non-finite direction.
  float sampleDirection(Field field, double x, double y, double z) const;

  // Samples several fields over a size x size face of the cube (see
  // CubeFace), like sampleMaps: one array of size x size values per field,
  // rows top to bottom, in the order of fields. kUnusable before generation,
  // for a size below 1 or a value outside CubeFace; kOutOfMemory as
  // sampleMaps.
  Status sampleCubeFace(const std::vector<Field>& fields, CubeFace face, int size,
                        std::vector<std::vector<float>>* out, std::string* error) const;

  // The ground-cover map (relief shading, ice, vegetation and, once chosen,
  // the rivers) of the planet as it stands, width x height in the kFrame
  // layout. kUnusable before generation or for a size below 1;
  // kOutOfMemory when the pixels and their positions (about 80 bytes a
  // pixel, kept for the next call of the same size) cannot be had.
  Status renderGround(int width, int height, Image* out, std::string* error) const;
  // The ground cover of a size x size face of the cube (see CubeFace), drawn
  // as renderGround draws the map, in pixels placed by the face's
  // directions. The relief shade compares each pixel with the place one step
  // west and one step north of it, a step being one pixel of a ground map
  // 4 size wide; pixels within a step of the north pole are unshaded, as the
  // map's top row is. So an odd-sized +X face's centre pixel is the pixel at
  // latitude 0 longitude 0 of a 4 size x (2 size + 1) map, and +Z's centre
  // that map's top row, rivers aside: a river segment is drawn on each face
  // both its ends lie in front of, as a straight line between their
  // projections onto the face's plane (a great-circle arc), cut off at the
  // face's edges. A pixel on a face's border shows what the first face in
  // CubeFace order that holds it draws there, so faces that meet agree
  // exactly along their edges, rivers included.
  Status renderGroundCubeFace(CubeFace face, int size, Image* out, std::string* error) const;
  // The six-panel sheet, 2 width x 3 height: temperature and humidity on
  // top, elevation and rain in the middle, ground cover and sediment at the
  // bottom, each panel width x height in the kFrame layout. Errors as
  // renderGround.
  Status renderSheet(int width, int height, Image* out, std::string* error) const;

  // A big map drawn a band of rows at a time, so that no call needs the
  // whole map's worth of pixel positions and panels (renderGround and
  // renderSheet keep all of them, about 80 bytes a pixel, to redraw the same
  // size quickly). out receives rows [firstRow, firstRow + rowCount),
  // counted from the top, of renderGround(width, height): width x rowCount
  // pixels with exactly the bytes of those rows, rivers included. kUnusable
  // when the rows do not lie within the map. Each call works out its rows
  // from scratch; only the last band's pixel positions and panels are kept
  // (in place of the band before), for sampleMapRows of the same rows.
  Status renderGroundRows(int width, int height, int firstRow, int rowCount, Image* out,
                          std::string* error) const;
  // The same band of each of the sheet's three panel rows, drawn at once:
  // out is 2 width x 3 rowCount, the rows [firstRow, firstRow + rowCount) of
  // renderSheet's top panel row (temperature, humidity), then the same rows
  // of its middle one (elevation, rain), then of its bottom one (ground
  // cover, sediment).
  Status renderSheetRows(int width, int height, int firstRow, int rowCount, Image* out,
                         std::string* error) const;

  // The keys to the colours of the ground-cover map, the sheet's panels and
  // the biomes (see ColorKey), sampled from the very rules the maps are
  // drawn with; the ranges are this planet's. Empty before generation or
  // when storage runs out.
  std::vector<ColorKey> colorKeys() const;
  // The legend of those keys as one picture: a title with the unit, a bar
  // per row with its label and labelled ticks for each key, then each biome
  // with its colour and rule; about 780 x 760 pixels, dark text on white.
  // kUnusable before generation; kOutOfMemory when its pixels cannot be had.
  Status renderLegend(Image* out, std::string* error) const;

 private:
  struct State;

  // Draws every panel of a width x height map into the kept canvas.
  Status draw(int width, int height, std::string* error) const;

  std::unique_ptr<State> state_;
};

}  // namespace geoweave
