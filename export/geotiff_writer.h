#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace geoweave::detail {

// What one band of values means, for the programs that read the file.
struct GeoTiffBand {
  std::string name;  // what the values are, e.g. "elevation"; empty leaves it unnamed
  std::string unit;  // e.g. "m" or "degC"; empty leaves it unstated
  // The value that marks cells without data, if there are any: readers then
  // leave such cells out of statistics and colour scales.
  std::optional<float> nodata;
  // Further items of the band's metadata, name and value, as GDAL lists
  // them under the band (e.g. the name of each class of a class map).
  std::vector<std::pair<std::string, std::string>> items;
};

// A colour table: value i is drawn in colour i (red, green, blue).
using GeoTiffPalette = std::vector<std::array<uint8_t, 3>>;

// Writes a one-band 32-bit float GeoTIFF covering the whole globe in
// longitude and latitude on WGS 84 (EPSG:4326): column 0 starts at 180 W,
// row 0 at 90 N (north up), each cell an area of 360 / width by 180 / height
// degrees. topDown holds width x height values, rows from the north down.
// Compressed with DEFLATE and the floating-point predictor in 256 x 256
// tiles; the name and unit go where GDAL reads a band's title and unit.
// Laid out as a cloud optimized GeoTIFF (the layout GDAL's COG driver
// writes and its validator accepts): overviews that halve the raster until
// it fits in one tile (see halved(), same tiles, compression and nodata),
// every directory at the start of the file after GDAL's ghost area, then the
// tiles from the smallest overview's to the full resolution's, each framed by
// its size before and its last four bytes after. The full resolution holds
// topDown's values exactly.
// The tiles are compressed first, into an unnamed scratch file in path's
// directory (see GeoTiffRows, which this is with one band), so until the
// file is complete that directory holds the full resolution's compressed
// tiles twice.
// The file appears under path only once it is complete (see AtomicFile): on
// failure false comes back, whatever stood at path is untouched, no scratch
// file is left, and *error (when not null) names the file and the reason:
// "cannot write PATH: reason", or "error: out of memory while writing PATH"
// when memory ran out (empty when even that line could not be had). Throws
// nothing; safe to call on several threads for different files.
bool writeGeoTiffFloat(const char* path, int width, int height, const float* topDown,
                       const GeoTiffBand& band, std::string* error);

// The same for values 0..255 (a class map, a mask): one byte a cell, no
// predictor, and with a non-empty palette (at most 256 colours) a colour
// table, which GDAL reads as the band's, its other values black. Its
// overviews take each 2 x 2 block's top left value (see halvedNearest), as
// classes have no mean.
bool writeGeoTiffByte(const char* path, int width, int height, const uint8_t* topDown,
                      const GeoTiffBand& band, const GeoTiffPalette& palette, std::string* error);

// The rows of a GeoTIFF's tiles: a band handed to GeoTiffRows holds a
// multiple of these, unless it ends the raster.
constexpr int kGeoTiffTileRows = 256;

// How many rows of a width-cell raster one band of GeoTiffRows should hold:
// one row of tiles or more, about a million cells.
int geoTiffBandRows(int width);

// Writes the same file as writeGeoTiffFloat or writeGeoTiffByte, byte for
// byte, from the raster's rows handed over a band at a time from the top,
// so that no more than a band of the full resolution need be held: each
// band's tiles are compressed as they come and wait, compressed, in an
// unnamed scratch file in path's directory (gone however the process ends)
// while the first overview (a quarter of the raster) is kept in memory;
// finish() then writes the file in its cloud optimized order. The values of
// a band are not kept: the caller may reuse them once addRows returns.
// After the first failure every call returns false and error() tells it as
// the whole-file writers' *error would. One object is used on one thread at
// a time; objects for different files may work on different threads.
class GeoTiffRows {
 public:
  GeoTiffRows();
  // Unfinished, nothing is left behind: the scratch file goes.
  ~GeoTiffRows();
  GeoTiffRows(const GeoTiffRows&) = delete;
  GeoTiffRows& operator=(const GeoTiffRows&) = delete;

  // Starts path, a width x height raster of 32-bit floats (as
  // writeGeoTiffFloat) or, with byteCells, of bytes (as writeGeoTiffByte,
  // palette as there). False when the arguments or the scratch file fail.
  bool start(const char* path, int width, int height, bool byteCells, const GeoTiffBand& band,
             const GeoTiffPalette& palette = GeoTiffPalette());
  // Adds the next rows: width x rows values, rows from the top, of the
  // kind start() named (the other kind fails). rows is a multiple of
  // kGeoTiffTileRows unless these rows end the raster. Compresses on the
  // calling thread.
  bool addRows(const float* values, int rows);
  bool addRows(const uint8_t* values, int rows);
  // Writes the file, once every row was added; it appears under path only
  // now (see AtomicFile).
  bool finish();

  // Whether no call has failed so far.
  bool ok() const { return error_.empty() && !failed_; }
  // Why a call failed (see above); empty while ok() and when even the
  // out-of-memory line could not be had.
  const std::string& error() const { return error_; }

 private:
  struct State;
  // Whether start() succeeded and nothing failed since (a call before
  // start() is a failure without a text).
  bool started();
  template <typename Value>
  bool add(const Value* values, int rows);
  bool failOutOfMemory(const char* path);

  std::unique_ptr<State> state_;
  bool failed_ = false;
  std::string error_;
};

}  // namespace geoweave::detail
