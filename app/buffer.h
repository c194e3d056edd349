#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "app/out_of_memory.h"

// A fixed-size heap array of plain values, zero-filled. Storage that cannot
// be had ends the run (out of memory).
template <typename T>
struct Buffer {
  static_assert(std::is_trivially_copyable_v<T>, "plain values only");

  T* data = nullptr;
  size_t size = 0;

  explicit Buffer(size_t n) : data(static_cast<T*>(allocateOrExit(bytesFor(n)))), size(n) {
    std::memset(static_cast<void*>(data), 0, n * sizeof(T));
  }
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;
  ~Buffer() { delete[] reinterpret_cast<unsigned char*>(data); }

  // A count whose byte size does not fit a size_t could never be stored.
  static size_t bytesFor(size_t n) {
    if (n > SIZE_MAX / sizeof(T)) exitOutOfMemory();
    return n * sizeof(T);
  }

  T& operator[](size_t i) { return data[i]; }
  const T& operator[](size_t i) const { return data[i]; }
};
