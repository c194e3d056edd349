#pragma once

#include <cstdint>
#include <string>

namespace geoweave::detail {

// Writes an 8-bit RGB PNG of width x height pixels. rgbTopDown holds the rows
// from the top of the picture down, three bytes (red, green, blue) per pixel,
// with no padding between rows. The file appears under path only once it is
// complete (see AtomicFile): on failure false comes back, whatever stood at
// path is untouched, no scratch file is left, and *error (when error is not
// null) names the file and the reason ("cannot write PATH: reason", or
// outOfMemoryLine()'s "writing PATH" when memory ran out; empty when even
// that line could not be had). Width and height must be 1 to kPngMaxSide
// (png_encoder.h). A picture of up to 64 MiB of samples is encoded at once
// (see WholePng), holding about its size again besides the pixels; a larger
// one streams a slice of rows at a time (see PngStream), with the same
// pixels and limits. Throws nothing.
bool writePngRgb8(const char* path, int width, int height, const uint8_t* rgbTopDown,
                  std::string* error);

// The same for one 16-bit grey channel: topDown holds width x height values
// in host byte order, rows from the top; each is stored exactly (PNG keeps
// 16-bit samples big-endian on every host).
bool writePngGray16(const char* path, int width, int height, const uint16_t* topDown,
                    std::string* error);

}  // namespace geoweave::detail
