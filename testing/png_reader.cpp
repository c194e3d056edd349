#include "testing/png_reader.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <system_error>

namespace geoweave::detail {

namespace {

// Larger decoded pictures are refused rather than risk an allocation that
// cannot be had; no test writes anything near this.
constexpr size_t kMaxDecodedBytes = size_t{1} << 30;

struct ReadJob {
  char message[256] = {};
};

void onPngError(png_structp png, png_const_charp message) {
  auto* job = static_cast<ReadJob*>(png_get_error_ptr(png));
  std::snprintf(job->message, sizeof job->message, "%s", message);
  png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

// The setjmp frame: the buffers it fills belong to the caller, so a longjmp
// out of libpng skips no destructor.
bool decode(FILE* in, ReadJob* job, PngImage* out, std::vector<unsigned char>* raw,
            std::vector<png_bytep>* rowPointers) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, job, onPngError, onPngWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_init_io(png, in);
  png_read_info(png, info);
  out->width = static_cast<int>(png_get_image_width(png, info));
  out->height = static_cast<int>(png_get_image_height(png, info));
  out->bitDepth = png_get_bit_depth(png, info);
  out->colorType = png_get_color_type(png, info);
  out->channels = png_get_channels(png, info);
  png_set_packing(png);  // samples below 8 bits get a byte each
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const size_t rowBytes = png_get_rowbytes(png, info);
  const size_t height = static_cast<size_t>(out->height);
  if (rowBytes == 0 || rowBytes > kMaxDecodedBytes / height) png_error(png, "picture too large");
  raw->resize(rowBytes * height);
  rowPointers->resize(height);
  for (size_t y = 0; y < height; ++y) (*rowPointers)[y] = raw->data() + y * rowBytes;
  png_read_image(png, rowPointers->data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

}  // namespace

bool readPng(const char* path, PngImage* out, std::string* error) {
  const auto fail = [&](const std::string& reason) {
    if (error != nullptr) *error = std::string("cannot read ") + path + ": " + reason;
    return false;
  };
  if (path == nullptr) {
    if (error != nullptr) *error = "cannot read a PNG without a file name";
    return false;
  }
  FILE* in = std::fopen(path, "rb");
  if (in == nullptr) return fail(std::generic_category().message(errno));
  ReadJob job;
  std::vector<unsigned char> raw;
  std::vector<png_bytep> rowPointers;
  const bool ok = decode(in, &job, out, &raw, &rowPointers);
  std::fclose(in);
  if (!ok) return fail(job.message[0] != '\0' ? job.message : "libpng could not start");

  const size_t count = static_cast<size_t>(out->width) * out->height * out->channels;
  out->samples.resize(count);
  if (out->bitDepth == 16) {
    for (size_t i = 0; i < count; ++i) {
      out->samples[i] = static_cast<uint16_t>(raw[2 * i] << 8 | raw[2 * i + 1]);
    }
  } else {
    for (size_t i = 0; i < count; ++i) out->samples[i] = raw[i];
  }
  return true;
}

}  // namespace geoweave::detail
