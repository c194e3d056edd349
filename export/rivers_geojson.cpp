#include "export/rivers_geojson.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <nlohmann/json.hpp>

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

bool fail(std::string* error, const std::string& path, const std::string& reason) {
  if (error != nullptr) *error = "cannot write " + path + ": " + reason;
  return false;
}

bool writeAll(int fd, const std::string& bytes) {
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t done = ::write(fd, data, left);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) {
      if (done == 0) errno = EIO;
      return false;
    }
    data += done;
    left -= static_cast<size_t>(done);
  }
  return true;
}

// The bytes go to a fresh scratch file beside path (so the rename stays on
// one file system) and are renamed into place only when all were written.
// A scratch name is only ever created with O_EXCL, so removing it can never
// take somebody else's file.
bool writeThroughScratch(const std::string& path, const std::string& bytes, std::string* error) {
  std::string scratch;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    scratch = path + "." + std::to_string(::getpid()) + "." + std::to_string(attempt) + ".tmp";
    fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return fail(error, path, std::strerror(errno));
  const bool written = writeAll(fd, bytes);
  int saved = errno;
  const bool closed = ::close(fd) == 0;
  if (written && !closed) saved = errno;
  if (written && closed && ::rename(scratch.c_str(), path.c_str()) == 0) return true;
  if (written && closed) saved = errno;
  ::unlink(scratch.c_str());
  return fail(error, path, std::strerror(saved));
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
  return writeThroughScratch(path, collection.dump() + "\n", error);
}
