#include "export/globe_page.h"

#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <nlohmann/json.hpp>
#include <string_view>
#include <vector>

#include "export/globe_assets.h"
#include "export/layer_keys.h"
#include "export/png_memory.h"
#include "image/atomic_file.h"

namespace geoweave::detail {

namespace {

using geoweave::Field;
using geoweave::Status;
using Json = nlohmann::ordered_json;

// The float maps' cells are those of layers/*.tif at the default map width,
// so a value the page shows is the value GDAL reads from those files.
constexpr int kLayerWidth = 512;
constexpr int kLayerHeight = 256;
// The ground-cover picture: two texels a layer cell. Drawing it is most of
// the page's cost; 2048 x 1024 would take four times as long, several times
// what a whole default run of geoweave takes.
constexpr int kGroundWidth = 1024;
constexpr int kGroundHeight = 512;
// Rows of the ground picture drawn at once: the planet keeps pixel positions
// (about 80 bytes a pixel) for one band only, not for the whole picture.
constexpr int kGroundBandRows = 64;

struct PageLayer {
  const char* id;
  const char* title;
  Field field;
  const char* unit;
};

// The menu's float layers, in its order after ground cover.
constexpr PageLayer kLayers[] = {
    {"elevation", "Elevation", Field::kElevation, "planet height units"},
    {"temperature", "Temperature", Field::kTemperature, "°C"},
    {"humidity", "Humidity", Field::kHumidity, "moisture units (0..1)"},
    {"rain", "Rain", Field::kRain, "moisture units per turn"},
    {"water-flow", "Water flow", Field::kWaterFlow, "height units per turn"},
    {"sediment", "Sediment", Field::kSediment, "planet height units"},
};

std::string base64(const uint8_t* bytes, size_t size) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  text.reserve((size + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 3 <= size; i += 3) {
    const uint32_t n = (uint32_t{bytes[i]} << 16) | (uint32_t{bytes[i + 1]} << 8) | bytes[i + 2];
    const char quad[4] = {kDigits[n >> 18], kDigits[(n >> 12) & 63], kDigits[(n >> 6) & 63],
                          kDigits[n & 63]};
    text.append(quad, 4);
  }
  if (i < size) {
    const uint32_t n =
        (uint32_t{bytes[i]} << 16) | (i + 1 < size ? uint32_t{bytes[i + 1]} << 8 : 0);
    text += kDigits[n >> 18];
    text += kDigits[(n >> 12) & 63];
    text += i + 1 < size ? kDigits[(n >> 6) & 63] : '=';
    text += '=';
  }
  return text;
}

// Floats as the page reads them: their little-endian bytes (on any host) in
// four planes, every value's lowest byte first and its highest last, deflated
// (zlib) and in base64. Neighbouring values of a smooth map share their high
// bytes, so the planes deflate to about half, and the page shrinks by a
// quarter. zlib's lack of memory is reported as the vectors' is, by
// std::bad_alloc, which writeGlobePage turns into kOutOfMemory.
std::string packFloats(const std::vector<float>& values) {
  const size_t n = values.size();
  std::vector<uint8_t> planes(n * 4);
  for (size_t i = 0; i < n; ++i) {
    uint32_t bits;
    std::memcpy(&bits, &values[i], 4);
    for (size_t b = 0; b < 4; ++b) planes[b * n + i] = static_cast<uint8_t>(bits >> (8 * b));
  }
  // Runs of one byte are what the high planes hold: matching only those
  // (Z_RLE) takes half the time of level 1's search for 1% more bytes.
  // compressBound covers zlib's default window and memory, which these are.
  std::vector<uint8_t> deflated(compressBound(static_cast<uLong>(planes.size())));
  z_stream stream{};
  if (deflateInit2(&stream, 1, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK) throw std::bad_alloc();
  stream.next_in = planes.data();
  stream.avail_in = static_cast<uInt>(planes.size());
  stream.next_out = deflated.data();
  stream.avail_out = static_cast<uInt>(deflated.size());
  const int finished = deflate(&stream, Z_FINISH);
  deflateEnd(&stream);
  // With room for the bound, only a lack of memory keeps it from the end.
  if (finished != Z_STREAM_END) throw std::bad_alloc();
  return base64(deflated.data(), stream.total_out);
}

// The shortest decimal that reads back as the float: 0.1f shows as 0.1.
double shortestDecimal(float value) {
  char text[32];
  const std::to_chars_result written = std::to_chars(text, text + sizeof text - 1, value);
  if (written.ec != std::errc()) return value;
  *written.ptr = '\0';
  return std::strtod(text, nullptr);
}

Json rgb(uint8_t red, uint8_t green, uint8_t blue) {
  return Json::array({red, green, blue});
}

Json settingsJson(const geoweave::Settings& s) {
  return Json{{"seed", s.seed},
              {"width", s.width},
              {"zoom", shortestDecimal(s.zoom)},
              {"cornerRange", shortestDecimal(s.cornerRange)},
              {"landPercent", s.landPercent},
              {"riverPercent", s.riverPercent},
              {"turns", s.turns},
              {"shareCap", shortestDecimal(s.shareCap)},
              {"shadeScale", shortestDecimal(s.shadeScale)}};
}

Json statisticsJson(const geoweave::Statistics& s) {
  return Json{{"elevationMin", shortestDecimal(s.elevationMin)},
              {"elevationMax", shortestDecimal(s.elevationMax)},
              {"seaLevel", shortestDecimal(s.seaLevel)},
              {"waterFlowing", shortestDecimal(s.waterFlowing)},
              {"rainfall", shortestDecimal(s.rainfall)},
              {"temperatureMin", shortestDecimal(s.temperatureMin)},
              {"temperatureMax", shortestDecimal(s.temperatureMax)},
              {"tileElevationDiff", shortestDecimal(s.tileElevationDiff)}};
}

Json groundCoverLayer() {
  Json key = Json::array();
  for (const CoverColour& c : groundCoverColours()) {
    key.push_back(Json{{"label", c.label}, {"rgb", rgb(c.red, c.green, c.blue)}});
  }
  return Json{{"id", "ground"}, {"title", "Ground cover"}, {"unit", ""}, {"key", std::move(key)}};
}

Json floatLayer(const PageLayer& layer, const geoweave::Statistics& statistics,
                const std::vector<float>& values) {
  const float largest = values.empty() ? 0.0f : *std::max_element(values.begin(), values.end());
  Json stops = Json::array();
  for (const ColourStop& s : layerColourStops(layer.field, statistics, largest)) {
    stops.push_back(
        Json{{"value", shortestDecimal(s.value)}, {"rgb", rgb(s.red, s.green, s.blue)}});
  }
  return Json{{"id", layer.id},
              {"title", layer.title},
              {"unit", layer.unit},
              {"stops", std::move(stops)},
              {"values", packFloats(values)}};
}

// Six floats a segment: longitude, latitude (map fractions, see RiverEnd) and
// flow of its start, then of its end.
Json riversJson(const geoweave::Rivers& rivers) {
  std::vector<float> ends;
  ends.reserve(rivers.segments.size() * 6);
  for (const geoweave::RiverSegment& s : rivers.segments) {
    for (const geoweave::RiverEnd& e : {s.from, s.to}) {
      ends.insert(ends.end(), {e.longitude, e.latitude, e.flow});
    }
  }
  return Json{{"count", rivers.segments.size()},
              {"threshold", shortestDecimal(rivers.threshold)},
              {"majorThreshold", shortestDecimal(rivers.majorThreshold)},
              {"segments", packFloats(ends)}};
}

Status renderGroundPicture(const geoweave::Planet& planet, geoweave::Image* ground,
                           std::string* error) {
  ground->width = kGroundWidth;
  ground->height = kGroundHeight;
  ground->rgb.resize(static_cast<size_t>(kGroundWidth) * kGroundHeight * 3);
  geoweave::Image band;
  for (int first = 0; first < kGroundHeight; first += kGroundBandRows) {
    const int rows = std::min(kGroundBandRows, kGroundHeight - first);
    const Status drawn =
        planet.renderGroundRows(kGroundWidth, kGroundHeight, first, rows, &band, error);
    if (drawn != Status::kOk) return drawn;
    std::copy(band.rgb.begin(), band.rgb.end(),
              ground->rgb.begin() + static_cast<std::ptrdiff_t>(first) * kGroundWidth * 3);
  }
  return Status::kOk;
}

// The page's data as JSON.
Status planetJson(const geoweave::Planet& planet, std::string* json, std::string* error) {
  std::vector<Field> fields;
  for (const PageLayer& layer : kLayers) fields.push_back(layer.field);
  std::vector<std::vector<float>> maps;
  Status status = planet.sampleMaps(fields, kLayerWidth, kLayerHeight,
                                    geoweave::MapLayout::kGeographic, &maps, error);
  if (status != Status::kOk) return status;
  geoweave::Rivers rivers;
  status = planet.rivers(&rivers, error);
  if (status != Status::kOk) return status;
  geoweave::Image ground;
  status = renderGroundPicture(planet, &ground, error);
  if (status != Status::kOk) return status;
  std::string png;
  if (!encodePngRgb8(ground.width, ground.height, ground.rgb.data(), &png, error)) {
    return Status::kOutOfMemory;
  }

  const geoweave::Statistics statistics = planet.statistics();
  Json layers = Json::array({groundCoverLayer()});
  for (size_t i = 0; i < fields.size(); ++i) {
    layers.push_back(floatLayer(kLayers[i], statistics, maps[i]));
  }
  const Json data{
      {"settings", settingsJson(planet.settings())},
      {"gridLevel", planet.gridLevel()},
      {"statistics", statisticsJson(statistics)},
      {"grid", Json{{"width", kLayerWidth}, {"height", kLayerHeight}}},
      {"ground", Json{{"width", kGroundWidth},
                      {"height", kGroundHeight},
                      {"png", base64(reinterpret_cast<const uint8_t*>(png.data()), png.size())}}},
      {"layers", std::move(layers)},
      {"rivers", riversJson(rivers)}};
  *json = data.dump();
  return Status::kOk;
}

// The template with each @GEOWEAVE_NAME@ replaced by its text; what is put in
// is never searched again, so the script and the data may hold anything.
std::string fillTemplate(std::string_view page, const std::string& title, const std::string& data) {
  const std::string_view marker = "@GEOWEAVE_";
  std::string out;
  out.reserve(page.size() + data.size() + globePageScript().size());
  size_t from = 0;
  for (size_t at = page.find(marker); at != std::string_view::npos; at = page.find(marker, from)) {
    const size_t end = page.find('@', at + 1);
    if (end == std::string_view::npos) break;
    const std::string_view name = page.substr(at + marker.size(), end - at - marker.size());
    out.append(page.substr(from, at - from));
    if (name == "TITLE") {
      out += title;
    } else if (name == "DATA") {
      out += data;
    } else if (name == "SCRIPT") {
      out.append(globePageScript());
    }
    from = end + 1;
  }
  out.append(page.substr(from));
  return out;
}

}  // namespace

Status writeGlobePage(const geoweave::Planet& planet, const std::string& path, std::string* error) {
  if (!planet.generated()) {
    if (error != nullptr) *error = "cannot write " + path + ": no planet has been generated";
    return Status::kUnusable;
  }
  try {
    std::string data;
    const Status status = planetJson(planet, &data, error);
    if (status != Status::kOk) return status;
    const std::string title = "Geoweave planet, seed " + std::to_string(planet.settings().seed);
    const std::string page = fillTemplate(globePageTemplate(), title, data);
    return writeWholeFile(path.c_str(), page, error) ? Status::kOk : Status::kWriteFailed;
  } catch (const std::bad_alloc&) {
    if (error != nullptr) *error = "cannot write " + path + ": out of memory";
    return Status::kOutOfMemory;
  }
}

}  // namespace geoweave::detail
