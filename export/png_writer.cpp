#include "export/png_writer.h"

#include "export/png_stream.h"

namespace geoweave::detail {

namespace {

// A whole picture is one band of a stream, so both ways of writing share one
// encoder and fail alike.
bool writeWhole(const char* path, int width, int height, const void* samples, PngKind kind,
                std::string* error) {
  if (samples == nullptr) {
    if (error != nullptr) {
      *error = std::string("cannot write ") + (path != nullptr ? path : "(no name)") +
               ": no pixels given";
    }
    return false;
  }
  PngStream stream;
  return stream.open(path, width, height, kind, error) &&
         stream.writeRows(samples, height, error) && stream.finish(error);
}

}  // namespace

bool writePngRgb8(const char* path, int width, int height, const uint8_t* rgbTopDown,
                  std::string* error) {
  return writeWhole(path, width, height, rgbTopDown, PngKind::kRgb8, error);
}

bool writePngGray16(const char* path, int width, int height, const uint16_t* topDown,
                    std::string* error) {
  return writeWhole(path, width, height, topDown, PngKind::kGray16, error);
}

}  // namespace geoweave::detail
