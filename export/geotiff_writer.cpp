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
#include "image/atomic_file.h"

namespace geoweave::detail {

namespace {

// Square tiles let a reader fetch any window of a large map without decoding
// whole rows of the globe; 256 is what GDAL itself picks for tiled files.
constexpr uint32_t kTileSize = 256;

// libtiff talks to the scratch file through these, so AtomicFile keeps the
// descriptor (libtiff's own close would take it) and a failed write keeps
// its errno for the message.
struct TiffSink {
  int fd = -1;
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
  return ::read(static_cast<TiffSink*>(handle)->fd, data, static_cast<size_t>(size));
}

tmsize_t sinkWrite(thandle_t handle, void* data, tmsize_t size) {
  auto* sink = static_cast<TiffSink*>(handle);
  if (sink->discard) return -1;
  const auto* bytes = static_cast<const unsigned char*>(data);
  tmsize_t left = size;
  while (left > 0) {
    const ssize_t done = ::write(sink->fd, bytes, static_cast<size_t>(left));
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) {
      // Kept only as the first trouble: after a complaint (an allocation
      // that failed, say) libtiff may go on to write what it never filled.
      if (sink->message.empty() && sink->writeErrno == 0) sink->writeErrno = done < 0 ? errno : EIO;
      return -1;
    }
    bytes += done;
    left -= done;
  }
  return size;
}

toff_t sinkSeek(thandle_t handle, toff_t offset, int whence) {
  const off_t at = ::lseek(static_cast<TiffSink*>(handle)->fd, static_cast<off_t>(offset), whence);
  return at < 0 ? static_cast<toff_t>(-1) : static_cast<toff_t>(at);
}

int sinkClose(thandle_t) {
  return 0;
}  // AtomicFile closes and checks the descriptor

toff_t sinkSize(thandle_t handle) {
  struct stat info {};
  if (::fstat(static_cast<TiffSink*>(handle)->fd, &info) != 0) return 0;
  return static_cast<toff_t>(info.st_size);
}

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

// The values of a raster and how they are stored.
struct Cells {
  const void* topDown;
  uint16_t bytes;  // a value's
  uint16_t sampleFormat;
  uint16_t predictor;
  const GeoTiffPalette* palette;  // null or empty: no colour table
};

bool writeTiles(TIFF* tif, int width, int height, const Cells& cells) {
  const size_t bytes = cells.bytes;
  std::vector<uint8_t> tile(static_cast<size_t>(kTileSize) * kTileSize * bytes);
  const auto tileBytes = static_cast<tmsize_t>(tile.size());
  const auto* topDown = static_cast<const uint8_t*>(cells.topDown);
  for (uint32_t y0 = 0; y0 < static_cast<uint32_t>(height); y0 += kTileSize) {
    for (uint32_t x0 = 0; x0 < static_cast<uint32_t>(width); x0 += kTileSize) {
      // Cells past the map's right or bottom edge fill out the last tiles
      // (all bits 0: 0.0 for floats); readers never show them.
      std::fill(tile.begin(), tile.end(), uint8_t{0});
      const uint32_t columns = std::min(kTileSize, static_cast<uint32_t>(width) - x0);
      const uint32_t rows = std::min(kTileSize, static_cast<uint32_t>(height) - y0);
      for (uint32_t r = 0; r < rows; ++r) {
        const uint8_t* from = topDown + (static_cast<size_t>(y0 + r) * width + x0) * bytes;
        std::copy(from, from + columns * bytes,
                  tile.data() + static_cast<size_t>(r) * kTileSize * bytes);
      }
      if (TIFFWriteEncodedTile(tif, TIFFComputeTile(tif, x0, y0, 0, 0), tile.data(), tileBytes) <
          0) {
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

bool writeTiff(TIFF* tif, int width, int height, const Cells& cells, const GeoTiffBand& band) {
  if (TIFFMergeFieldInfo(tif, kGeoTiffFields, std::size(kGeoTiffFields)) != 0) return false;
  const bool colored = cells.palette != nullptr && !cells.palette->empty();
  const bool shapeSet = TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(width)) &&
                        TIFFSetField(tif, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(height)) &&
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
                        TIFFSetField(tif, TIFFTAG_SOFTWARE, "Geoweave") &&
                        (!colored || writeColorMap(tif, *cells.palette));
  if (!shapeSet || !writeGeoKeys(tif, width, height)) return false;
  const std::string metadata = gdalMetadata(band);
  if (!metadata.empty() && !TIFFSetField(tif, TIFFTAG_GDAL_METADATA, metadata.c_str())) {
    return false;
  }
  if (band.nodata.has_value() &&
      !TIFFSetField(tif, TIFFTAG_GDAL_NODATA, nodataText(*band.nodata).c_str())) {
    return false;
  }
  return writeTiles(tif, width, height, cells) && TIFFWriteDirectory(tif);
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

bool writeFile(const char* path, int width, int height, const Cells& cells, const GeoTiffBand& band,
               std::string* error) {
  AtomicFile file;
  if (!file.open(path)) return fail(error, path, std::generic_category().message(file.error()));
  TiffSink sink;
  sink.fd = file.fd();
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  if (options == nullptr) return failOutOfMemory(error, path);
  TIFFOpenOptionsSetErrorHandlerExtR(options, onTiffError, &sink);
  TIFFOpenOptionsSetWarningHandlerExtR(options, onTiffWarning, &sink);
  // Past 4 GiB of offsets classic TIFF cannot point; BigTIFF can, though
  // fewer readers take it, so only maps whose raw values come near that
  // limit get it.
  const bool big = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * cells.bytes >
                   (uint64_t{3} << 30);
  // The name is only for libtiff's messages: the final one, which the user
  // knows.
  errno = 0;
  TIFF* tif = TIFFClientOpenExt(path, big ? "w8m" : "wm", &sink, sinkRead, sinkWrite, sinkSeek,
                                sinkClose, sinkSize, sinkMap, sinkUnmap, options);
  TIFFOpenOptionsFree(options);
  if (tif == nullptr) return failWith(sink, error, path);
  const bool written = writeTiff(tif, width, height, cells, band);
  sink.discard = !written;
  TIFFClose(tif);
  if (!written) return failWith(sink, error, path);
  if (!file.commit()) return fail(error, path, std::generic_category().message(file.error()));
  return true;
}

bool writeGeoTiff(const char* path, int width, int height, const Cells& cells,
                  const GeoTiffBand& band, std::string* error) {
  if (path == nullptr) return fail(error, "(no name)", "no file name given");
  if (width < 1 || height < 1) {
    return fail(error, path,
                "a raster needs at least one cell, not " + std::to_string(width) + " x " +
                    std::to_string(height));
  }
  if (cells.topDown == nullptr) return fail(error, path, "no values given");
  try {
    return writeFile(path, width, height, cells, band, error);
  } catch (const std::bad_alloc&) {
    // The tile buffer, or a message; the scratch file went with the unwinding.
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
  const Cells cells{topDown, sizeof(float), SAMPLEFORMAT_IEEEFP, PREDICTOR_FLOATINGPOINT, nullptr};
  return writeGeoTiff(path, width, height, cells, band, error);
}

bool writeGeoTiffByte(const char* path, int width, int height, const uint8_t* topDown,
                      const GeoTiffBand& band, const GeoTiffPalette& palette, std::string* error) {
  const Cells cells{topDown, 1, SAMPLEFORMAT_UINT, PREDICTOR_NONE, &palette};
  return writeGeoTiff(path, width, height, cells, band, error);
}

}  // namespace geoweave::detail
