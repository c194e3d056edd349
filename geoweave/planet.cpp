#include "geoweave/planet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <new>
#include <stdexcept>

#include "base/numeric.h"
#include "base/parallel.h"
#include "climate/biome.h"
#include "climate/ocean_surface.h"
#include "generation/generate.h"
#include "render/color_keys.h"
#include "render/cube_face.h"
#include "render/cube_face_fractions.h"
#include "render/interpolate_tile.h"
#include "render/legend.h"
#include "render/map_directions.h"
#include "render/pixel_map.h"
#include "render/projection.h"
#include "render/render_snapshot.h"
#include "world/planet_grid.h"

namespace geoweave {

using namespace detail;

static_assert(kLeastSeaDepth == kSeaDepth, "the maps' sea is the model's");

namespace {
// The largest cube face whose pixel positions and ground heights are kept
// between drawing it and sampling it (20 bytes a pixel: 320 MiB at this
// size).
constexpr int kMaxKeptFace = 4096;
}  // namespace

namespace detail {

// Everything a Planet owns, behind the public class's one pointer.
struct PlanetState {
  Settings settings;
  PlanetGrid grid;
  PlanetRun run;
  // True once the grid holds a planet that may be sampled: from the first
  // turn callback on.
  bool ready = false;
  const Planet* owner = nullptr;
  Callbacks callbacks;
  // Pixel positions and images of the last map size rendered, kept because
  // finding every pixel on the grid costs more than colouring it.
  std::unique_ptr<SnapshotCanvas> canvas;
  // The last band of rows drawn alone, kept so that sampling the same rows
  // next need not find its pixels again.
  std::unique_ptr<SnapshotCanvas> band;
  // Where each pixel of the last cube face drawn lies and its ground height,
  // for the samples of the same face (kept for faces up to kMaxKeptFace
  // pixels a side).
  CubeFace keptFace = CubeFace::kPositiveX;
  int keptFaceSize = 0;
  std::vector<TilePoint> keptFacePoints;
  std::vector<float> keptFaceGrounds;
  // The finished planet's ocean, measured once when generation ends: an
  // export asks for it several times, and each measure is a pass over the
  // whole grid. Until then (in turn callbacks) each call measures afresh.
  bool oceanKept = false;
  Ocean keptOcean;

  // The band's blended tiles and the kept face's ground heights are the
  // planet as it was when they were drawn: once a turn (or the rivers'
  // stage after the last) has changed it, they must not be read again.
  void forgetKeptTiles() {
    band.reset();
    keptFaceSize = 0;
  }
};

}  // namespace detail

struct Planet::State : detail::PlanetState {};

namespace {
bool fail(std::string* error, const std::string& message) {
  if (error != nullptr) *error = message;
  return false;
}

// What a call whose storage could not be had returns. The library's own
// storage reports failure itself; the standard containers throw
// (std::bad_alloc, or std::length_error for a size beyond any memory), and
// each public call catches that so no exception leaves the interface. Only
// the containers throw here, so any other exception is a fault: it goes on.
Status outOfMemory(const std::exception& e, std::string* error) {
  if (dynamic_cast<const std::bad_alloc*>(&e) == nullptr &&
      dynamic_cast<const std::length_error*>(&e) == nullptr) {
    throw;
  }
  fail(error, "out of memory");
  return Status::kOutOfMemory;
}

float fieldOf(const Tile& t, Field field, const PlanetStatistics& p) {
  switch (field) {
    case Field::kElevation:
      return t.elevation;
    case Field::kGround:
      return t.groundHeight();
    case Field::kSurface:
      return t.surfaceHeight();
    case Field::kWaterDepth:
      return t.waterDepth;
    case Field::kTemperature:
      return t.temperature;
    case Field::kRain:
      return t.rain;
    case Field::kHumidity:
      return t.humidity;
    case Field::kSediment:
      return t.sediment;
    case Field::kWaterFlow:
      return t.waterFlow;
    case Field::kWater:
      return t.isSea() ? 1.0f : 0.0f;
    case Field::kBiome:
      return static_cast<float>(biomeOfTile(t, p.seaLevel, p.rainfall));
  }
  return 0;
}

// Map fractions of a place: v from 0 at the south pole to 1 at the north
// pole, u the longitude as a share of a turn eastward from 0 degrees.
float placeLatitude(double latitude) {
  return static_cast<float>(clamp01(latitude / 180.0 + 0.5));
}
float placeLongitude(double longitude) {
  const double turns = longitude / 360.0;
  return static_cast<float>(turns - std::floor(turns));
}
TilePoint locatePlace(const PlanetGrid& grid, double latitude, double longitude) {
  return locateTilePoint(grid, placeLatitude(latitude), placeLongitude(longitude));
}

// The kGeographic layout's pixel centres, in degrees.
double pixelLatitude(int y, int height) {
  return 90.0 - (y + 0.5) * 180.0 / height;
}
double pixelLongitude(int x, int width) {
  return -180.0 + (x + 0.5) * 360.0 / width;
}

void progressAdapter(float fraction, const char* stage, void* user) {
  const auto* state = static_cast<const PlanetState*>(user);
  state->callbacks.progress(fraction, stage, state->callbacks.progressUser);
}
}  // namespace

Planet::Planet() = default;
Planet::~Planet() = default;
Planet::Planet(Planet&&) noexcept = default;
Planet& Planet::operator=(Planet&&) noexcept = default;

namespace {

// The ocean of the grid as it stands; false when the memory for measuring
// it could not be had.
bool measureOceanOf(const PlanetState& s, Ocean* out) {
  try {
    const OceanMeasure measure =
        measureOcean(s.grid, s.run.statistics.seaLevel, s.run.hooks.workers);
    out->surface = measure.surface;
    out->waterLine =
        static_cast<float>(static_cast<double>(measure.surface) - static_cast<double>(kSeaDepth));
    out->oceanPoints = measure.oceanPoints;
    out->lakePoints = measure.lakePoints;
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace

Status Planet::generate(const Settings& settings, const Callbacks& callbacks,
                        std::string* error) try {
  if (validate(settings, error) != Status::kOk) return Status::kInvalidSettings;
  state_ = std::make_unique<State>();
  State& s = *state_;
  s.settings = settings;
  s.owner = this;
  s.callbacks = callbacks;
  PlanetRun& p = s.run;
  p.hooks.workers = usableWorkers(settings.workers);
  p.settings.cornerElevationRange = settings.cornerRange;
  p.settings.seaFraction = static_cast<float>(1.0 - settings.landPercent / 100.0);
  p.settings.riverFraction = static_cast<float>(settings.riverPercent / 100.0);
  p.settings.turns = settings.turns;
  p.settings.shareCap = settings.shareCap;
  p.terrain.random.seed(static_cast<uint32_t>(settings.seed));
  if (callbacks.progress != nullptr) {
    p.hooks.progress = progressAdapter;
    p.hooks.progressUser = &s;
  }
  if (callbacks.turn != nullptr) {
    p.hooks.turnCallback = [](int turn, void* user) {
      auto* state = static_cast<State*>(user);
      state->ready = true;
      state->forgetKeptTiles();
      state->callbacks.turn(*state->owner, turn, state->callbacks.turnUser);
      return 0;
    };
    p.hooks.turnCallbackUser = &s;
  }

  s.grid.buildIcosahedron();
  if (!s.grid.allocate(settings.width, settings.zoom, p.hooks.workers)) {
    const int64_t level = PlanetGrid::levelFor(settings.width, settings.zoom);
    char message[256];
    std::snprintf(message, sizeof message,
                  "the grid for width %d and zoom %g needs %s tiles, which cannot be allocated",
                  settings.width, static_cast<double>(settings.zoom),
                  PlanetGrid::tileRecordsText(level).c_str());
    fail(error, message);
    state_.reset();
    return Status::kGridTooLarge;
  }
  const GenerateStatus status = generatePlanet(s.grid, p);
  if (status != GenerateStatus::kDone) {
    fail(error, status == GenerateStatus::kOutOfMemory ? "out of memory"
                                                       : "the fractal terrain could not be made");
    state_.reset();
    return Status::kOutOfMemory;
  }
  s.ready = true;
  s.forgetKeptTiles();
  s.oceanKept = measureOceanOf(s, &s.keptOcean);
  return Status::kOk;
} catch (const std::exception& e) {
  state_.reset();
  return outOfMemory(e, error);
}

bool Planet::generated() const {
  return state_ != nullptr && state_->ready;
}

const Settings& Planet::settings() const {
  static const Settings kDefaults;
  return state_ != nullptr ? state_->settings : kDefaults;
}

int Planet::gridLevel() const {
  return state_ != nullptr ? state_->grid.level() : 0;
}

int64_t Planet::recordCount() const {
  return state_ != nullptr ? PlanetGrid::tileRecordsFor(state_->grid.level()) : 0;
}

Statistics Planet::statistics() const {
  Statistics out;
  if (state_ == nullptr) return out;
  const PlanetStatistics& p = state_->run.statistics;
  out.elevationMin = p.elevationMin;
  out.elevationMax = p.elevationMax;
  out.seaLevel = p.seaLevel;
  out.waterFlowing = p.waterFlowing;
  out.rainfall = p.rainfall;
  out.temperatureMin = p.temperatureMin;
  out.temperatureMax = p.temperatureMax;
  out.tileElevationDiff = p.tileElevationDiff;
  return out;
}

Status Planet::rivers(Rivers* out, std::string* error) const try {
  Rivers made;
  if (state_ != nullptr) {
    const RiverNetwork& p = state_->run.rivers;
    made.threshold = p.flowThreshold;
    made.majorThreshold = p.majorFlowThreshold;
    made.segments.reserve(static_cast<size_t>(p.points.count / 2));
    for (int32_t i = 0; i + 1 < p.points.count; i += 2) {
      const RiverPoint& a = p.points[i];
      const RiverPoint& b = p.points[i + 1];
      made.segments.push_back(RiverSegment{RiverEnd{a.longitude, a.latitude, a.flow},
                                           RiverEnd{b.longitude, b.latitude, b.flow}});
    }
  }
  *out = std::move(made);
  return Status::kOk;
} catch (const std::exception& e) {
  return outOfMemory(e, error);
}

Rivers Planet::rivers() const {
  Rivers out;
  if (rivers(&out, nullptr) != Status::kOk && state_ != nullptr) {
    out.threshold = state_->run.rivers.flowThreshold;
    out.majorThreshold = state_->run.rivers.majorFlowThreshold;
  }
  return out;
}

Ocean Planet::ocean() const {
  Ocean out;
  if (state_ == nullptr) return out;
  if (state_->oceanKept) return state_->keptOcean;
  if (!measureOceanOf(*state_, &out)) out = Ocean();
  return out;
}

float Planet::sample(Field field, double latitude, double longitude) const {
  if (!generated() || !std::isfinite(latitude) || !std::isfinite(longitude)) return 0;
  const TilePoint p = locatePlace(state_->grid, latitude, longitude);
  return fieldOf(interpolateTile(state_->grid, p), field, state_->run.statistics);
}

namespace {
// What every call for a band of a map's rows checks first: a planet, a usable
// size, and rows [firstRow, firstRow + rowCount) within rows [0, rows).
Status checkRows(bool generated, int width, int height, int64_t rows, int firstRow, int rowCount,
                 std::string* error) {
  if (!generated) {
    fail(error, "no planet has been generated");
    return Status::kUnusable;
  }
  if (width < 1 || height < 1) {
    fail(error, "a map needs at least one row and one column");
    return Status::kUnusable;
  }
  if (firstRow < 0 || rowCount < 1 || static_cast<int64_t>(firstRow) + rowCount > rows) {
    fail(error, "rows " + std::to_string(firstRow) + " to " +
                    std::to_string(static_cast<int64_t>(firstRow) + rowCount - 1) +
                    " are not all within the map's " + std::to_string(rows));
    return Status::kUnusable;
  }
  return Status::kOk;
}

// Sizes out to one array of `values` per field, for a caller that writes
// every value: arrays of the right size handed back in (as a caller
// sampling band after band does) are kept as they are, without clearing
// them or touching fresh memory.
void sizeSampleArrays(std::vector<std::vector<float>>* out, size_t fields, size_t values) {
  out->resize(fields);
  for (std::vector<float>& array : *out) array.resize(values);
}
}  // namespace

Status Planet::sampleMaps(const std::vector<Field>& fields, int width, int height, MapLayout layout,
                          std::vector<std::vector<float>>* out, std::string* error) const try {
  return sampleMapRows(fields, width, height, layout, 0, height, out, error);
} catch (const std::exception& e) {
  return outOfMemory(e, error);
}

Status Planet::sampleMapRows(const std::vector<Field>& fields, int width, int height,
                             MapLayout layout, int firstRow, int rowCount,
                             std::vector<std::vector<float>>* out, std::string* error) const try {
  const Status checked = checkRows(generated(), width, height, height, firstRow, rowCount, error);
  if (checked != Status::kOk) return checked;
  const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(rowCount);
  sizeSampleArrays(out, fields.size(), pixels);
  const PlanetGrid& grid = state_->grid;
  const PlanetStatistics& params = state_->run.statistics;
  // The maps or the band rendered last may already know where each of these
  // pixels lies (their rows count from the south pole up).
  const int lowRow = height - firstRow - rowCount;
  const PixelMap* located = nullptr;
  const Tile* blended = nullptr;
  for (const SnapshotCanvas* canvas : {state_->canvas.get(), state_->band.get()}) {
    if (layout == MapLayout::kFrame && canvas != nullptr && canvas->map.width == width &&
        canvas->map.mapHeight == height && canvas->map.firstRow <= lowRow &&
        lowRow + rowCount <= canvas->map.firstRow + canvas->map.height) {
      located = &canvas->map;
      blended = canvas->blended.size != 0 ? canvas->blended.data : nullptr;
    }
  }
  // Otherwise every row locates the same columns.
  std::vector<MapColumn> columns;
  if (located == nullptr) {
    columns.resize(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
      columns[x] =
          mapColumn(layout == MapLayout::kFrame ? columnLongitude(x, width)
                                                : placeLongitude(pixelLongitude(x, width)));
    }
  }
  auto sampleRows = [&](int64_t beginRow, int64_t endRow) {
    TriangleHint hint;
    for (int row = static_cast<int>(beginRow); row < endRow; ++row) {
      const int y = firstRow + row;
      MapRow latitude;
      if (located == nullptr) {
        // The rendered maps' rows run from the south pole up, the
        // geographic layout's from the north pole down.
        latitude = mapRow(layout == MapLayout::kFrame ? rowLatitude(height - 1 - y, height)
                                                      : placeLatitude(pixelLatitude(y, height)));
      }
      for (int x = 0; x < width; ++x) {
        Tile t;
        if (located != nullptr) {
          const size_t at = static_cast<size_t>(height - 1 - y - located->firstRow) * width + x;
          t = blended != nullptr ? blended[at] : interpolateTile(grid, located->exact[at]);
        } else {
          t = interpolateTile(grid, locateTilePoint(grid, latitude, columns[x], hint));
        }
        const size_t pixel = static_cast<size_t>(row) * width + x;
        for (size_t f = 0; f < fields.size(); ++f) (*out)[f][pixel] = fieldOf(t, fields[f], params);
      }
    }
  };
  parallelForChunks(state_->run.hooks.workers, rowCount, rowsPerChunk(width), sampleRows);
  return Status::kOk;
} catch (const std::exception& e) {
  return outOfMemory(e, error);
}

float Planet::sampleDirection(Field field, double x, double y, double z) const {
  if (!generated() || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z) ||
      (x == 0 && y == 0 && z == 0)) {
    return 0;
  }
  const TilePoint p = locateDirection(state_->grid, Vector3d{x, y, z});
  return fieldOf(interpolateTile(state_->grid, p), field, state_->run.statistics);
}

namespace {
// The render layer's face number for the public face; false for a value
// outside the enumeration. Both count the faces in OpenGL's order.
bool renderFace(CubeFace face, int& out) {
  const int index = static_cast<int>(face);
  if (index < 0 || index >= detail::kCubeFaceCount) return false;
  out = index;
  return true;
}

// What every face call checks first: a planet, a usable size and a known
// face.
Status checkFace(bool generated, CubeFace face, int size, int& out, std::string* error) {
  if (!generated) {
    fail(error, "no planet has been generated");
    return Status::kUnusable;
  }
  if (size < 1) {
    fail(error, "a cube face needs at least one pixel");
    return Status::kUnusable;
  }
  if (!renderFace(face, out)) {
    fail(error, "no such cube face");
    return Status::kUnusable;
  }
  return Status::kOk;
}
}  // namespace

Status Planet::sampleCubeFace(const std::vector<Field>& fields, CubeFace face, int size,
                              std::vector<std::vector<float>>* out, std::string* error) const try {
  int side = 0;
  const Status status = checkFace(generated(), face, size, side, error);
  if (status != Status::kOk) return status;
  const size_t pixels = static_cast<size_t>(size) * static_cast<size_t>(size);
  const PlanetState& s = *state_;
  const bool kept = s.keptFaceSize == size && s.keptFace == face;
  // The ground heights the drawing kept are the whole answer when nothing
  // else is asked for.
  if (kept && std::all_of(fields.begin(), fields.end(),
                          [](Field field) { return field == Field::kGround; })) {
    out->assign(fields.size(), s.keptFaceGrounds);
    return Status::kOk;
  }
  sizeSampleArrays(out, fields.size(), pixels);
  const PlanetGrid& grid = s.grid;
  const PlanetStatistics& params = s.run.statistics;
  auto samplePixel = [&](int x, int y, const TilePoint& p) {
    const Tile t = interpolateTile(grid, p);
    const size_t pixel = static_cast<size_t>(y) * size + x;
    for (size_t f = 0; f < fields.size(); ++f) (*out)[f][pixel] = fieldOf(t, fields[f], params);
  };
  if (kept) {
    const TilePoint* const points = s.keptFacePoints.data();
    auto sampleRows = [&](int64_t firstRow, int64_t endRow) {
      for (int y = static_cast<int>(firstRow); y < endRow; ++y) {
        for (int x = 0; x < size; ++x) samplePixel(x, y, points[static_cast<size_t>(y) * size + x]);
      }
    };
    parallelForChunks(s.run.hooks.workers, size, rowsPerChunk(size), sampleRows);
    return Status::kOk;
  }
  const CubeFaceFractions fractions(side, size);
  auto locatePixel = [&](int x, int y, const Vector3d& direction, float v, float u,
                         TriangleHint& hint) {
    samplePixel(x, y, locateDirection(grid, direction, v, u, hint));
  };
  if (!fractions.forEachPixel(s.run.hooks.workers, locatePixel)) {
    fail(error, "out of memory");
    return Status::kOutOfMemory;
  }
  return Status::kOk;
} catch (const std::exception& e) {
  return outOfMemory(e, error);
}

namespace {
// An image of the canvas's (bottom-up, blue-green-red) pixels, top row first.
void copyImage(const RgbImage& from, Image* to) {
  to->width = from.width;
  to->height = from.height;
  to->rgb.resize(static_cast<size_t>(from.width) * from.height * 3);
  uint8_t* out = to->rgb.data();
  for (int y = from.height - 1; y >= 0; --y) {
    for (int x = 0; x < from.width; ++x) {
      const Rgb& p = from.at(x, y);
      *out++ = p.red;
      *out++ = p.green;
      *out++ = p.blue;
    }
  }
}
}  // namespace

Status Planet::draw(int width, int height, std::string* error) const {
  if (!generated()) {
    fail(error, "no planet has been generated");
    return Status::kUnusable;
  }
  if (width < 1 || height < 1) {
    fail(error, "a map needs at least one row and one column");
    return Status::kUnusable;
  }
  State& s = *state_;
  if (s.canvas == nullptr || s.canvas->map.width != width || s.canvas->map.height != height) {
    s.canvas.reset();
    s.canvas = std::make_unique<SnapshotCanvas>(s.grid, width, height, s.run.hooks.workers);
    if (!s.canvas->ok()) {
      s.canvas.reset();
      fail(error, "out of memory");
      return Status::kOutOfMemory;
    }
  }
  drawSnapshot(*s.canvas, s.settings.shadeScale, s.run.statistics, s.run.rivers, s.grid);
  return Status::kOk;
}

Status Planet::renderGround(int width, int height, Image* out, std::string* error) const try {
  const Status status = draw(width, height, error);
  if (status == Status::kOk) copyImage(state_->canvas->ground, out);
  return status;
} catch (const std::exception& e) {
  return outOfMemory(e, error);
}

Status Planet::renderGroundCubeFace(CubeFace face, int size, Image* out, std::string* error) const
    try {
  int side = 0;
  const Status status = checkFace(generated(), face, size, side, error);
  if (status != Status::kOk) return status;
  RgbImage image(size, size);
  State& s = *state_;
  s.keptFaceSize = 0;
  TilePoint* located = nullptr;
  float* grounds = nullptr;
  if (size <= kMaxKeptFace) {
    // Every element is written by the drawing; a face of the size kept
    // before reuses its storage as it stands.
    const size_t pixels = static_cast<size_t>(size) * static_cast<size_t>(size);
    s.keptFacePoints.resize(pixels);
    s.keptFaceGrounds.resize(pixels);
    located = s.keptFacePoints.data();
    grounds = s.keptFaceGrounds.data();
  } else {
    s.keptFacePoints = {};
    s.keptFaceGrounds = {};
  }
  if (!image.ok() || !drawCubeFace(s.grid, s.run.statistics, s.run.rivers, s.settings.shadeScale,
                                   side, image, s.run.hooks.workers, located, grounds)) {
    fail(error, "out of memory");
    return Status::kOutOfMemory;
  }
  if (located != nullptr) {
    s.keptFace = face;
    s.keptFaceSize = size;
  }
  copyImage(image, out);
  return Status::kOk;
} catch (const std::exception& e) {
  return outOfMemory(e, error);
}

Status Planet::renderSheet(int width, int height, Image* out, std::string* error) const try {
  const Status status = draw(width, height, error);
  if (status == Status::kOk) copyImage(state_->canvas->sheet, out);
  return status;
} catch (const std::exception& e) {
  return outOfMemory(e, error);
}

namespace {
// Draws rows [firstRow, firstRow + rowCount) (from the top) of a width x
// height map into the state's band canvas, in place of the band before; null
// (reported) when the canvas cannot be had.
const SnapshotCanvas* drawRows(PlanetState& s, int width, int height, int firstRow, int rowCount,
                               std::string* error) {
  // The canvas counts its rows from the south pole up.
  const int canvasRow = height - firstRow - rowCount;
  // A band as large as the one before, of the same map, is drawn where that
  // one was: a map drawn band after band then touches that memory once.
  const bool reused = s.band != nullptr && s.band->map.width == width &&
                      s.band->map.mapHeight == height && s.band->map.height == rowCount &&
                      s.band->moveTo(s.grid, canvasRow);
  if (!reused) {
    // The band before goes first, so that two are never held at once.
    s.band.reset();
    // The band keeps its blended tiles: the heights and classes sampled next
    // for the same pixels read them instead of blending again.
    s.band = std::make_unique<SnapshotCanvas>(s.grid, width, height, canvasRow, rowCount,
                                              s.run.hooks.workers, true);
  }
  if (!s.band->ok()) {
    s.band.reset();
    fail(error, "out of memory");
    return nullptr;
  }
  drawSnapshot(*s.band, s.settings.shadeScale, s.run.statistics, s.run.rivers, s.grid);
  return s.band.get();
}
}  // namespace

Status Planet::renderGroundRows(int width, int height, int firstRow, int rowCount, Image* out,
                                std::string* error) const try {
  const Status checked = checkRows(generated(), width, height, height, firstRow, rowCount, error);
  if (checked != Status::kOk) return checked;
  const SnapshotCanvas* canvas = drawRows(*state_, width, height, firstRow, rowCount, error);
  if (canvas == nullptr) return Status::kOutOfMemory;
  copyImage(canvas->ground, out);
  return Status::kOk;
} catch (const std::exception& e) {
  return outOfMemory(e, error);
}

Status Planet::renderSheetRows(int width, int height, int firstRow, int rowCount, Image* out,
                               std::string* error) const try {
  const Status checked = checkRows(generated(), width, height, height, firstRow, rowCount, error);
  if (checked != Status::kOk) return checked;
  const SnapshotCanvas* canvas = drawRows(*state_, width, height, firstRow, rowCount, error);
  if (canvas == nullptr) return Status::kOutOfMemory;
  copyImage(canvas->sheet, out);
  return Status::kOk;
} catch (const std::exception& e) {
  return outOfMemory(e, error);
}

std::vector<ColorKey> Planet::colorKeys() const try {
  std::vector<ColorKey> keys;
  if (!generated()) return keys;
  const auto color = [](Rgb c) { return Color{c.red, c.green, c.blue}; };
  for (const ColorKeyRule& rule : colorKeyRules(state_->run.statistics, state_->run.rivers)) {
    ColorKey key{rule.name, rule.title, rule.unit, {}};
    for (const KeyRow& row : rule.rows) {
      ColorKeyRow out{row.label, {}};
      for (const double value : rule.stops) out.stops.push_back({value, color(row.colorAt(value))});
      key.rows.push_back(std::move(out));
    }
    keys.push_back(std::move(key));
  }
  ColorKey biomes{"biomes", "Biomes (biomes.png, layers/biome.tif)", "class", {}};
  for (int c = 0; c < kBiomeCount; ++c) {
    const auto biome = static_cast<Biome>(c);
    biomes.rows.push_back({biomeName(biome), {{static_cast<double>(c), biomeColor(biome)}}});
  }
  keys.push_back(std::move(biomes));
  return keys;
} catch (const std::exception& e) {
  std::string ignored;
  outOfMemory(e, &ignored);
  return {};
}

Status Planet::renderLegend(Image* out, std::string* error) const try {
  if (!generated()) {
    fail(error, "no planet has been generated");
    return Status::kUnusable;
  }
  const std::vector<ColorKeyRule> keys = colorKeyRules(state_->run.statistics, state_->run.rivers);
  const LegendLayout layout = layOutLegend(keys);
  RgbImage image(layout.width, layout.height);
  if (!image.ok()) {
    fail(error, "out of memory");
    return Status::kOutOfMemory;
  }
  drawLegend(keys, layout, image);
  copyImage(image, out);
  return Status::kOk;
} catch (const std::exception& e) {
  return outOfMemory(e, error);
}

}  // namespace geoweave
