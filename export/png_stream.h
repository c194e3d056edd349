#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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

// Rows of a PNG deflated apart from the file they go into (see
// deflatePngRows), so that several bands, or several files' bands, can be
// compressed side by side and handed to their streams in order.
struct PngDeflatedRows {
  int width = 0;
  PngKind kind = PngKind::kRgb8;
  int rows = 0;
  uint32_t adler = 1;          // Adler-32 of the filtered bytes
  uint64_t filteredBytes = 0;  // how many there were
  // Raw DEFLATE blocks that end on a byte boundary and leave the stream open
  // (a sync flush), so that pieces follow one another in one zlib stream.
  std::vector<unsigned char> bytes;
};

// Filters count rows of width samples of kind (from the top down, no
// padding between rows) as PNG stores them and deflates them at zlib level
// 1 into *out, on their own: the deflated rows refer to no earlier ones.
// Thread-safe. False only when memory ran out (then *out holds no rows);
// count 0 gives an empty piece.
bool deflatePngRows(int width, PngKind kind, const void* rows, int count, PngDeflatedRows* out);

// A PNG written a band of rows at a time, so a picture never has to be held
// whole. The bytes go to a scratch file beside the target (see AtomicFile)
// that takes the final name only when finish() succeeds: a stream that fails,
// or is destroyed unfinished, leaves no file behind and whatever stood at the
// name untouched. Every failure is final (later calls fail too) and its
// error text reads "cannot write PATH: reason", or "error: out of memory
// while writing PATH" when zlib or the stream's buffers could not get
// memory. Rows are Sub-filtered and deflated at zlib level 1, chosen for
// speed (see png_stream.cpp). Each call's rows are deflated as a piece of
// their own (deflatePngRows), so a file's bytes depend on how its rows were
// split into calls, never its pixels.
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
  // null, or the rows would run past the picture's height. Needs about a
  // megabyte besides the rows, however many they are.
  bool writeRows(const void* rows, int count, std::string* error);

  // Appends rows deflated by deflatePngRows, as writeRows would have; false
  // also when they were made for another width or kind.
  bool writeDeflated(const PngDeflatedRows& rows, std::string* error);

  // Completes the file and gives it its name once every row was written;
  // false otherwise (fewer rows given, or the file could not be finished).
  bool finish(std::string* error);

 private:
  struct Job;

  bool fail(std::string* error, const std::string& reason);
  // The checks every append makes first; false (failed) when count more
  // rows cannot follow.
  bool canTake(int count, std::string* error);

  std::unique_ptr<Job> job_;
};

}  // namespace geoweave::detail
