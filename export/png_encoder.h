#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "export/png_stream.h"

namespace geoweave::detail {

// The widest and tallest picture written as a whole PNG: libpng's default
// limit for readers, so that every file opens in libpng-based programs
// without raising theirs (the library's PNG writers all kept to it).
inline constexpr int kPngMaxSide = 1000000;

// The most zlib bytes one IDAT chunk carries; PNG allows up to 2^31 - 1.
inline constexpr size_t kPngMaxChunkBytes = size_t{1} << 30;

// Why a width x height picture cannot be a whole PNG: a text naming the
// size and the limit when a side is below 1 or past kPngMaxSide, empty when
// it can be one.
std::string pngSizeProblem(int width, int height);

// The four bytes of value, most significant first, as PNG's numbers go.
void putBigEndian(unsigned char* at, uint32_t value);

inline constexpr unsigned char kPngIdat[4] = {'I', 'D', 'A', 'T'};
inline constexpr unsigned char kPngIend[4] = {'I', 'E', 'N', 'D'};

// A chunk's CRC: over its four type bytes and size bytes of data, not its
// length.
uint32_t pngChunkCrc(const unsigned char* type, const unsigned char* data, size_t size);

// The bytes every PNG here starts with: the signature and the IHDR chunk of
// a width x height picture of kind (sizes as pngSizeProblem allows).
inline constexpr size_t kPngHeaderBytes = 33;
void pngHeader(int width, int height, PngKind kind, unsigned char* out);

// Each row of width x height samples (rows from the top down, no padding) as
// PNG stores it, into out (height x (row bytes + 1)): its Sub filter byte,
// then every byte less the one a pixel before it (the first pixel's bytes as
// they are). 16-bit samples go big-endian first, as PNG wants them on every
// host. Each row depends on itself alone, so bands filter to the same bytes
// as the whole picture. Thread-safe.
void filterPngRows(int width, int height, PngKind kind, const void* samples, unsigned char* out);

// A whole picture encoded as the bytes of a PNG file: every row Sub-filtered
// and the rows deflated together in one zlib stream by libdeflate, in
// IDAT chunks of at most maxChunkBytes each. Two encodings of the same
// pixels are the same bytes, whichever writer hands them on.
class WholePng {
 public:
  // Encodes width x height samples of the given kind (see PngKind), rows
  // from the top down with no padding between them, replacing what this
  // held; width and height must pass pngSizeProblem() and samples must not
  // be null. Besides the compressed bytes it holds while encoding one
  // filtered copy of the pixels (a byte a row more) and address space for
  // the worst case of compressed bytes, of which only what the stream uses
  // is touched. maxChunkBytes (at least 1) is kPngMaxChunkBytes but for the
  // tests of many chunks. False, with *reason (when not null) saying why,
  // only if libdeflate breaks its promise of room enough; throws
  // std::bad_alloc when memory runs out. Thread-safe: encodings share
  // nothing.
  bool encode(int width, int height, PngKind kind, const void* samples, std::string* reason,
              size_t maxChunkBytes = kPngMaxChunkBytes);

  // The file's length in bytes; 0 before a successful encode().
  size_t size() const;

  // Hands the file's bytes to put(data, size) in order, in a few pieces (the
  // compressed stream is not copied), after a successful encode(). Stops at the first put that
  // returns false and returns false then; true once every byte went.
  bool emit(const std::function<bool(const unsigned char*, size_t)>& put) const;

 private:
  unsigned char header_[kPngHeaderBytes] = {};  // signature and IHDR
  std::unique_ptr<unsigned char[]> stream_;
  size_t streamSize_ = 0;
  size_t maxChunkBytes_ = kPngMaxChunkBytes;
};

}  // namespace geoweave::detail
