#include "export/rivers_geojson.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <nlohmann/json.hpp>

#include "image/atomic_file.h"

namespace geoweave::detail {

namespace {

using Json = nlohmann::ordered_json;

struct Position {
  double longitude;
  double latitude;
};

// Six decimals of a degree, about 0.1 m: finer than any grid, and far shorter
// than the seventeen digits a double would print.
double roundDegrees(double degrees) {
  return std::round(degrees * 1e6) / 1e6;
}

Position positionOf(const geoweave::RiverEnd& end) {
  const double turns = 360.0 * static_cast<double>(end.longitude);
  // Into (-180, 180]: 360 u for the western half turn, 360 u - 360 east of it.
  const double longitude = turns - 360.0 * std::ceil((turns - 180.0) / 360.0);
  return {roundDegrees(longitude), roundDegrees(180.0 * static_cast<double>(end.latitude) - 90.0)};
}

Json coordinates(const Position& p) {
  return Json::array({p.longitude, p.latitude});
}

// The shortest decimal that reads back as the float, so a flow of 0.1f is
// written 0.1 rather than 0.10000000149011612.
double shortestDecimal(float value) {
  char text[32];
  const std::to_chars_result written = std::to_chars(text, text + sizeof text - 1, value);
  if (written.ec != std::errc()) return value;
  *written.ptr = '\0';
  return std::strtod(text, nullptr);
}

Json geometryOf(Position from, Position to) {
  if (std::fabs(to.longitude - from.longitude) > 180) {
    // An end on the antimeridian belongs to either side; the other end's
    // side needs no split.
    if (from.longitude == 180) from.longitude = -180;
    if (to.longitude == 180) to.longitude = -180;
  }
  if (std::fabs(to.longitude - from.longitude) <= 180) {
    return Json{{"type", "LineString"},
                {"coordinates", Json::array({coordinates(from), coordinates(to)})}};
  }
  // Eastward over 180 degrees when the start is in the east, westward
  // otherwise; the end is moved by a turn to lie beside the start.
  const double side = from.longitude > 0 ? 180.0 : -180.0;
  const double unwrappedEnd = to.longitude + 2 * side;
  const double t = (side - from.longitude) / (unwrappedEnd - from.longitude);
  const double latitude = roundDegrees(from.latitude + t * (to.latitude - from.latitude));
  const Position before{side, latitude};
  const Position after{-side, latitude};
  return Json{{"type", "MultiLineString"},
              {"coordinates", Json::array({Json::array({coordinates(from), coordinates(before)}),
                                           Json::array({coordinates(after), coordinates(to)})})}};
}

}  // namespace

bool writeRiversGeoJson(const char* path, const geoweave::Rivers& rivers, std::string* error) {
  Json features = Json::array();
  for (const geoweave::RiverSegment& segment : rivers.segments) {
    features.push_back(
        Json{{"type", "Feature"},
             {"geometry", geometryOf(positionOf(segment.from), positionOf(segment.to))},
             {"properties", Json{{"flow_start", shortestDecimal(segment.from.flow)},
                                 {"flow_end", shortestDecimal(segment.to.flow)},
                                 {"major", segment.from.flow >= rivers.majorThreshold}}}});
  }
  const Json collection{{"type", "FeatureCollection"}, {"features", std::move(features)}};
  return writeWholeFile(path, collection.dump() + "\n", error);
}

}  // namespace geoweave::detail
