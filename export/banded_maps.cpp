#include "export/banded_maps.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "base/file_io.h"
#include "export/heightmap.h"
#include "export/output_files.h"
#include "export/png_stream.h"
#include "image/atomic_file.h"

namespace geoweave::detail {

int bandRows(int width) {
  constexpr int kBandPixels = 1 << 20;
  return std::max(1, kBandPixels / std::max(1, width));
}

namespace {

// One of the three files: its stream stays usable until its first failure,
// which is kept to report; the other files go on.
struct Output {
  std::string path;
  PngStream stream;
  bool ok = false;
  std::string error;

  void open(const std::string& dir, const char* name, int width, int height, PngKind kind) {
    path = pathIn(dir, name);
    ok = stream.open(path.c_str(), width, height, kind, &error);
  }
  void write(const void* rows, int count) {
    if (ok) ok = stream.writeRows(rows, count, &error);
  }
  // Gives up on the file for a reason of the caller's; its scratch copy
  // goes with the stream.
  void fail(const std::string& reason) {
    if (!ok) return;
    ok = false;
    error = "cannot write " + path + ": " + reason;
  }
  FileOutcome finish(const char* name) {
    if (ok) ok = stream.finish(&error);
    return FileOutcome{name, ok, ok ? std::string() : error};
  }
};

// The rows of one of the sheet's lower panel rows, kept in a scratch file
// beside the sheet until the panel rows above them are in it: the sheet's
// file runs from the top, while each band draws all three panel rows at
// once, and drawing every band three times would cost three times as much.
// The scratch file never has a name (see openUnnamedScratchFile), so it goes
// however the process ends, SIGKILL included.
class Spool {
 public:
  Spool() = default;
  Spool(const Spool&) = delete;
  Spool& operator=(const Spool&) = delete;
  ~Spool() {
    if (fd_ >= 0) ::close(fd_);
  }

  // False (with errno's reason) when the scratch file cannot be made.
  bool open(const std::string& dir, std::string* reason) {
    fd_ = openUnnamedScratchFile(dir);
    if (fd_ >= 0) return true;
    *reason = std::generic_category().message(errno);
    return false;
  }
  bool write(const uint8_t* bytes, size_t size, std::string* reason) {
    return succeeded(writeFully(fd_, bytes, size), reason);
  }
  // Starts reading the rows back from the first.
  bool rewind(std::string*) {
    readAt_ = 0;
    return true;
  }
  bool read(uint8_t* bytes, size_t size, std::string* reason) {
    if (!succeeded(readFullyAt(fd_, bytes, size, readAt_), reason)) return false;
    readAt_ += static_cast<off_t>(size);
    return true;
  }

 private:
  static bool succeeded(int failure, std::string* reason) {
    if (failure == 0) return true;
    *reason = std::generic_category().message(failure);
    return false;
  }

  int fd_ = -1;
  off_t readAt_ = 0;
};

}  // namespace

geoweave::Status writeMapsInBands(const geoweave::Planet& planet, int width, int height, int band,
                                  const std::string& dir, std::vector<FileOutcome>* outcomes,
                                  std::string* error, const BandHooks& hooks) {
  Output ground;
  Output sheet;
  Output heights;
  ground.open(dir, "ground.png", width, height, PngKind::kRgb8);
  sheet.open(dir, "sheet.png", 2 * width, 3 * height, PngKind::kRgb8);
  heights.open(dir, "height.png", width, height, PngKind::kGray16);
  Spool lower[2];  // the middle and the bottom panel rows
  std::string reason;
  for (Spool& spool : lower) {
    if (sheet.ok && !spool.open(dir.empty() ? "." : dir, &reason)) sheet.fail(reason);
  }
  const geoweave::Statistics stats = planet.statistics();
  const size_t groundRowBytes = static_cast<size_t>(width) * 3;
  const size_t sheetRowBytes = 2 * groundRowBytes;
  geoweave::Image part;
  std::vector<uint8_t> groundRows;
  std::vector<std::vector<float>> samples;
  // Nothing to draw for when no file could even be started.
  const bool anyOpen = ground.ok || sheet.ok || heights.ok;
  for (int row = 0; anyOpen && row < height; row += band) {
    const int rows = std::min(band, height - row);
    const geoweave::Status drawn = planet.renderSheetRows(width, height, row, rows, &part, error);
    if (drawn != geoweave::Status::kOk) return drawn;
    sheet.write(part.rgb.data(), rows);
    for (int panelRow = 1; panelRow < 3 && sheet.ok; ++panelRow) {
      if (!lower[panelRow - 1].write(part.pixel(0, panelRow * rows), sheetRowBytes * rows,
                                     &reason)) {
        sheet.fail(reason);
      }
    }
    // The ground map is the left half of the bottom panel row.
    groundRows.resize(groundRowBytes * rows);
    for (int y = 0; y < rows; ++y) {
      std::memcpy(groundRows.data() + y * groundRowBytes, part.pixel(0, 2 * rows + y),
                  groundRowBytes);
    }
    if (hooks.ground) hooks.ground(row, rows, groundRows.data());
    ground.write(groundRows.data(), rows);
    if (heights.ok || hooks.heights) {
      const geoweave::Status sampled =
          planet.sampleMapRows({geoweave::Field::kGround}, width, height,
                               geoweave::MapLayout::kFrame, row, rows, &samples, error);
      if (sampled != geoweave::Status::kOk) return sampled;
      const std::vector<uint16_t> values =
          heightmapOf(samples[0], stats.elevationMin, stats.elevationMax);
      heights.write(values.data(), rows);
      if (hooks.heights) hooks.heights(row, rows, values);
    }
  }
  for (Spool& spool : lower) {
    if (sheet.ok && !spool.rewind(&reason)) sheet.fail(reason);
    for (int row = 0; sheet.ok && row < height; row += band) {
      const int rows = std::min(band, height - row);
      part.rgb.resize(sheetRowBytes * rows);
      if (spool.read(part.rgb.data(), part.rgb.size(), &reason)) {
        sheet.write(part.rgb.data(), rows);
      } else {
        sheet.fail(reason);
      }
    }
  }
  outcomes->push_back(ground.finish("ground.png"));
  outcomes->push_back(sheet.finish("sheet.png"));
  outcomes->push_back(heights.finish("height.png"));
  return geoweave::Status::kOk;
}

}  // namespace geoweave::detail
