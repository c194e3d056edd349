#include "image/bmp_writer.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "base/file_io.h"
#include "image/atomic_file.h"

namespace geoweave::detail {

namespace {

constexpr size_t kHeaderBytes = 54;

void putLe16(unsigned char* at, uint32_t value) {
  at[0] = static_cast<unsigned char>(value & 0xFF);
  at[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

void putLe32(unsigned char* at, uint32_t value) {
  putLe16(at, value & 0xFFFF);
  putLe16(at + 2, value >> 16);
}

// The 14-byte file header followed by the 40-byte info header; every field
// not set here is zero.
void fillHeader(unsigned char* header, int width, int height, uint32_t fileSize) {
  std::memset(header, 0, kHeaderBytes);
  header[0] = 'B';
  header[1] = 'M';
  putLe32(header + 2, fileSize);
  putLe32(header + 10, static_cast<uint32_t>(kHeaderBytes));
  putLe32(header + 14, 40);
  putLe32(header + 18, static_cast<uint32_t>(width));
  putLe32(header + 22, static_cast<uint32_t>(height));
  putLe16(header + 26, 1);
  putLe16(header + 28, 24);
}

// Hands bytes to the kernel until all are taken, leaving errno set on a
// failure as the callers read it.
bool writeAll(int fd, const unsigned char* data, size_t size) {
  const int failure = writeFully(fd, data, size);
  if (failure != 0) errno = failure;
  return failure == 0;
}

// Collects the file in a large buffer so the kernel sees few big writes.
// failAfter >= 0 plays a device that takes that many bytes and then fails.
struct BmpSink {
  int fd = -1;
  int64_t failAfter = -1;
  int64_t written = 0;
  size_t used = 0;
  unsigned char buffer[1 << 16];

  bool emit(const unsigned char* data, size_t size) {
    if (failAfter >= 0 && written + static_cast<int64_t>(size) > failAfter) {
      writeAll(fd, data, static_cast<size_t>(failAfter - written));
      written = failAfter;
      errno = ENOSPC;
      return false;
    }
    if (!writeAll(fd, data, size)) return false;
    written += static_cast<int64_t>(size);
    return true;
  }

  bool flush() {
    const size_t size = used;
    used = 0;
    return emit(buffer, size);
  }

  bool put(const unsigned char* data, size_t size) {
    while (size > 0) {
      if (used == sizeof buffer && !flush()) return false;
      const size_t room = sizeof buffer - used;
      const size_t take = size < room ? size : room;
      std::memcpy(buffer + used, data, take);
      used += take;
      data += take;
      size -= take;
    }
    return true;
  }
};

bool writeContents(const RgbImage& image, BmpSink& sink, size_t pad, uint32_t fileSize) {
  unsigned char header[kHeaderBytes];
  fillHeader(header, image.width, image.height, fileSize);
  if (!sink.put(header, sizeof header)) return false;
  if (image.width == 0) return sink.flush();  // rows of no bytes and no pad
  const unsigned char zeros[3] = {0, 0, 0};
  const size_t rowBytes = static_cast<size_t>(image.width) * sizeof(Rgb);
  for (int y = 0; y < image.height; ++y) {
    const auto* row = reinterpret_cast<const unsigned char*>(&image.at(0, y));
    if (!sink.put(row, rowBytes) || !sink.put(zeros, pad)) return false;
  }
  return sink.flush();
}

}  // namespace

bool writeBmpFile(const RgbImage& image, const char* name, int64_t failAfterBytes) {
  if (name == nullptr || image.width < 0 || image.height < 0) return false;
  if (image.pixels == nullptr && static_cast<int64_t>(image.width) * image.height > 0) return false;

  const uint64_t rowBytes = 3 * static_cast<uint64_t>(image.width);
  const uint64_t pad = (4 - rowBytes % 4) % 4;
  const uint64_t fileSize = (rowBytes + pad) * static_cast<uint64_t>(image.height) + kHeaderBytes;
  if (fileSize > UINT32_MAX) return false;  // the format cannot state its size

  AtomicFile file;
  if (!file.open(name)) return false;

  BmpSink sink;
  sink.fd = file.fd();
  sink.failAfter = failAfterBytes;
  // Every write and the close are checked, so a full disk or a failing device
  // is reported; an unfinished file never reaches the name.
  if (!writeContents(image, sink, static_cast<size_t>(pad), static_cast<uint32_t>(fileSize))) {
    file.abort();
    return false;
  }
  return file.commit();
}

}  // namespace geoweave::detail
