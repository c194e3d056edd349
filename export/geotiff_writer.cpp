#include "export/geotiff_writer.h"

#include <geotiff.h>
#include <geovalues.h>
#include <libdeflate.h>
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
#include <memory>
#include <new>
#include <system_error>
#include <vector>

#include "base/file_io.h"
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

template <typename Sink>
int onTiffError(TIFF*, void* user, const char* module, const char* format, va_list args) {
  auto* sink = static_cast<Sink*>(user);
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
// height values of bytes each, rows from the top; null for the full
// resolution, whose tiles wait compressed in a scratch file (see Spooled).
struct Level {
  int width;
  int height;
  const void* values;
};

// The full resolution's tiles as GeoTiffRows compressed them, one after
// another in the order they are written (rows of tiles from the top, each
// from the left), in the scratch file fd.
struct Spooled {
  int fd = -1;
  std::vector<uint32_t> sizes;  // of each tile's compressed bytes
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

// A tile of a level's values, rows [y0, y0 + 256) and columns
// [x0, x0 + 256) of a width x height raster of values of bytes each, into
// tile (256 x 256 values). Cells past the map's right or bottom edge fill
// out the last tiles (all bits 0: 0.0 for floats); readers never show them.
void cutTile(const uint8_t* values, uint32_t width, uint32_t height, size_t bytes, uint32_t x0,
             uint32_t y0, std::vector<uint8_t>& tile) {
  std::fill(tile.begin(), tile.end(), uint8_t{0});
  const uint32_t columns = std::min(kTileSize, width - x0);
  const uint32_t rows = std::min(kTileSize, height - y0);
  for (uint32_t r = 0; r < rows; ++r) {
    const uint8_t* from = values + (static_cast<size_t>(y0 + r) * width + x0) * bytes;
    std::copy(from, from + columns * bytes,
              tile.data() + static_cast<size_t>(r) * kTileSize * bytes);
  }
}

// A tile compressed here rather than by libtiff: the floating-point
// predictor (TIFF Technical Note 3: each row's bytes laid out in planes, the
// most significant first, then each byte less the one before it) and one
// zlib stream at the file's level, which is what libtiff builds with
// libdeflate does for a whole tile, in a fraction of its time (its
// predictor shuffles a byte at a time through a copy of every row). A tile
// whose stream would not fit libtiff's buffer (the tile's size and a tenth)
// is left to libtiff, which would have deflated it otherwise.
class TileEncoder {
 public:
  explicit TileEncoder(const Cells& cells)
      : cells_(cells), compressor_(libdeflate_alloc_compressor(kDeflateLevel)) {}
  TileEncoder(const TileEncoder&) = delete;
  TileEncoder& operator=(const TileEncoder&) = delete;

  // False when libdeflate could not get its memory.
  bool ok() const { return compressor_ != nullptr; }

  // Compresses a whole tile (kTileSize squared values) and returns the
  // size of its bytes, which bytes() holds until the next call; 0 when
  // libtiff must do it instead (memory running out included, as the caller
  // may hold libtiff's handle open).
  size_t encode(const uint8_t* tile) try {
    const size_t size = static_cast<size_t>(kTileSize) * kTileSize * cells_.bytes;
    const uint8_t* input = tile;
    if (cells_.predictor == PREDICTOR_FLOATINGPOINT) {
      predicted_.resize(size);
      for (uint32_t row = 0; row < kTileSize; ++row) {
        const size_t at = static_cast<size_t>(row) * kTileSize * sizeof(float);
        predictRow(tile + at, predicted_.data() + at);
      }
      input = predicted_.data();
    }
    // The room is sized once: every tile of a file has the same size.
    const size_t room = std::max<size_t>(size + size / 10, 8192);
    compressed_.resize(room);
    return libdeflate_zlib_compress(compressor_.get(), input, size, compressed_.data(), room);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  uint8_t* bytes() { return compressed_.data(); }

 private:
  struct CompressorFree {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
  };

  // One row of kTileSize floats: byte planes from the most significant,
  // then differences from the end back, as the predictor undoes them.
  static void predictRow(const uint8_t* in, uint8_t* out) {
    for (uint32_t i = 0; i < kTileSize; ++i) {
      uint32_t bits;
      std::memcpy(&bits, in + i * sizeof bits, sizeof bits);
      for (uint32_t plane = 0; plane < 4; ++plane) {
        out[plane * kTileSize + i] = static_cast<uint8_t>(bits >> (8 * (3 - plane)));
      }
    }
    for (size_t k = 4 * kTileSize - 1; k > 0; --k) {
      out[k] = static_cast<uint8_t>(out[k] - out[k - 1]);
    }
  }

  const Cells cells_;
  const std::unique_ptr<libdeflate_compressor, CompressorFree> compressor_;
  std::vector<uint8_t> predicted_;
  std::vector<uint8_t> compressed_;
};

// Writes the level's tiles, row by row of tiles, at the end of the file, each
// after four bytes holding its size and followed by a copy of its last four
// bytes (see ghostArea). A level without values takes its tiles as they
// were compressed from spooled.
bool writeTiles(TIFF* tif, const Level& level, const Cells& cells, const Spooled& spooled,
                TiffSink& sink) {
  const size_t bytes = cells.bytes;
  std::vector<uint8_t> tile(
      level.values != nullptr ? static_cast<size_t>(kTileSize) * kTileSize * bytes : 0);
  const auto tileBytes = static_cast<tmsize_t>(tile.size());
  const auto* values = static_cast<const uint8_t*>(level.values);
  const auto width = static_cast<uint32_t>(level.width);
  const auto height = static_cast<uint32_t>(level.height);
  size_t spooledTile = 0;
  off_t spooledAt = 0;
  TileEncoder encoder(cells);
  for (uint32_t y0 = 0; y0 < height; y0 += kTileSize) {
    for (uint32_t x0 = 0; x0 < width; x0 += kTileSize) {
      const uint32_t index = TIFFComputeTile(tif, x0, y0, 0, 0);
      const unsigned char leader[4] = {};
      if (!appendBytes(sink, leader, sizeof leader)) return false;
      if (values != nullptr) {
        cutTile(values, width, height, bytes, x0, y0, tile);
        const size_t encoded = encoder.ok() ? encoder.encode(tile.data()) : 0;
        if (encoded > 0) {
          if (TIFFWriteRawTile(tif, index, encoder.bytes(), static_cast<tmsize_t>(encoded)) < 0) {
            return false;
          }
        } else if (TIFFWriteEncodedTile(tif, index, tile.data(), tileBytes) < 0) {
          return false;
        }
      } else {
        if (spooledTile >= spooled.sizes.size()) {
          sink.message = "a tile was never compressed";
          return false;
        }
        const uint32_t size = spooled.sizes[spooledTile++];
        tile.resize(size);
        const int failure = readFullyAt(spooled.fd, tile.data(), size, spooledAt);
        if (failure != 0) {
          if (sink.message.empty() && sink.writeErrno == 0) sink.writeErrno = failure;
          return false;
        }
        spooledAt += size;
        if (TIFFWriteRawTile(tif, index, tile.data(), static_cast<tmsize_t>(size)) < 0) {
          return false;
        }
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
               const GeoTiffBand& band, const Spooled& spooled, TiffSink& sink) {
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
        !writeTiles(tif, levels[i], cells, spooled, sink) || !TIFFForceStrileArrayWriting(tif)) {
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
               const GeoTiffBand& band, const Spooled& spooled, std::string* error) {
  AtomicFile file;
  if (!file.open(path)) return fail(error, path, std::generic_category().message(file.error()));
  TiffSink sink;
  sink.fd = file.fd();
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  if (options == nullptr) return failOutOfMemory(error, path);
  TIFFOpenOptionsSetErrorHandlerExtR(options, onTiffError<TiffSink>, &sink);
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
  const bool written = writeTiff(tif, levels, cells, band, spooled, sink);
  sink.discard = !written;
  TIFFClose(tif);
  // libtiff's close may still write; its failure shows in the sink.
  if (!written || sink.writeErrno != 0) return failWith(sink, error, path);
  if (!file.commit()) return fail(error, path, std::generic_category().message(file.error()));
  return true;
}

// Where libtiff writes one row of tiles to compress it: memory, from which
// the compressed tiles are taken as they are. Once they are taken, what
// libtiff still writes on closing (the directory) is dropped.
struct MemorySink {
  std::vector<uint8_t> bytes;
  size_t position = 0;
  std::string message;  // libtiff's first complaint
  bool outOfMemory = false;
  bool done = false;
};

tmsize_t memoryRead(thandle_t, void*, tmsize_t) {
  return 0;  // nothing is read back while writing tiles
}

tmsize_t memoryWrite(thandle_t handle, void* data, tmsize_t size) {
  auto* sink = static_cast<MemorySink*>(handle);
  if (sink->done) return size;
  try {
    const size_t end = sink->position + static_cast<size_t>(size);
    if (end > sink->bytes.size()) sink->bytes.resize(end);
    std::memcpy(sink->bytes.data() + sink->position, data, static_cast<size_t>(size));
    sink->position = end;
    return size;
  } catch (const std::bad_alloc&) {
    // Nothing may unwind through libtiff.
    sink->outOfMemory = true;
    return -1;
  }
}

toff_t memorySize(thandle_t handle) {
  return static_cast<toff_t>(static_cast<MemorySink*>(handle)->bytes.size());
}

toff_t memorySeek(thandle_t handle, toff_t offset, int whence) {
  auto* sink = static_cast<MemorySink*>(handle);
  toff_t base = 0;
  if (whence == SEEK_CUR) base = sink->position;
  if (whence == SEEK_END) base = sink->bytes.size();
  sink->position = static_cast<size_t>(base + offset);
  return static_cast<toff_t>(sink->position);
}

// Compresses one row of tiles: rows (1 to 256) rows of width values from
// values, into the tiles' bytes one after another in tiles and each tile's
// size in sizes. The tiles go through a TIFF of their own with the codec
// settings of the file's full resolution, so each is the very bytes
// libtiff would have written there. False with sink's complaint or
// outOfMemory when libtiff fails.
bool compressTileRowWithLibtiff(const uint8_t* values, int width, int rows, const Cells& cells,
                                MemorySink& sink, std::vector<uint8_t>& tiles,
                                std::vector<uint32_t>& sizes) {
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  if (options == nullptr) {
    sink.outOfMemory = true;
    return false;
  }
  TIFFOpenOptionsSetErrorHandlerExtR(options, onTiffError<MemorySink>, &sink);
  TIFFOpenOptionsSetWarningHandlerExtR(options, onTiffWarning, &sink);
  errno = 0;
  TIFF* tif = TIFFClientOpenExt("tiles", "wlm", &sink, memoryRead, memoryWrite, memorySeek,
                                sinkClose, memorySize, sinkMap, sinkUnmap, options);
  TIFFOpenOptionsFree(options);
  if (tif == nullptr) return false;
  const size_t bytes = cells.bytes;
  std::vector<uint8_t> tile(static_cast<size_t>(kTileSize) * kTileSize * bytes);
  const auto columns = static_cast<uint32_t>(width);
  bool ok = TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, columns) &&
            TIFFSetField(tif, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(rows)) &&
            TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 1) &&
            TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8 * cells.bytes) &&
            TIFFSetField(tif, TIFFTAG_SAMPLEFORMAT, cells.sampleFormat) &&
            TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK) &&
            TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
            TIFFSetField(tif, TIFFTAG_TILEWIDTH, kTileSize) &&
            TIFFSetField(tif, TIFFTAG_TILELENGTH, kTileSize) &&
            TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE) &&
            TIFFSetField(tif, TIFFTAG_PREDICTOR, cells.predictor) &&
            TIFFSetField(tif, TIFFTAG_ZIPQUALITY, kDeflateLevel);
  for (uint32_t x0 = 0; ok && x0 < columns; x0 += kTileSize) {
    cutTile(values, columns, static_cast<uint32_t>(rows), bytes, x0, 0, tile);
    const uint32_t index = TIFFComputeTile(tif, x0, 0, 0, 0);
    ok = TIFFWriteEncodedTile(tif, index, tile.data(), static_cast<tmsize_t>(tile.size())) >= 0;
    if (!ok) break;
    const uint64_t offset = TIFFGetStrileOffset(tif, index);
    const uint64_t size = TIFFGetStrileByteCount(tif, index);
    if (size < 4 || size > UINT32_MAX || offset + size > sink.bytes.size()) {
      if (sink.message.empty()) sink.message = "a tile did not land where it was written";
      ok = false;
      break;
    }
    const auto* from = sink.bytes.data() + offset;
    tiles.insert(tiles.end(), from, from + size);
    sizes.push_back(static_cast<uint32_t>(size));
  }
  sink.done = true;
  TIFFClose(tif);
  return ok;
}

// Compresses one row of tiles as compressTileRowWithLibtiff does, with the
// same bytes, through TileEncoder; a row with a tile TileEncoder leaves to
// libtiff goes through libtiff whole.
bool compressTileRow(const uint8_t* values, int width, int rows, const Cells& cells,
                     MemorySink& sink, std::vector<uint8_t>& tiles, std::vector<uint32_t>& sizes) {
  TileEncoder encoder(cells);
  if (encoder.ok()) {
    const size_t firstByte = tiles.size();
    const size_t firstTile = sizes.size();
    const auto columns = static_cast<uint32_t>(width);
    std::vector<uint8_t> tile(static_cast<size_t>(kTileSize) * kTileSize * cells.bytes);
    bool encodedAll = true;
    for (uint32_t x0 = 0; encodedAll && x0 < columns; x0 += kTileSize) {
      cutTile(values, columns, static_cast<uint32_t>(rows), cells.bytes, x0, 0, tile);
      const size_t encoded = encoder.encode(tile.data());
      encodedAll = encoded > 0;
      if (!encodedAll) break;
      tiles.insert(tiles.end(), encoder.bytes(), encoder.bytes() + encoded);
      sizes.push_back(static_cast<uint32_t>(encoded));
    }
    if (encodedAll) return true;
    tiles.resize(firstByte);
    sizes.resize(firstTile);
  }
  return compressTileRowWithLibtiff(values, width, rows, cells, sink, tiles, sizes);
}

// The directory of path, where its scratch files go.
std::string directoryOf(const char* path) {
  const char* slash = std::strrchr(path, '/');
  if (slash == nullptr) return ".";
  if (slash == path) return "/";
  return std::string(path, slash);
}

}  // namespace

int geoTiffBandRows(int width) {
  constexpr long long kBandCells = 1 << 20;
  const long long rows = kBandCells / std::max(1, width);
  const long long tiles = (rows + kGeoTiffTileRows - 1) / kGeoTiffTileRows;
  return static_cast<int>(std::max(1LL, tiles) * kGeoTiffTileRows);
}

struct GeoTiffRows::State {
  std::string path;
  int width = 0;
  int height = 0;
  GeoTiffBand band;
  GeoTiffPalette palette;
  Cells cells{};
  Spooled spooled;
  int rowsAdded = 0;
  // The first overview (see halved and halvedNearest), its rows appended as
  // the bands come; empty when the raster fits in one tile. Its room is
  // reserved at the start but not cleared: each band's thread touches its
  // own rows' pages, where clearing them all at once held up the start of
  // a large export on one processor.
  std::vector<float> meanOverview;
  std::vector<uint8_t> nearestOverview;
  // A row of tiles as libtiff compresses it, and the compressed tiles of a
  // band: kept between bands, as their sizes hardly change.
  MemorySink sink;
  std::vector<uint8_t> tiles;

  State() = default;
  State(const State&) = delete;
  State& operator=(const State&) = delete;
  ~State() {
    if (spooled.fd >= 0) ::close(spooled.fd);
  }

  bool hasOverviews() const {
    return width > static_cast<int>(kTileSize) || height > static_cast<int>(kTileSize);
  }

  // The overview rows of the next band, which starts at an even row.
  void fold(const float* values, int rows) {
    const std::vector<float> half = halved(values, width, rows);
    meanOverview.insert(meanOverview.end(), half.begin(), half.end());
  }
  void fold(const uint8_t* values, int rows) {
    const std::vector<uint8_t> half = halvedNearest(values, width, rows);
    nearestOverview.insert(nearestOverview.end(), half.begin(), half.end());
  }
};

GeoTiffRows::GeoTiffRows() = default;
GeoTiffRows::~GeoTiffRows() = default;

bool GeoTiffRows::failOutOfMemory(const char* path) {
  failed_ = true;
  try {
    error_ = outOfMemoryLine(std::string("writing ") + path);
  } catch (const std::bad_alloc&) {
    error_.clear();
  }
  // The scratch file and the overviews go with the state.
  state_.reset();
  return false;
}

bool GeoTiffRows::start(const char* path, int width, int height, bool byteCells,
                        const GeoTiffBand& band, const GeoTiffPalette& palette) {
  try {
    if (path == nullptr) return fail(&error_, "(no name)", "no file name given");
    if (state_ != nullptr || failed_) return fail(&error_, path, "started twice");
    if (width < 1 || height < 1) {
      return fail(&error_, path,
                  "a raster needs at least one cell, not " + std::to_string(width) + " x " +
                      std::to_string(height));
    }
    auto state = std::make_unique<State>();
    state->path = path;
    state->width = width;
    state->height = height;
    state->band = band;
    state->palette = palette;
    state->cells =
        byteCells ? Cells{1, SAMPLEFORMAT_UINT, PREDICTOR_NONE, &state->palette}
                  : Cells{sizeof(float), SAMPLEFORMAT_IEEEFP, PREDICTOR_FLOATINGPOINT, nullptr};
    if (state->hasOverviews()) {
      const size_t cells = static_cast<size_t>((width + 1) / 2) * ((height + 1) / 2);
      if (byteCells) {
        state->nearestOverview.reserve(cells);
      } else {
        state->meanOverview.reserve(cells);
      }
    }
    state->spooled.fd = openUnnamedScratchFile(directoryOf(path));
    if (state->spooled.fd < 0) {
      return fail(&error_, path, std::generic_category().message(errno));
    }
    state_ = std::move(state);
    return true;
  } catch (const std::bad_alloc&) {
    return failOutOfMemory(path);
  }
}

bool GeoTiffRows::started() {
  if (ok() && state_ == nullptr) failed_ = true;
  return ok();
}

template <typename Value>
bool GeoTiffRows::add(const Value* values, int rows) {
  if (!started()) return false;
  State& s = *state_;
  const char* path = s.path.c_str();
  try {
    if (values == nullptr) return fail(&error_, path, "no values given");
    if (sizeof(Value) != s.cells.bytes) return fail(&error_, path, "values of the wrong kind");
    if (rows < 1 || rows > s.height - s.rowsAdded ||
        (rows % kGeoTiffTileRows != 0 && rows != s.height - s.rowsAdded)) {
      return fail(&error_, path,
                  std::to_string(rows) + " rows cannot follow row " + std::to_string(s.rowsAdded) +
                      " of " + std::to_string(s.height));
    }
    const auto* cells = reinterpret_cast<const uint8_t*>(values);
    const size_t rowBytes = static_cast<size_t>(s.width) * sizeof(Value);
    s.tiles.clear();
    const size_t firstTile = s.spooled.sizes.size();
    for (int row = 0; row < rows; row += kGeoTiffTileRows) {
      s.sink.bytes.clear();
      s.sink.position = 0;
      s.sink.done = false;
      if (!compressTileRow(cells + row * rowBytes, s.width, std::min(kGeoTiffTileRows, rows - row),
                           s.cells, s.sink, s.tiles, s.spooled.sizes)) {
        if (s.sink.outOfMemory) return failOutOfMemory(path);
        return fail(&error_, path, s.sink.message.empty() ? "libtiff failed" : s.sink.message);
      }
    }
    // Appended at the spool's end, which only this object writes.
    const int failure = writeFully(s.spooled.fd, s.tiles.data(), s.tiles.size());
    if (failure != 0) {
      s.spooled.sizes.resize(firstTile);
      return fail(&error_, path, std::generic_category().message(failure));
    }
    if (s.hasOverviews()) s.fold(values, rows);
    s.rowsAdded += rows;
    return true;
  } catch (const std::bad_alloc&) {
    return failOutOfMemory(path);
  }
}

bool GeoTiffRows::addRows(const float* values, int rows) {
  return add(values, rows);
}

bool GeoTiffRows::addRows(const uint8_t* values, int rows) {
  return add(values, rows);
}

bool GeoTiffRows::finish() {
  if (!started()) return false;
  State& s = *state_;
  const char* path = s.path.c_str();
  try {
    if (s.rowsAdded != s.height) {
      return fail(&error_, path,
                  "only " + std::to_string(s.rowsAdded) + " of " + std::to_string(s.height) +
                      " rows were given");
    }
    // The overviews halve the raster until it fits in one tile.
    std::vector<std::vector<float>> means;
    std::vector<std::vector<uint8_t>> nearest;
    std::vector<Level> levels{{s.width, s.height, nullptr}};
    if (s.hasOverviews()) {
      levels.push_back(Level{(s.width + 1) / 2, (s.height + 1) / 2,
                             s.cells.bytes == 1 ? static_cast<const void*>(s.nearestOverview.data())
                                                : static_cast<const void*>(s.meanOverview.data())});
    }
    while (levels.size() > 1 && (levels.back().width > static_cast<int>(kTileSize) ||
                                 levels.back().height > static_cast<int>(kTileSize))) {
      const Level& above = levels.back();
      const void* half = nullptr;
      if (s.cells.bytes == 1) {
        nearest.push_back(
            halvedNearest(static_cast<const uint8_t*>(above.values), above.width, above.height));
        half = nearest.back().data();
      } else {
        means.push_back(halved(static_cast<const float*>(above.values), above.width, above.height));
        half = means.back().data();
      }
      levels.push_back(Level{(above.width + 1) / 2, (above.height + 1) / 2, half});
    }
    const bool written = writeFile(path, levels, s.cells, s.band, s.spooled, &error_);
    if (!written) failed_ = true;
    // The scratch file and the overviews go as soon as they are done with.
    state_.reset();
    return written;
  } catch (const std::bad_alloc&) {
    // The overviews, the tile buffer, or a message; the scratch files went
    // with the unwinding.
    return failOutOfMemory(path);
  }
}

namespace {

// Writes a whole raster as GeoTiffRows does a band at a time, in one band;
// see writeGeoTiffFloat.
template <typename Value>
bool writeWhole(const char* path, int width, int height, const Value* topDown, bool byteCells,
                const GeoTiffBand& band, const GeoTiffPalette& palette, std::string* error) {
  GeoTiffRows file;
  if (file.start(path, width, height, byteCells, band, palette) && file.addRows(topDown, height) &&
      file.finish()) {
    return true;
  }
  if (error != nullptr) *error = file.error();
  return false;
}

}  // namespace

bool writeGeoTiffFloat(const char* path, int width, int height, const float* topDown,
                       const GeoTiffBand& band, std::string* error) {
  return writeWhole(path, width, height, topDown, false, band, GeoTiffPalette(), error);
}

bool writeGeoTiffByte(const char* path, int width, int height, const uint8_t* topDown,
                      const GeoTiffBand& band, const GeoTiffPalette& palette, std::string* error) {
  return writeWhole(path, width, height, topDown, true, band, palette, error);
}

}  // namespace geoweave::detail
