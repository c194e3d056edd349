#include "export/png_encoder.h"

#include <libdeflate.h>

#include <cstring>
#include <new>

namespace geoweave::detail {

namespace {

// libdeflate's level 1, chosen by measurement (see the README): far fewer
// instructions a pixel than zlib's level 1 through libpng, and files no
// larger. The Sub filter stays from the libpng days: with it the rows
// compress well at the fast levels, and it costs a subtraction a byte.
constexpr int kLevel = 1;
constexpr unsigned char kSub = 1;

struct CompressorFree {
  void operator()(libdeflate_compressor* compressor) const {
    libdeflate_free_compressor(compressor);
  }
};

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr unsigned char kIhdr[4] = {'I', 'H', 'D', 'R'};

}  // namespace

void putBigEndian(unsigned char* at, uint32_t value) {
  at[0] = static_cast<unsigned char>(value >> 24);
  at[1] = static_cast<unsigned char>(value >> 16);
  at[2] = static_cast<unsigned char>(value >> 8);
  at[3] = static_cast<unsigned char>(value);
}

uint32_t pngChunkCrc(const unsigned char* type, const unsigned char* data, size_t size) {
  const uint32_t crc = libdeflate_crc32(0, type, 4);
  // libdeflate starts afresh when handed no buffer, so an empty chunk's
  // data must not be passed on.
  return size == 0 ? crc : libdeflate_crc32(crc, data, size);
}

void pngHeader(int width, int height, PngKind kind, unsigned char* out) {
  std::memcpy(out, kSignature, 8);
  putBigEndian(out + 8, 13);
  std::memcpy(out + 12, kIhdr, 4);
  unsigned char* ihdr = out + 16;
  putBigEndian(ihdr, static_cast<uint32_t>(width));
  putBigEndian(ihdr + 4, static_cast<uint32_t>(height));
  ihdr[8] = kind == PngKind::kGray16 ? 16 : 8;  // bit depth
  ihdr[9] = kind == PngKind::kRgb8    ? 2       // colour type
            : kind == PngKind::kRgba8 ? 6
                                      : 0;
  ihdr[10] = 0;  // deflate
  ihdr[11] = 0;  // adaptive filtering, one filter byte a row
  ihdr[12] = 0;  // not interlaced
  putBigEndian(ihdr + 13, pngChunkCrc(kIhdr, ihdr, 13));
}

std::string pngSizeProblem(int width, int height) {
  if (width >= 1 && height >= 1 && width <= kPngMaxSide && height <= kPngMaxSide) return {};
  return "a PNG here is 1 to " + std::to_string(kPngMaxSide) +
         " pixels wide and high (libpng's limit for readers), not " + std::to_string(width) +
         " x " + std::to_string(height);
}

void filterPngRows(int width, int height, PngKind kind, const void* samples, unsigned char* out) {
  const int bpp = pngBytesPerPixel(kind);
  const size_t rowBytes = static_cast<size_t>(width) * bpp;
  for (int y = 0; y < height; ++y) {
    unsigned char* row = out + static_cast<size_t>(y) * (rowBytes + 1);
    *row++ = kSub;
    if (kind == PngKind::kGray16) {
      const uint16_t* in = static_cast<const uint16_t*>(samples) + static_cast<size_t>(y) * width;
      unsigned previous = 0;
      for (int x = 0; x < width; ++x) {
        const unsigned value = in[x];
        row[2 * x] = static_cast<unsigned char>((value >> 8) - (previous >> 8));
        row[2 * x + 1] = static_cast<unsigned char>(value - previous);
        previous = value;
      }
    } else {
      const unsigned char* in =
          static_cast<const unsigned char*>(samples) + static_cast<size_t>(y) * rowBytes;
      std::memcpy(row, in, static_cast<size_t>(bpp));
      for (size_t i = static_cast<size_t>(bpp); i < rowBytes; ++i) {
        row[i] = static_cast<unsigned char>(in[i] - in[i - bpp]);
      }
    }
  }
}

bool WholePng::encode(int width, int height, PngKind kind, const void* samples, std::string* reason,
                      size_t maxChunkBytes) {
  stream_.reset();
  streamSize_ = 0;
  maxChunkBytes_ = maxChunkBytes < 1 ? 1 : maxChunkBytes;
  pngHeader(width, height, kind, header_);

  const size_t rowBytes = static_cast<size_t>(width) * pngBytesPerPixel(kind);
  const size_t filteredSize = static_cast<size_t>(height) * (rowBytes + 1);
  const std::unique_ptr<libdeflate_compressor, CompressorFree> compressor(
      libdeflate_alloc_compressor(kLevel));
  if (compressor == nullptr) throw std::bad_alloc();
  // Left uninitialised: the pages the stream does not reach are never
  // touched, so they cost address space only.
  std::unique_ptr<unsigned char[]> filtered(new unsigned char[filteredSize]);
  filterPngRows(width, height, kind, samples, filtered.get());
  const size_t bound = libdeflate_zlib_compress_bound(compressor.get(), filteredSize);
  stream_.reset(new unsigned char[bound]);
  streamSize_ = libdeflate_zlib_compress(compressor.get(), filtered.get(), filteredSize,
                                         stream_.get(), bound);
  if (streamSize_ == 0) {
    stream_.reset();
    if (reason != nullptr) *reason = "libdeflate found its worst case too small";
    return false;
  }
  return true;
}

size_t WholePng::size() const {
  if (stream_ == nullptr) return 0;
  const size_t chunks = (streamSize_ + maxChunkBytes_ - 1) / maxChunkBytes_;
  return sizeof header_ + chunks * 12 + streamSize_ + 12;
}

bool WholePng::emit(const std::function<bool(const unsigned char*, size_t)>& put) const {
  if (stream_ == nullptr) return false;
  // The small pieces between the stream's go out together: the header with
  // the first chunk's start, each CRC with the next chunk's start, the last
  // with IEND.
  unsigned char between[sizeof header_ + 12];
  size_t pending = sizeof header_;
  std::memcpy(between, header_, pending);
  for (size_t at = 0; at < streamSize_; at += maxChunkBytes_) {
    const size_t size = streamSize_ - at < maxChunkBytes_ ? streamSize_ - at : maxChunkBytes_;
    putBigEndian(between + pending, static_cast<uint32_t>(size));
    std::memcpy(between + pending + 4, kPngIdat, 4);
    if (!put(between, pending + 8) || !put(stream_.get() + at, size)) return false;
    putBigEndian(between, pngChunkCrc(kPngIdat, stream_.get() + at, size));
    pending = 4;
  }
  putBigEndian(between + pending, 0);
  std::memcpy(between + pending + 4, kPngIend, 4);
  putBigEndian(between + pending + 8, pngChunkCrc(kPngIend, kPngIend, 0));
  return put(between, pending + 12);
}

}  // namespace geoweave::detail
