#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "app/out_of_memory.h"

// A heap array of plain elements that grows by a fixed step, never
// geometrically. Callers that know the final size reserve it first.
template <typename T>
struct GrowableArray {
  static_assert(std::is_trivially_copyable_v<T>, "elements are copied bytewise");

  T* data = nullptr;
  int32_t capacity = 0;
  int32_t count = 0;
  int32_t growBy = 8;

  GrowableArray() = default;
  GrowableArray(const GrowableArray&) = delete;
  GrowableArray& operator=(const GrowableArray&) = delete;
  ~GrowableArray() { release(); }

  void append(const T& element) {
    if (count == capacity) moveTo(capacity + growBy);
    data[count] = element;
    ++count;
  }

  // Capacity n exactly; never below the elements in use.
  void reserve(int32_t n) {
    if (n == capacity || n < count) return;
    moveTo(n);
  }

  T& operator[](int32_t i) { return data[i]; }
  const T& operator[](int32_t i) const { return data[i]; }

  void release() {
    delete[] reinterpret_cast<unsigned char*>(data);
    data = nullptr;
    capacity = 0;
    count = 0;
  }

 private:
  // New slots are zero-filled, so nothing past count is ever indeterminate.
  void moveTo(int32_t newCapacity) {
    const size_t bytes = sizeof(T) * static_cast<size_t>(newCapacity);
    auto* storage = static_cast<T*>(allocateOrExit(bytes));
    std::memset(static_cast<void*>(storage), 0, bytes);
    if (count > 0) std::memcpy(static_cast<void*>(storage), data, sizeof(T) * count);
    delete[] reinterpret_cast<unsigned char*>(data);
    data = storage;
    capacity = newCapacity;
  }
};
