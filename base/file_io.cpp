#include "base/file_io.h"

#include <unistd.h>

#include <cerrno>

namespace geoweave::detail {

int writeFully(int fd, const void* data, size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  while (size > 0) {
    const ssize_t done = ::write(fd, bytes, size);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return done < 0 ? errno : EIO;
    bytes += done;
    size -= static_cast<size_t>(done);
  }
  return 0;
}

int readFullyAt(int fd, void* data, size_t size, off_t offset) {
  auto* bytes = static_cast<unsigned char*>(data);
  while (size > 0) {
    const ssize_t done = ::pread(fd, bytes, size, offset);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return done < 0 ? errno : EIO;
    bytes += done;
    size -= static_cast<size_t>(done);
    offset += done;
  }
  return 0;
}

}  // namespace geoweave::detail
