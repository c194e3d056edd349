#include "export/png_bytes.h"

#include <png.h>

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <new>

namespace geoweave::detail {

namespace {

// The PNG files' choice (see png_stream.cpp): Sub-filtered rows at zlib level
// 1, five to seven times faster than libpng's default for a sixth more bytes.
constexpr int kZlibLevel = 1;
constexpr int kFilters = PNG_FILTER_SUB;

// What libpng's callbacks reach; plain values only, as libpng leaves by
// longjmp.
struct Sink {
  std::string* bytes;
  bool outOfMemory = false;
  char message[256] = {};
};

void onError(png_structp png, png_const_charp message) {
  auto* sink = static_cast<Sink*>(png_get_error_ptr(png));
  std::snprintf(sink->message, sizeof sink->message, "%s", message);
  png_longjmp(png, 1);
}

// Warnings do not stop the picture, and a library has nobody to tell them to.
void onWarning(png_structp, png_const_charp) {}

void onWrite(png_structp png, png_bytep data, size_t size) {
  auto* sink = static_cast<Sink*>(png_get_io_ptr(png));
  // No exception may cross libpng's C frames: a failed append becomes
  // libpng's own error, raised outside the handler.
  try {
    sink->bytes->append(reinterpret_cast<const char*>(data), size);
  } catch (const std::bad_alloc&) {
    sink->outOfMemory = true;
  }
  if (sink->outOfMemory) png_error(png, "out of memory");
}

void onFlush(png_structp) {}

// The setjmp frame of the whole encoding, holding plain values only.
bool encode(png_structp png, png_infop info, Sink* sink, const geoweave::Image& image) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  png_set_write_fn(png, sink, onWrite, onFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, kZlibLevel);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, kFilters);
  png_write_info(png, info);
  for (int y = 0; y < image.height; ++y) png_write_row(png, image.pixel(0, y));
  png_write_end(png, nullptr);
  return true;
}

bool fail(std::string* png, std::string* error, const std::string& reason) {
  png->clear();
  if (error != nullptr) *error = "cannot encode a PNG: " + reason;
  return false;
}

}  // namespace

bool encodePngRgb8(const geoweave::Image& image, std::string* png, std::string* error) {
  png->clear();
  if (image.width < 1 || image.height < 1 ||
      image.rgb.size() !=
          static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3) {
    return fail(png, error,
                "the image is " + std::to_string(image.width) + " x " +
                    std::to_string(image.height) + " with " + std::to_string(image.rgb.size()) +
                    " bytes");
  }
  Sink sink{png};
  png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, onError, onWarning);
  png_infop info = writer != nullptr ? png_create_info_struct(writer) : nullptr;
  const bool made = info != nullptr;
  const bool encoded = made && encode(writer, info, &sink, image);
  png_destroy_write_struct(&writer, &info);
  if (!made || sink.outOfMemory) return fail(png, error, "out of memory");
  if (!encoded) return fail(png, error, std::string("libpng: ") + sink.message);
  return true;
}

}  // namespace geoweave::detail
