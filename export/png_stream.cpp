#include "export/png_stream.h"

#include <png.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "base/file_io.h"
#include "export/output_files.h"
#include "image/atomic_file.h"

namespace geoweave::detail {

namespace {

// Speed over size: a run may write a picture per turn. Best of five, two
// sessions, on the project's 2-core machine (to /tmp), for the ground-cover
// map of the default planet (RGB) and a 16-bit grey made from its luminance:
//
//   filters, zlib level   512x256 RGB     2048x1024 RGB       2048x1024 grey16
//   all five, 6 (libpng)  34 ms, 199 KB   562 ms, 2.01 MB     427-482 ms, 1.84 MB
//   Sub, 6                31 ms, 197 KB   478-499 ms, 2.01 MB 343-382 ms, 1.82 MB
//   all five, 1           10-11 ms, 210 KB 131-152 ms, 2.31 MB 99-106 ms, 2.01 MB
//   none, 1               6-8 ms, 211 KB  81-84 ms, 2.74 MB   65-94 ms, 2.15 MB
//   Sub, 1                7-8 ms, 209 KB  82-85 ms, 2.32 MB   72-84 ms, 1.97 MB
//
// Sub at level 1 costs no more than no filter at all, makes files at most 16%
// larger than libpng's default and is five to seven times faster. Levels 2
// and 3 and the Up and Paeth filters bought little; run-length matching
// bloated unfiltered pictures by up to half.
constexpr int kZlibLevel = 1;
constexpr int kFilters = PNG_FILTER_SUB;

}  // namespace

// Everything the encoder touches lives here: libpng leaves by longjmp, so the
// frames it crosses hold plain values only. (The stream's private Job is
// this, so that the encoder's helpers can name it.)
struct PngJob {
  AtomicFile file;
  std::string path;
  png_structp png = nullptr;
  png_infop info = nullptr;
  size_t rowBytes = 0;
  png_uint_32 height = 0;
  png_uint_32 rowsWritten = 0;
  int writeErrno = 0;  // errno of a failed write; 0 when libpng itself gave up
  // Whether memory had run out (errno ENOMEM, as malloc leaves it) when
  // libpng gave up: its own or zlib's allocation failed.
  bool outOfMemory = false;
  char message[256] = {};
  size_t used = 0;
  unsigned char buffer[1 << 16];  // libpng hands over small pieces; the kernel gets big ones

  ~PngJob() {
    if (png != nullptr) png_destroy_write_struct(&png, &info);
  }
};

struct PngStream::Job : PngJob {};

namespace {

using Job = PngJob;

// Hands the buffered bytes to the kernel until all are taken or a real error
// occurs.
bool drain(Job* job) {
  const size_t size = job->used;
  job->used = 0;
  const int failure = writeFully(job->file.fd(), job->buffer, size);
  if (failure != 0) job->writeErrno = failure;
  return failure == 0;
}

void onPngError(png_structp png, png_const_charp message) {
  auto* job = static_cast<Job*>(png_get_error_ptr(png));
  job->outOfMemory = errno == ENOMEM;
  std::snprintf(job->message, sizeof job->message, "%s", message);
  png_longjmp(png, 1);
}

// Warnings do not stop the file, and a library has nobody to tell them to.
void onPngWarning(png_structp, png_const_charp) {}

void onPngWrite(png_structp png, png_bytep data, size_t size) {
  auto* job = static_cast<Job*>(png_get_io_ptr(png));
  while (size > 0) {
    if (job->used == sizeof job->buffer && !drain(job)) png_error(png, "write failed");
    const size_t room = sizeof job->buffer - job->used;
    const size_t take = size < room ? size : room;
    std::memcpy(job->buffer + job->used, data, take);
    job->used += take;
    data += take;
    size -= take;
  }
}

void onPngFlush(png_structp png) {
  if (!drain(static_cast<Job*>(png_get_io_ptr(png)))) png_error(png, "write failed");
}

// Each of these is a setjmp frame of its own holding only plain values; a
// longjmp out of libpng lands in the one that called it and reports false.
bool writeHeader(Job* job, png_uint_32 width, int bitDepth, int colorType) {
  if (setjmp(png_jmpbuf(job->png)) != 0) return false;
  errno = 0;  // so that onPngError sees what libpng's own calls left
  png_set_write_fn(job->png, job, onPngWrite, onPngFlush);
  png_set_IHDR(job->png, job->info, width, job->height, bitDepth, colorType, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(job->png, kZlibLevel);
  png_set_filter(job->png, PNG_FILTER_TYPE_BASE, kFilters);
  png_write_info(job->png, job->info);
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  if (bitDepth == 16) png_set_swap(job->png);  // the file wants big-endian samples
#endif
  return true;
}

bool writeBody(Job* job, const unsigned char* rows, png_uint_32 count) {
  if (setjmp(png_jmpbuf(job->png)) != 0) return false;
  errno = 0;
  for (png_uint_32 y = 0; y < count; ++y) {
    png_write_row(job->png, rows + static_cast<size_t>(y) * job->rowBytes);
  }
  return true;
}

bool writeEnd(Job* job) {
  if (setjmp(png_jmpbuf(job->png)) != 0) return false;
  errno = 0;
  png_write_end(job->png, nullptr);
  return drain(job);
}

std::string errnoText(int value) {
  return std::generic_category().message(value);
}

// Why libpng gave up: a failed write's reason, or its own message.
std::string reasonOf(const Job& job) {
  return job.writeErrno != 0 ? errnoText(job.writeErrno) : std::string("libpng: ") + job.message;
}

}  // namespace

PngStream::PngStream() = default;
PngStream::~PngStream() = default;  // an unfinished file's scratch copy goes with job_

bool PngStream::fail(std::string* error, const std::string& reason) {
  const std::string path = job_ != nullptr ? job_->path : std::string("(no file open)");
  const bool outOfMemory = job_ != nullptr && job_->outOfMemory && job_->writeErrno == 0;
  job_.reset();
  if (error != nullptr) {
    *error =
        outOfMemory ? outOfMemoryLine("writing " + path) : "cannot write " + path + ": " + reason;
  }
  return false;
}

bool PngStream::open(const char* path, int width, int height, PngKind kind, std::string* error) {
  if (job_ != nullptr) {
    // The open file stays as it is; only this call is refused.
    if (error != nullptr) *error = "cannot write " + job_->path + ": another file is being written";
    return false;
  }
  job_ = std::make_unique<Job>();
  job_->path = path != nullptr ? path : "(no name)";
  if (path == nullptr) return fail(error, "no file name given");
  if (width < 1 || height < 1) {
    return fail(error, "a PNG needs at least one pixel, not " + std::to_string(width) + " x " +
                           std::to_string(height));
  }
  if (!job_->file.open(path)) return fail(error, errnoText(job_->file.error()));
  job_->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, job_.get(), onPngError, onPngWarning);
  if (job_->png != nullptr) job_->info = png_create_info_struct(job_->png);
  if (job_->info == nullptr) {
    job_->outOfMemory = true;
    return fail(error, "out of memory");
  }
  const bool wide = kind == PngKind::kGray16;
  const int bytes = pngBytesPerPixel(kind);
  const int colorType = kind == PngKind::kRgb8    ? PNG_COLOR_TYPE_RGB
                        : kind == PngKind::kRgba8 ? PNG_COLOR_TYPE_RGB_ALPHA
                                                  : PNG_COLOR_TYPE_GRAY;
  job_->rowBytes = static_cast<size_t>(width) * bytes;
  job_->height = static_cast<png_uint_32>(height);
  if (!writeHeader(job_.get(), static_cast<png_uint_32>(width), wide ? 16 : 8, colorType)) {
    return fail(error, reasonOf(*job_));
  }
  return true;
}

bool PngStream::writeRows(const void* rows, int count, std::string* error) {
  if (job_ == nullptr) return fail(error, "no file is open");
  if (rows == nullptr) return fail(error, "no pixels given");
  if (count < 0 || static_cast<png_uint_32>(count) > job_->height - job_->rowsWritten) {
    return fail(error, std::to_string(count) + " more rows would run past the picture's " +
                           std::to_string(job_->height));
  }
  if (!writeBody(job_.get(), static_cast<const unsigned char*>(rows),
                 static_cast<png_uint_32>(count))) {
    return fail(error, reasonOf(*job_));
  }
  job_->rowsWritten += static_cast<png_uint_32>(count);
  return true;
}

bool PngStream::finish(std::string* error) {
  if (job_ == nullptr) return fail(error, "no file is open");
  if (job_->rowsWritten != job_->height) {
    return fail(error, "only " + std::to_string(job_->rowsWritten) + " of " +
                           std::to_string(job_->height) + " rows were given");
  }
  if (!writeEnd(job_.get())) return fail(error, reasonOf(*job_));
  png_destroy_write_struct(&job_->png, &job_->info);
  if (!job_->file.commit()) return fail(error, errnoText(job_->file.error()));
  job_.reset();
  return true;
}

}  // namespace geoweave::detail
