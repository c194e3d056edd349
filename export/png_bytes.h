#pragma once

#include <string>

#include "geoweave/image.h"

namespace geoweave::detail {

// Encodes an 8-bit RGB picture as the bytes of a PNG file, for pages that
// carry their pictures inside them; it compresses as the PNG files do (see
// png_stream.cpp). True with the bytes in *png; false, *png empty, when the
// image is empty or inconsistent (its rgb not width x height x 3 bytes) or
// memory runs out, with the reason in *error (when not null).
bool encodePngRgb8(const geoweave::Image& image, std::string* png, std::string* error);

}  // namespace geoweave::detail
