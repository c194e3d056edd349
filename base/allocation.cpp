#include "base/allocation.h"

#include <cstdint>
#include <new>

namespace geoweave::detail {

void* tryAllocate(size_t bytes) {
  // Pointer differences within an object must fit a ptrdiff_t, so no larger
  // object can exist; refuse it here rather than pass new[] a size that is
  // out of its range.
  if (bytes > static_cast<size_t>(PTRDIFF_MAX)) return nullptr;
  return new (std::nothrow) unsigned char[bytes == 0 ? 1 : bytes];
}

void releaseStorage(void* storage) {
  delete[] static_cast<unsigned char*>(storage);
}

}  // namespace geoweave::detail
