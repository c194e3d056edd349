#include "export/png_memory.h"

#include <climits>
#include <string>

#include "export/png_encoder.h"

namespace geoweave::detail {

bool encodePngRgb8(int width, int height, const uint8_t* rgbTopDown, std::string* out,
                   std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error != nullptr) *error = "cannot encode a PNG: " + why;
    return false;
  };
  if (rgbTopDown == nullptr) return fail("no pixels given");
  if (width < 1 || height < 1 || width > INT_MAX / 3) {
    return fail("unusable size " + std::to_string(width) + " x " + std::to_string(height));
  }
  const std::string problem = pngSizeProblem(width, height);
  if (!problem.empty()) return fail(problem);
  // The same encoder as the PNG files', so a texture is the very bytes of
  // the file of the same picture.
  WholePng png;
  std::string why;
  if (!png.encode(width, height, PngKind::kRgb8, rgbTopDown, &why)) return fail(why);
  std::string bytes;
  bytes.reserve(png.size());
  png.emit([&bytes](const unsigned char* data, size_t size) {
    bytes.append(reinterpret_cast<const char*>(data), size);
    return true;
  });
  *out = std::move(bytes);
  return true;
}

}  // namespace geoweave::detail
