#pragma once

#include <string>
#include <vector>

#include "export/output_files.h"

namespace geoweave::detail {

// What lets GIS programs (GDAL, QGIS) place a PNG map of the maps' layout
// (geoweave::MapLayout::kFrame) on the globe: a world file beside it and a
// GDAL .aux.xml that names the coordinate system.

// The world file of a width x height map (width >= 1, height >= 1): six
// lines, the degrees of longitude per column, two zero rotations, the
// degrees of latitude per row (negative: rows run south), and the longitude
// and latitude of the centre of the top left pixel. They repeat the maps'
// pixel rule exactly: column x at longitude 360 x / width, row y at
// latitude 90 - 180 y / (height - 1), so pixel (0, 0) is centred on
// longitude 0 at the north pole and the picture's outer edges lie half a
// pixel beyond the poles and west of longitude 0. A single row lies on the
// equator; it is given the 180 degrees of latitude as its height, as a world
// file needs a height. Numbers print with 17 significant digits, which read
// back as the same doubles.
std::string worldFileText(int width, int height);

// GDAL's side file for the same picture: the coordinate system, WGS 84 in
// longitude and latitude (EPSG:4326, longitude along x), and that each
// pixel is the value at a point (AREA_OR_POINT=Point), not over an area.
std::string auxXmlText();

// Every PNG map of the export in the maps' layout, in the order their side
// files are written: the ones written get side files with worldFiles.
const std::vector<std::string>& mapLayoutPngs();

// The side files' names for a PNG's name: "ground.png" gives "ground.pgw"
// and "ground.png.aux.xml", as GDAL looks for them.
std::string worldFileName(const std::string& png);
std::string auxXmlName(const std::string& png);

// Writes both side files of the PNG map png (its name inside dir) of a
// width x height map: two outcomes, the world file's and then the
// .aux.xml's, each file complete or absent (see writeWholeFile).
std::vector<FileOutcome> writeWorldFiles(const std::string& dir, const std::string& png, int width,
                                         int height);

}  // namespace geoweave::detail
