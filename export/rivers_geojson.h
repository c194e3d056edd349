#pragma once

#include <string>

#include "geoweave/planet.h"

namespace geoweave::detail {

// Writes the rivers as a GeoJSON FeatureCollection (RFC 7946) at path: one
// Feature per segment, its geometry a LineString from the segment's start to
// its end in [longitude, latitude] degrees (longitude in -180..180,
// latitude 180 v - 90 for the latitude fraction v; six decimals, about
// 0.1 m), its properties "flow_start", "flow_end" and "major" (whether the
// start's flow reaches the major-river threshold). A segment that crosses the
// antimeridian (its ends more than 180 degrees of longitude apart) becomes a
// MultiLineString of its two parts, meeting at 180 and -180 degrees at the
// latitude where the straight line between the ends crosses it; an end on the
// antimeridian itself takes the other end's side instead. The file appears
// under path only complete (written to a scratch name beside it, then
// renamed): on failure false comes back, nothing is left behind, whatever
// stood at path is untouched, and *error (when not null) names the file and
// the reason.
bool writeRiversGeoJson(const char* path, const geoweave::Rivers& rivers, std::string* error);

}  // namespace geoweave::detail
