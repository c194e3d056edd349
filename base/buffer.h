#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "base/allocation.h"

namespace geoweave::detail {

// A fixed-size heap array of plain values, zero-filled unless the owner
// writes every element itself (kUnfilled: a large scratch array filled by
// several workers is not first cleared by one). Storage that cannot be had
// leaves it empty and not ok(); the owner reports that.
enum class BufferFill { kZeroed, kUnfilled };
template <typename T>
struct Buffer {
  static_assert(std::is_trivially_copyable_v<T>, "plain values only");

  T* data = nullptr;
  size_t size = 0;

  explicit Buffer(size_t n, BufferFill fill = BufferFill::kZeroed) {
    // A count whose byte size does not fit a size_t could never be stored.
    if (n > SIZE_MAX / sizeof(T)) return;
    data = static_cast<T*>(tryAllocate(n * sizeof(T)));
    if (data == nullptr) return;
    if (fill == BufferFill::kZeroed) std::memset(static_cast<void*>(data), 0, n * sizeof(T));
    size = n;
  }
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;
  ~Buffer() { releaseStorage(data); }

  // False when the storage could not be had.
  bool ok() const { return data != nullptr; }

  T& operator[](size_t i) { return data[i]; }
  const T& operator[](size_t i) const { return data[i]; }
};

}  // namespace geoweave::detail
