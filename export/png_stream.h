#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace geoweave::detail {

// What a PngStream's samples are.
enum class PngKind {
  kRgb8,    // three bytes a pixel: red, green, blue
  kRgba8,   // four bytes a pixel: red, green, blue, opacity (255 opaque), not premultiplied
  kGray16,  // one 16-bit value a pixel, in host byte order
  kGray8,   // one byte a pixel
};

// The bytes one pixel of a kind takes in memory.
inline int pngBytesPerPixel(PngKind kind) {
  switch (kind) {
    case PngKind::kRgb8:
      return 3;
    case PngKind::kRgba8:
      return 4;
    case PngKind::kGray16:
      return 2;
    case PngKind::kGray8:
      return 1;
  }
  return 1;
}

// A PNG written a band of rows at a time, so a picture never has to be held
// whole. The bytes go to a scratch file beside the target (see AtomicFile)
// that takes the final name only when finish() succeeds: a stream that fails,
// or is destroyed unfinished, leaves no file behind and whatever stood at the
// name untouched. Every failure is final (later calls fail too) and its
// error text reads "cannot write PATH: reason", or "error: out of memory
// while writing PATH" when libpng or zlib could not get memory. Rows are
// Sub-filtered and deflated at zlib level 1, chosen for speed (see
// png_stream.cpp).
class PngStream {
 public:
  PngStream();
  PngStream(const PngStream&) = delete;
  PngStream& operator=(const PngStream&) = delete;
  ~PngStream();

  // Starts a width x height picture at path. False (with *error set, when
  // error is not null) when the size cannot be a PNG, a stream is already
  // open, or the scratch file cannot be made.
  bool open(const char* path, int width, int height, PngKind kind, std::string* error);

  // Appends count rows, the next ones from the top down, each width samples
  // with no padding between rows. False when the stream is not open, rows is
  // null, or the rows would run past the picture's height.
  bool writeRows(const void* rows, int count, std::string* error);

  // Completes the file and gives it its name once every row was written;
  // false otherwise (fewer rows given, or the file could not be finished).
  bool finish(std::string* error);

 private:
  struct Job;

  bool fail(std::string* error, const std::string& reason);

  std::unique_ptr<Job> job_;
};

}  // namespace geoweave::detail
