#pragma once

#include <cstdint>
#include <string>

namespace geoweave::detail {

// Encodes an 8-bit RGB picture of width x height pixels as the bytes of a PNG
// file, for files that carry pictures inside them: the very bytes
// writePngRgb8 puts in a file for the same pixels (see WholePng). rgbTopDown
// holds the rows from the top down, three bytes (red, green, blue) a pixel,
// with no padding between rows. False, with *out untouched and *error (when
// not null) saying why, when the size is below 1 x 1 or too large for a PNG
// (see pngSizeProblem) or the pixels are null. Running out of memory for
// the encoding throws std::bad_alloc. Thread-safe.
bool encodePngRgb8(int width, int height, const uint8_t* rgbTopDown, std::string* out,
                   std::string* error);

}  // namespace geoweave::detail
