#include "base/allocation.h"

#include <new>

namespace geoweave::detail {

void* tryAllocate(size_t bytes) {
  return new (std::nothrow) unsigned char[bytes == 0 ? 1 : bytes];
}

void releaseStorage(void* storage) {
  delete[] static_cast<unsigned char*>(storage);
}

}  // namespace geoweave::detail
