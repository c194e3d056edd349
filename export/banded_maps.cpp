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
#include "export/task_batch.h"
#include "image/atomic_file.h"

namespace geoweave::detail {

int bandRows(int width) {
  constexpr int kBandPixels = 1 << 20;
  return std::max(1, kBandPixels / std::max(1, width));
}

namespace {

// One of the files: its stream stays usable until its first failure, which
// is kept to report; the other files go on.
struct Output {
  std::string path;
  PngStream stream;
  bool ok = false;
  std::string error;

  void open(const std::string& dir, const char* name, int width, int height, PngKind kind) {
    path = pathIn(dir, name);
    ok = stream.open(path.c_str(), width, height, kind, &error);
  }
  void write(const PngDeflatedRows& rows) {
    if (ok) ok = stream.writeDeflated(rows, &error);
  }
  // Gives up on the file for a reason of the caller's; its scratch copy
  // goes with the stream.
  void fail(const std::string& reason) {
    if (!ok) return;
    ok = false;
    error = "cannot write " + path + ": " + reason;
  }
  void outOfMemory() {
    if (!ok) return;
    ok = false;
    error = outOfMemoryLine("writing " + path);
  }
  FileOutcome finish(const char* name) {
    if (ok) ok = stream.finish(&error);
    return FileOutcome{name, ok, ok ? std::string() : error};
  }
};

// One of the sheet's lower panel rows, deflated band by band, kept in a
// scratch file beside the sheet until the panel rows above them are in it:
// the sheet's file runs from the top, while each band draws all three panel
// rows at once, and drawing every band three times would cost three times
// as much. The scratch file never has a name (see openUnnamedScratchFile),
// so it goes however the process ends, SIGKILL included.
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
  // Keeps a band's deflated rows: their bytes in the file, the rest here.
  bool write(const PngDeflatedRows& rows, std::string* reason) {
    if (!succeeded(writeFully(fd_, rows.bytes.data(), rows.bytes.size()), reason)) return false;
    PngDeflatedRows kept;
    kept.width = rows.width;
    kept.kind = rows.kind;
    kept.rows = rows.rows;
    kept.adler = rows.adler;
    kept.filteredBytes = rows.filteredBytes;
    bands_.push_back(kept);
    sizes_.push_back(rows.bytes.size());
    return true;
  }
  size_t bands() const { return bands_.size(); }
  // The next band's deflated rows as they were written, in *rows.
  bool read(size_t band, PngDeflatedRows* rows, std::string* reason) {
    *rows = bands_[band];
    rows->bytes.resize(sizes_[band]);
    if (!succeeded(readFullyAt(fd_, rows->bytes.data(), sizes_[band], readAt_), reason)) {
      return false;
    }
    readAt_ += static_cast<off_t>(sizes_[band]);
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
  std::vector<PngDeflatedRows> bands_;  // without their bytes
  std::vector<size_t> sizes_;
};

// The files a band goes into, in the order the band's pieces are kept.
enum Piece { kSheetTop, kSheetMiddle, kSheetBottom, kGround, kHeights, kMask, kBiomes, kPieces };

bool isLowerPanel(int piece) {
  return piece == kSheetMiddle || piece == kSheetBottom;
}

// One band: what was drawn and sampled, and each piece deflated.
struct Band {
  int rows = 0;
  geoweave::Image part;  // the sheet's three panel rows
  std::vector<uint8_t> ground;
  std::vector<uint16_t> heights;
  std::vector<uint8_t> mask;
  std::vector<uint8_t> biomes;
  bool wanted[kPieces] = {};
  bool deflated[kPieces] = {};
  PngDeflatedRows pieces[kPieces];

  // Deflates one piece; throws nothing, so it may run on a thread of its own.
  void deflate(int piece, int width) {
    const void* rowsAt = nullptr;
    int pieceWidth = width;
    PngKind kind = PngKind::kRgb8;
    switch (piece) {
      case kSheetTop:
      case kSheetMiddle:
      case kSheetBottom:
        pieceWidth = 2 * width;
        rowsAt = part.pixel(0, (piece - kSheetTop) * rows);
        break;
      case kGround:
        rowsAt = ground.data();
        break;
      case kHeights:
        kind = PngKind::kGray16;
        rowsAt = heights.data();
        break;
      case kMask:
        kind = PngKind::kGray8;
        rowsAt = mask.data();
        break;
      default:
        rowsAt = biomes.data();
        break;
    }
    deflated[piece] = deflatePngRows(pieceWidth, kind, rowsAt, rows, &pieces[piece]);
  }
};

}  // namespace

geoweave::Status writeMapsInBands(const geoweave::Planet& planet, int width, int height, int band,
                                  const std::string& dir, std::vector<FileOutcome>* outcomes,
                                  std::string* error, const BandHooks& hooks,
                                  BandedClassMaps* classes) {
  Output files[kPieces];  // the lower panels' slots stay closed: the sheet takes them
  Output& sheet = files[kSheetTop];
  files[kGround].open(dir, "ground.png", width, height, PngKind::kRgb8);
  sheet.open(dir, "sheet.png", 2 * width, 3 * height, PngKind::kRgb8);
  files[kHeights].open(dir, "height.png", width, height, PngKind::kGray16);
  if (classes != nullptr) {
    files[kMask].open(dir, "mask.png", width, height, PngKind::kGray8);
    files[kBiomes].open(dir, "biomes.png", width, height, PngKind::kRgb8);
  }
  Spool lower[2];  // the middle and the bottom panel rows
  std::string reason;
  for (Spool& spool : lower) {
    if (sheet.ok && !spool.open(dir.empty() ? "." : dir, &reason)) sheet.fail(reason);
  }
  const geoweave::Statistics stats = planet.statistics();
  const size_t groundRowBytes = static_cast<size_t>(width) * 3;
  ClassTally tally;
  std::vector<geoweave::Field> fields = {geoweave::Field::kGround};
  if (classes != nullptr) {
    fields.insert(fields.end(), {geoweave::Field::kWater, geoweave::Field::kBiome});
  }
  std::vector<std::vector<float>> samples;

  // Hands a deflated band to its files, from the top; a piece that could
  // not be deflated (memory ran out) ends its file.
  auto store = [&](Band& b) {
    for (int piece = 0; piece < kPieces; ++piece) {
      if (!b.wanted[piece]) continue;
      Output& file = isLowerPanel(piece) ? sheet : files[piece];
      if (!b.deflated[piece]) {
        file.outOfMemory();
      } else if (!isLowerPanel(piece)) {
        file.write(b.pieces[piece]);
      } else if (file.ok && !lower[piece - kSheetMiddle].write(b.pieces[piece], &reason)) {
        file.fail(reason);
      }
    }
  };

  Band bands[2];
  Band* pending = nullptr;  // deflating while the next band is drawn
  TaskBatch deflating;      // declared after the bands: waited for before they go
  auto drain = [&] {
    deflating.wait();
    if (pending != nullptr) store(*pending);
    pending = nullptr;
  };
  // Nothing to draw for when no file could even be started.
  bool anyOpen = false;
  for (const Output& file : files) anyOpen = anyOpen || file.ok;
  for (int row = 0, index = 0; anyOpen && row < height; row += band, ++index) {
    Band& b = bands[index % 2];
    b.rows = std::min(band, height - row);
    const int rows = b.rows;
    const geoweave::Status drawn = planet.renderSheetRows(width, height, row, rows, &b.part, error);
    if (drawn != geoweave::Status::kOk) {
      deflating.wait();
      return drawn;
    }
    // The ground map is the left half of the bottom panel row.
    b.ground.resize(groundRowBytes * rows);
    for (int y = 0; y < rows; ++y) {
      std::memcpy(b.ground.data() + y * groundRowBytes, b.part.pixel(0, 2 * rows + y),
                  groundRowBytes);
    }
    if (hooks.ground) hooks.ground(row, rows, b.ground.data());
    if (files[kHeights].ok || hooks.heights || files[kMask].ok || files[kBiomes].ok) {
      const geoweave::Status sampled = planet.sampleMapRows(
          fields, width, height, geoweave::MapLayout::kFrame, row, rows, &samples, error);
      if (sampled != geoweave::Status::kOk) {
        deflating.wait();
        return sampled;
      }
      b.heights = heightmapOf(samples[0], stats.elevationMin, stats.elevationMax);
      if (hooks.heights) hooks.heights(row, rows, b.heights);
      if (classes != nullptr) {
        const size_t pixels = static_cast<size_t>(width) * rows;
        b.mask.resize(pixels);
        b.biomes.resize(3 * pixels);
        tally.addRows(width, height, row, rows, samples[1].data(), samples[2].data(), b.mask.data(),
                      b.biomes.data());
      }
    }
    drain();
    for (int piece = 0; piece < kPieces; ++piece) {
      b.wanted[piece] = (isLowerPanel(piece) ? sheet : files[piece]).ok;
      if (b.wanted[piece]) deflating.start([&b, piece, width] { b.deflate(piece, width); });
    }
    pending = &b;
  }
  drain();
  PngDeflatedRows rows;
  for (Spool& spool : lower) {
    for (size_t i = 0; sheet.ok && i < spool.bands(); ++i) {
      if (spool.read(i, &rows, &reason)) {
        sheet.write(rows);
      } else {
        sheet.fail(reason);
      }
    }
  }
  outcomes->push_back(files[kGround].finish("ground.png"));
  outcomes->push_back(sheet.finish("sheet.png"));
  outcomes->push_back(files[kHeights].finish("height.png"));
  if (classes != nullptr) {
    classes->outcomes = {files[kMask].finish("mask.png"), files[kBiomes].finish("biomes.png")};
    classes->counts = tally.counts(width, height);
  }
  return geoweave::Status::kOk;
}

}  // namespace geoweave::detail
