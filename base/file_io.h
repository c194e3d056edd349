#pragma once

#include <sys/types.h>

#include <cstddef>

namespace geoweave::detail {

// Writes all size bytes of data to the file descriptor fd, at its current
// position, again and again until the kernel has taken them all (a write
// may take fewer, or be interrupted by a signal). 0 once every byte went;
// otherwise the errno value of the first real failure (EIO for a write that
// took nothing without one), with an unknown number of bytes written.
// Safe from any thread for different descriptors.
int writeFully(int fd, const void* data, size_t size);

// The same for pread: reads size bytes at offset of fd into bytes. 0 once
// all were read; otherwise the errno value (EIO where the file ends first).
int readFullyAt(int fd, void* bytes, size_t size, off_t offset);

}  // namespace geoweave::detail
