#include "export/geotiff_writer.h"

#include <geotiff.h>
#include <geovalues.h>
#include <sys/stat.h>
#include <tiffio.h>
#include <unistd.h>
#include <xtiffio.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <new>
#include <system_error>
#include <vector>

#include "export/output_files.h"
#include "export/overviews.h"
#include "image/atomic_file.h"

namespace geoweave::detail {

namespace {

// Square tiles let a reader fetch any window of a large map without decoding
// whole rows of the globe; 256 is what GDAL itself picks for tiled files.
constexpr uint32_t kTileSize = 256;

// DEFLATE level 1: libtiff would take 6, which costs three times the time
// for files a few per cent smaller.
constexpr int kDeflateLevel = 1;

// libtiff talks to the scratch file through these, so AtomicFile keeps the
// descriptor (libtiff's own close would take it) and a failed write keeps
// its errno for the message. The sink keeps the file position itself, as the
// tiles' frames are written at places libtiff does not track.
struct TiffSink {
  int fd = -1;
  off_t position = 0;
  int writeErrno = 0;   // of the first failed write, when it came before any complaint
  std::string message;  // libtiff's first complaint
  // Whether memory had run out (errno ENOMEM, as malloc leaves it) when
  // libtiff complained first.
  bool outOfMemory = false;
  // Set once the file is given up: libtiff still flushes what it holds on
  // closing, and after a failed allocation that may be garbage.
  bool discard = false;
};

tmsize_t sinkRead(thandle_t handle, void* data, tmsize_t size) {
  auto* sink = static_cast<TiffSink*>(handle);
  auto* bytes = static_cast<unsigned char*>(data);
  tmsize_t got = 0;
  while (got < size) {
    const ssize_t done =
        ::pread(sink->fd, bytes + got, static_cast<size_t>(size - got), sink->position);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) break;
    got += done;
    sink->position += done;
  }
  return got;
}

tmsize_t sinkWrite(thandle_t handle, void* data, tmsize_t size) {
  auto* sink = static_cast<TiffSink*>(handle);
  if (sink->discard) return -1;
  const auto* bytes = static_cast<const unsigned char*>(data);
  tmsize_t left = size;
  while (left > 0) {
    const ssize_t done = ::pwrite(sink->fd, bytes, static_cast<size_t>(left), sink->position);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) {
      // Kept only as the first trouble: after a complaint (an allocation
      // that failed, say) libtiff may go on to write what it never filled.
      if (sink->message.empty() && sink->writeErrno == 0) sink->writeErrno = done < 0 ? errno : EIO;
      return -1;
    }
    bytes += done;
    left -= done;
    sink->position += done;
  }
  return size;
}
toff_t sinkSize(thandle_t handle) {
  struct stat info {};
  if (::fstat(static_cast<TiffSink*>(handle)->fd, &info) != 0) return 0;
  return static_cast<toff_t>(info.st_size);
}

toff_t sinkSeek(thandle_t handle, toff_t offset, int whence) {
  auto* sink = static_cast<TiffSink*>(handle);
  off_t base = 0;
  if (whence == SEEK_CUR) base = sink->position;
  if (whence == SEEK_END) base = static_cast<off_t>(sinkSize(handle));
  const off_t at = base + static_cast<off_t>(offset);
  if (at < 0) return static_cast<toff_t>(-1);
  sink->position = at;
  return static_cast<toff_t>(at);
}

int sinkClose(thandle_t) {
  return 0;
}  // AtomicFile closes and checks the descriptor

int sinkMap(thandle_t, void**, toff_t*) {
  return 0;
}
void sinkUnmap(thandle_t, void*, toff_t) {}

int onTiffError(TIFF*, void* user, const char* module, const char* format, va_list args) {
  auto* sink = static_cast<TiffSink*>(user);
  if (sink->message.empty()) {
    sink->outOfMemory = errno == ENOMEM;
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    sink->message = std::string("libtiff: ") + (module != nullptr ? module : "") + ": " + text;
  }
  return 1;  // handled: libtiff must not print it
}

// Warnings do not stop the file, and a library has nobody to tell them to.
int onTiffWarning(TIFF*, void*, const char*, const char*, va_list) {
  return 1;
}

// The GeoTIFF tags and GDAL's two, declared to this file's handle alone
// (libtiff knows none of them by default). libgeotiff's
// XTIFFInitialize would declare them for every file of the process through a
// global hook that is not safe to set up from two threads at once. libtiff
// keeps the names as given and never writes to them.
const TIFFFieldInfo kGeoTiffFields[] = {
    {TIFFTAG_GEOPIXELSCALE, -1, -1, TIFF_DOUBLE, FIELD_CUSTOM, 1, 1,
     const_cast<char*>("GeoPixelScale")},
    {TIFFTAG_GEOTIEPOINTS, -1, -1, TIFF_DOUBLE, FIELD_CUSTOM, 1, 1,
     const_cast<char*>("GeoTiePoints")},
    {TIFFTAG_GEOKEYDIRECTORY, -1, -1, TIFF_SHORT, FIELD_CUSTOM, 1, 1,
     const_cast<char*>("GeoKeyDirectory")},
    {TIFFTAG_GEODOUBLEPARAMS, -1, -1, TIFF_DOUBLE, FIELD_CUSTOM, 1, 1,
     const_cast<char*>("GeoDoubleParams")},
    {TIFFTAG_GEOASCIIPARAMS, -1, -1, TIFF_ASCII, FIELD_CUSTOM, 1, 0,
     const_cast<char*>("GeoASCIIParams")},
    {TIFFTAG_GDAL_METADATA, -1, -1, TIFF_ASCII, FIELD_CUSTOM, 1, 0,
     const_cast<char*>("GDALMetadata")},
    {TIFFTAG_GDAL_NODATA, -1, -1, TIFF_ASCII, FIELD_CUSTOM, 1, 0,
     const_cast<char*>("GDALNoDataValue")},
};

std::string xmlEscaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// GDAL keeps a band's title and unit in its own XML tag. It escapes each
// value before it builds the XML, which escapes it again, and it reads them
// back the same way: so the values here are escaped twice as well.
std::string gdalMetadata(const GeoTiffBand& band) {
  if (band.name.empty() && band.unit.empty() && band.items.empty()) return std::string();
  std::string xml = "<GDALMetadata>\n";
  if (!band.name.empty()) {
    xml += "  <Item name=\"DESCRIPTION\" sample=\"0\" role=\"description\">" +
           xmlEscaped(xmlEscaped(band.name)) + "</Item>\n";
  }
  if (!band.unit.empty()) {
    xml += "  <Item name=\"UNITTYPE\" sample=\"0\" role=\"unittype\">" +
           xmlEscaped(xmlEscaped(band.unit)) + "</Item>\n";
  }
  for (const auto& [name, value] : band.items) {
    xml +=
        "  <Item name=\"" + xmlEscaped(name) + "\" sample=\"0\">" + xmlEscaped(value) + "</Item>\n";
  }
  return xml + "</GDALMetadata>\n";
}

// GDAL reads the nodata value as text; nine significant digits give back
// exactly the same float.
std::string nodataText(float value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
  return text;
}

// The GeoKey directory as GeoTIFF 1.0 lays it out: version 1, revision
// 1.0, the number of keys, then each key sorted by id as its id, where its
// value lies (0: in the entry; a tag: among that tag's values), the count,
// and the value or its offset there. Set directly rather than through
// libgeotiff, whose key setting does not check its allocations and crashes
// when memory runs out.
bool writeGeoKeys(TIFF* tif, int width, int height) {
  // Cell size, and the top left corner of cell (0, 0) placed at 180 W, 90 N.
  const double scale[3] = {360.0 / width, 180.0 / height, 0.0};
  const double tiePoint[6] = {0.0, 0.0, 0.0, -180.0, 90.0, 0.0};
  static const char kCitation[] = "WGS 84|";  // each ASCII value ends in '|'
  const uint16_t keys[][4] = {
      {1, 1, 0, 5},  // the header
      {GTModelTypeGeoKey, 0, 1, ModelTypeGeographic},
      {GTRasterTypeGeoKey, 0, 1, RasterPixelIsArea},
      {GeographicTypeGeoKey, 0, 1, GCS_WGS_84},
      {GeogCitationGeoKey, TIFFTAG_GEOASCIIPARAMS, sizeof kCitation - 1, 0},
      {GeogAngularUnitsGeoKey, 0, 1, Angular_Degree},
  };
  return TIFFSetField(tif, TIFFTAG_GEOPIXELSCALE, 3, scale) &&
         TIFFSetField(tif, TIFFTAG_GEOTIEPOINTS, 6, tiePoint) &&
         TIFFSetField(tif, TIFFTAG_GEOKEYDIRECTORY, static_cast<int>(4 * std::size(keys)),
                      &keys[0][0]) &&
         TIFFSetField(tif, TIFFTAG_GEOASCIIPARAMS, kCitation);
}

// One resolution of the raster, the full one or an overview: width x
// height values of bytes each, rows from the top.
struct Level {
  int width;
  int height;
  const void* values;
};

// How the values are stored.
struct Cells {
  uint16_t bytes;  // a value's
  uint16_t sampleFormat;
  uint16_t predictor;
  const GeoTiffPalette* palette;  // null or empty: no colour table
};

// The hidden text GDAL reads between the TIFF header and the first
// directory: it tells a reader that every directory comes before the tile
// data and that each tile is framed by its size and its last four bytes, so
// that a reader over HTTP may fetch tiles without the offset arrays. Padded
// to an even length, as directories start on even bytes.
std::string ghostArea() {
  const std::string body =
      "LAYOUT=IFDS_BEFORE_DATA\n"
      "BLOCK_ORDER=ROW_MAJOR\n"
      "BLOCK_LEADER=SIZE_AS_UINT4\n"
      "BLOCK_TRAILER=LAST_4_BYTES_REPEATED\n"
      "KNOWN_INCOMPATIBLE_EDITION=NO\n";
  char head[64];
  // The first line has a fixed length, so its size field counts the rest.
  const size_t headLength = std::strlen("GDAL_STRUCTURAL_METADATA_SIZE=000000 bytes\n");
  const size_t padded = body.size() + (headLength + body.size()) % 2;
  std::snprintf(head, sizeof head, "GDAL_STRUCTURAL_METADATA_SIZE=%06zu bytes\n", padded);
  return head + body + std::string(padded - body.size(), ' ');
}

bool appendBytes(TiffSink& sink, const void* bytes, size_t size) {
  sink.position = static_cast<off_t>(sinkSize(&sink));
  return sinkWrite(&sink, const_cast<void*>(bytes), static_cast<tmsize_t>(size)) ==
         static_cast<tmsize_t>(size);
}

bool putLittleEndian(TiffSink& sink, uint32_t value, off_t at) {
  const unsigned char bytes[4] = {
      static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
      static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
  sink.position = at;
  return sinkWrite(&sink, const_cast<unsigned char*>(bytes), 4) == 4;
}

// Writes the level's tiles, row by row of tiles, at the end of the file, each
// after four bytes holding its size and followed by a copy of its last four
// bytes (see ghostArea).
bool writeTiles(TIFF* tif, const Level& level, const Cells& cells, TiffSink& sink) {
  const size_t bytes = cells.bytes;
  std::vector<uint8_t> tile(static_cast<size_t>(kTileSize) * kTileSize * bytes);
  const auto tileBytes = static_cast<tmsize_t>(tile.size());
  const auto* values = static_cast<const uint8_t*>(level.values);
  const auto width = static_cast<uint32_t>(level.width);
  const auto height = static_cast<uint32_t>(level.height);
  for (uint32_t y0 = 0; y0 < height; y0 += kTileSize) {
    for (uint32_t x0 = 0; x0 < width; x0 += kTileSize) {
      // Cells past the map's right or bottom edge fill out the last tiles
      // (all bits 0: 0.0 for floats); readers never show them.
      std::fill(tile.begin(), tile.end(), uint8_t{0});
      const uint32_t columns = std::min(kTileSize, width - x0);
      const uint32_t rows = std::min(kTileSize, height - y0);
      for (uint32_t r = 0; r < rows; ++r) {
        const uint8_t* from = values + (static_cast<size_t>(y0 + r) * width + x0) * bytes;
        std::copy(from, from + columns * bytes,
                  tile.data() + static_cast<size_t>(r) * kTileSize * bytes);
      }
      const uint32_t index = TIFFComputeTile(tif, x0, y0, 0, 0);
      const unsigned char leader[4] = {};
      if (!appendBytes(sink, leader, sizeof leader) ||
          TIFFWriteEncodedTile(tif, index, tile.data(), tileBytes) < 0) {
        return false;
      }
      const uint64_t offset = TIFFGetStrileOffset(tif, index);
      const uint64_t size = TIFFGetStrileByteCount(tif, index);
      unsigned char last[4];
      if (size < 4 || size > UINT32_MAX ||
          !putLittleEndian(sink, static_cast<uint32_t>(size), static_cast<off_t>(offset) - 4) ||
          ::pread(sink.fd, last, 4, static_cast<off_t>(offset + size - 4)) != 4 ||
          !appendBytes(sink, last, 4)) {
        if (sink.message.empty() && sink.writeErrno == 0) {
          sink.message = "a tile did not land where it was written";
        }
        return false;
      }
    }
  }
  return true;
}

// The colour table as TIFF keeps it: 256 entries of 16 bits a channel.
bool writeColorMap(TIFF* tif, const GeoTiffPalette& palette) {
  std::vector<uint16_t> channels[3];
  for (std::vector<uint16_t>& channel : channels) channel.assign(256, 0);
  for (size_t i = 0; i < palette.size() && i < 256; ++i) {
    for (int c = 0; c < 3; ++c) channels[c][i] = static_cast<uint16_t>(palette[i][c] * 257);
  }
  return TIFFSetField(tif, TIFFTAG_COLORMAP, channels[0].data(), channels[1].data(),
                      channels[2].data()) != 0;
}

// The tags of a level's directory; the full resolution's also carries the
// colour table, the georeference and the band's title and unit, as
// overviews take those from it.
bool setLevelTags(TIFF* tif, const Level& level, bool overview, const Cells& cells,
                  const GeoTiffBand& band) {
  const bool colored = cells.palette != nullptr && !cells.palette->empty();
  const bool shapeSet =
      (!overview || TIFFSetField(tif, TIFFTAG_SUBFILETYPE, FILETYPE_REDUCEDIMAGE)) &&
      TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(level.width)) &&
      TIFFSetField(tif, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(level.height)) &&
      TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 1) &&
      TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8 * cells.bytes) &&
      TIFFSetField(tif, TIFFTAG_SAMPLEFORMAT, cells.sampleFormat) &&
      TIFFSetField(tif, TIFFTAG_PHOTOMETRIC,
                   colored ? PHOTOMETRIC_PALETTE : PHOTOMETRIC_MINISBLACK) &&
      TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
      TIFFSetField(tif, TIFFTAG_TILEWIDTH, kTileSize) &&
      TIFFSetField(tif, TIFFTAG_TILELENGTH, kTileSize) &&
      TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE) &&
      TIFFSetField(tif, TIFFTAG_PREDICTOR, cells.predictor) &&
      (!colored || writeColorMap(tif, *cells.palette));
  if (!shapeSet) return false;
  if (band.nodata.has_value() &&
      !TIFFSetField(tif, TIFFTAG_GDAL_NODATA, nodataText(*band.nodata).c_str())) {
    return false;
  }
  if (overview) return true;
  if (!TIFFSetField(tif, TIFFTAG_SOFTWARE, "Geoweave") ||
      !writeGeoKeys(tif, level.width, level.height)) {
    return false;
  }
  const std::string metadata = gdalMetadata(band);
  return metadata.empty() || TIFFSetField(tif, TIFFTAG_GDAL_METADATA, metadata.c_str());
}

// The layout of a cloud optimized GeoTIFF as GDAL makes and checks it: the
// header, the ghost area, every directory (full resolution first, then the
// overviews from the largest) with their offset and size arrays, and then
// the tiles, the smallest overview's first and the full resolution's last,
// so a reader fetches the start of the file once and then only the tiles it
// shows. libtiff writes directories with room for the arrays and fills them
// in once the tiles are placed.
bool writeTiff(TIFF* tif, const std::vector<Level>& levels, const Cells& cells,
               const GeoTiffBand& band, TiffSink& sink) {
  const std::string ghost = ghostArea();
  if (!appendBytes(sink, ghost.data(), ghost.size())) return false;
  for (size_t i = 0; i < levels.size(); ++i) {
    // Each new directory starts with libtiff's own tags alone.
    if (TIFFMergeFieldInfo(tif, kGeoTiffFields, std::size(kGeoTiffFields)) != 0 ||
        !setLevelTags(tif, levels[i], i > 0, cells, band) || !TIFFDeferStrileArrayWriting(tif) ||
        !TIFFWriteCheck(tif, 1, "writeTiff") || !TIFFWriteDirectory(tif)) {
      return false;
    }
  }
  const auto directories = static_cast<tdir_t>(levels.size());
  for (tdir_t i = 0; i < directories; ++i) {
    if (!TIFFSetDirectory(tif, i) || !TIFFForceStrileArrayWriting(tif)) return false;
  }
  for (tdir_t i = directories; i-- > 0;) {
    // Reading a directory back resets its codec's settings to libtiff's
    // defaults, so the level is set here, where the tiles are written.
    if (!TIFFSetDirectory(tif, i) || !TIFFSetField(tif, TIFFTAG_ZIPQUALITY, kDeflateLevel) ||
        !writeTiles(tif, levels[i], cells, sink) || !TIFFForceStrileArrayWriting(tif)) {
      return false;
    }
  }
  return true;
}

bool fail(std::string* error, const char* path, const std::string& reason) {
  if (error != nullptr) *error = std::string("cannot write ") + path + ": " + reason;
  return false;
}

bool failOutOfMemory(std::string* error, const char* path) {
  if (error != nullptr) *error = outOfMemoryLine(std::string("writing ") + path);
  return false;
}

// Why libtiff gave up: a failed write's reason first, as a failure to
// write is what libtiff then complains of.
bool failWith(const TiffSink& sink, std::string* error, const char* path) {
  if (sink.writeErrno != 0) {
    return fail(error, path, std::generic_category().message(sink.writeErrno));
  }
  if (sink.outOfMemory) return failOutOfMemory(error, path);
  return fail(error, path, sink.message.empty() ? "libtiff failed" : sink.message);
}

bool writeFile(const char* path, const std::vector<Level>& levels, const Cells& cells,
               const GeoTiffBand& band, std::string* error) {
  AtomicFile file;
  if (!file.open(path)) return fail(error, path, std::generic_category().message(file.error()));
  TiffSink sink;
  sink.fd = file.fd();
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  if (options == nullptr) return failOutOfMemory(error, path);
  TIFFOpenOptionsSetErrorHandlerExtR(options, onTiffError, &sink);
  TIFFOpenOptionsSetWarningHandlerExtR(options, onTiffWarning, &sink);
  // Past 4 GiB of offsets classic TIFF cannot point; BigTIFF can, though
  // fewer readers take it, so only rasters whose raw values (overviews
  // included) come near that limit get it.
  uint64_t values = 0;
  for (const Level& level : levels) {
    values += static_cast<uint64_t>(level.width) * static_cast<uint64_t>(level.height);
  }
  const bool big = values * cells.bytes > (uint64_t{3} << 30);
  // The name is only for libtiff's messages: the final one, which the user
  // knows. Little-endian whatever the host: the ghost area's tile sizes are.
  errno = 0;
  TIFF* tif = TIFFClientOpenExt(path, big ? "w8lm" : "wlm", &sink, sinkRead, sinkWrite, sinkSeek,
                                sinkClose, sinkSize, sinkMap, sinkUnmap, options);
  TIFFOpenOptionsFree(options);
  if (tif == nullptr) return failWith(sink, error, path);
  const bool written = writeTiff(tif, levels, cells, band, sink);
  sink.discard = !written;
  TIFFClose(tif);
  // libtiff's close may still write; its failure shows in the sink.
  if (!written || sink.writeErrno != 0) return failWith(sink, error, path);
  if (!file.commit()) return fail(error, path, std::generic_category().message(file.error()));
  return true;
}

// Checks the arguments, makes the overviews with halve (which halves a
// level's values) and writes the file; see writeGeoTiffFloat.
template <typename Value, typename Halve>
bool writeGeoTiff(const char* path, int width, int height, const Value* topDown, const Cells& cells,
                  const GeoTiffBand& band, Halve halve, std::string* error) {
  if (path == nullptr) return fail(error, "(no name)", "no file name given");
  if (width < 1 || height < 1) {
    return fail(error, path,
                "a raster needs at least one cell, not " + std::to_string(width) + " x " +
                    std::to_string(height));
  }
  if (topDown == nullptr) return fail(error, path, "no values given");
  try {
    // The overviews halve the raster until it fits in one tile.
    std::vector<std::vector<Value>> overviews;
    std::vector<Level> levels{{width, height, topDown}};
    while (levels.back().width > static_cast<int>(kTileSize) ||
           levels.back().height > static_cast<int>(kTileSize)) {
      const Level& above = levels.back();
      overviews.push_back(
          halve(static_cast<const Value*>(above.values), above.width, above.height));
      levels.push_back(
          Level{(above.width + 1) / 2, (above.height + 1) / 2, overviews.back().data()});
    }
    return writeFile(path, levels, cells, band, error);
  } catch (const std::bad_alloc&) {
    // The overviews, the tile buffer, or a message; the scratch file went
    // with the unwinding.
    try {
      return failOutOfMemory(error, path);
    } catch (const std::bad_alloc&) {
      if (error != nullptr) error->clear();
      return false;
    }
  }
}

}  // namespace

bool writeGeoTiffFloat(const char* path, int width, int height, const float* topDown,
                       const GeoTiffBand& band, std::string* error) {
  const Cells cells{sizeof(float), SAMPLEFORMAT_IEEEFP, PREDICTOR_FLOATINGPOINT, nullptr};
  return writeGeoTiff(path, width, height, topDown, cells, band, halved, error);
}

bool writeGeoTiffByte(const char* path, int width, int height, const uint8_t* topDown,
                      const GeoTiffBand& band, const GeoTiffPalette& palette, std::string* error) {
  const Cells cells{1, SAMPLEFORMAT_UINT, PREDICTOR_NONE, &palette};
  return writeGeoTiff(path, width, height, topDown, cells, band, halvedNearest, error);
}

}  // namespace geoweave::detail
