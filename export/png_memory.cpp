#include "export/png_memory.h"

#include <png.h>

#include <climits>
#include <cstdio>
#include <new>
#include <string>

namespace geoweave::detail {

namespace {

// The settings of the PNG files, for the same reason (see png_stream.cpp):
// a model's six textures must not dominate the time it takes to write.
constexpr int kZlibLevel = 1;
constexpr int kFilters = PNG_FILTER_SUB;

// What libpng's callbacks reach. libpng leaves by longjmp, so the frames it
// crosses hold plain values only.
struct Sink {
  std::string* bytes;
  bool outOfMemory;
  char message[256];
};

void onError(png_structp png, png_const_charp message) {
  auto* sink = static_cast<Sink*>(png_get_error_ptr(png));
  std::snprintf(sink->message, sizeof sink->message, "%s", message);
  png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

void onWrite(png_structp png, png_bytep data, size_t size) {
  auto* sink = static_cast<Sink*>(png_get_io_ptr(png));
  bool kept = true;
  try {
    sink->bytes->append(reinterpret_cast<const char*>(data), size);
  } catch (...) {
    kept = false;
  }
  // Out of the handler first: the jump must not skip a live exception.
  if (!kept) {
    sink->outOfMemory = true;
    png_error(png, "out of memory");
  }
}

void onFlush(png_structp) {}

// A setjmp frame of its own: a longjmp out of libpng lands here.
bool encodeAll(png_structp png, png_infop info, Sink* sink, png_uint_32 width, png_uint_32 height,
               const uint8_t* rgb) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  png_set_write_fn(png, sink, onWrite, onFlush);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, kZlibLevel);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, kFilters);
  png_write_info(png, info);
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  for (png_uint_32 y = 0; y < height; ++y) png_write_row(png, rgb + y * rowBytes);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

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
  std::string bytes;
  // Most pictures shrink to well under half; the rest grow the string.
  bytes.reserve(static_cast<size_t>(width) * height * 3 / 2 + 1024);
  Sink sink{&bytes, false, {}};
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, onError, onWarning);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    throw std::bad_alloc();
  }
  const bool done = encodeAll(png, info, &sink, static_cast<png_uint_32>(width),
                              static_cast<png_uint_32>(height), rgbTopDown);
  png_destroy_write_struct(&png, &info);
  if (sink.outOfMemory) throw std::bad_alloc();
  if (!done) return fail(std::string("libpng: ") + sink.message);
  *out = std::move(bytes);
  return true;
}

}  // namespace geoweave::detail
