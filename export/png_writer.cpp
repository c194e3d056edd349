#include "export/png_writer.h"

#include <unistd.h>

#include <cerrno>
#include <new>
#include <system_error>

#include "base/file_io.h"
#include "export/output_files.h"
#include "export/png_encoder.h"
#include "export/png_stream.h"
#include "image/atomic_file.h"

namespace geoweave::detail {

namespace {

// The checks and their order are those of a PngStream's (the banded
// writer's), so that both ways of writing fail alike: the name and the
// size first, then the scratch file, then what a PNG may hold.
bool writeWholeOrThrow(const char* path, int width, int height, const void* samples, PngKind kind,
                       std::string* error) {
  const std::string name = path != nullptr ? path : "(no name)";
  auto fail = [&](const std::string& reason) {
    if (error != nullptr) *error = "cannot write " + name + ": " + reason;
    return false;
  };
  if (samples == nullptr) return fail("no pixels given");
  if (path == nullptr) return fail("no file name given");
  if (width < 1 || height < 1) {
    return fail("a PNG needs at least one pixel, not " + std::to_string(width) + " x " +
                std::to_string(height));
  }
  AtomicFile file;
  auto errnoText = [](int value) { return std::generic_category().message(value); };
  if (!file.open(path)) return fail(errnoText(file.error()));
  const std::string problem = pngSizeProblem(width, height);
  if (!problem.empty()) return fail(problem);
  WholePng png;
  std::string reason;
  if (!png.encode(width, height, kind, samples, &reason)) return fail(reason);
  int failed = 0;
  const bool written = png.emit([&](const unsigned char* data, size_t size) {
    failed = writeFully(file.fd(), data, size);
    return failed == 0;
  });
  if (!written) return fail(errnoText(failed));
  if (!file.commit()) return fail(errnoText(file.error()));
  return true;
}

// Pictures up to this many bytes of samples are deflated whole, which is
// fastest but holds about their size again; larger ones (cube faces of
// thousands of pixels) stream through a PngStream a slice at a time, so that
// two huge faces in flight do not each need a copy.
constexpr uint64_t kMaxWholeBytes = uint64_t{64} << 20;

uint64_t sampleBytes(int width, int height, PngKind kind) {
  return static_cast<uint64_t>(width < 0 ? 0 : width) *
         static_cast<uint64_t>(height < 0 ? 0 : height) *
         static_cast<uint64_t>(pngBytesPerPixel(kind));
}

bool writeWhole(const char* path, int width, int height, const void* samples, PngKind kind,
                std::string* error) {
  if (samples != nullptr && pngSizeProblem(width, height).empty() &&
      sampleBytes(width, height, kind) > kMaxWholeBytes) {
    PngStream stream;
    return stream.open(path, width, height, kind, error) &&
           stream.writeRows(samples, height, error) && stream.finish(error);
  }
  try {
    return writeWholeOrThrow(path, width, height, samples, kind, error);
  } catch (const std::bad_alloc&) {
    // The encoder's memory went with the unwinding (and the scratch file
    // with it), so the line most likely can be had.
    if (error != nullptr) {
      try {
        *error = outOfMemoryLine(std::string("writing ") + (path != nullptr ? path : "(no name)"));
      } catch (const std::bad_alloc&) {
        error->clear();
      }
    }
    return false;
  }
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
