#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "base/allocation.h"

namespace geoweave::detail {

// A heap array of plain elements that grows by a fixed step, never
// geometrically. Callers that know the final size reserve it first. When
// storage cannot be had the array is left as it was and the call says so.
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

  // False when the array was full and could not grow.
  [[nodiscard]] bool append(const T& element) {
    if (count == capacity && !moveTo(static_cast<int64_t>(capacity) + growBy)) return false;
    data[count] = element;
    ++count;
    return true;
  }

  // Capacity n exactly; never below the elements in use. False when the
  // storage could not be had.
  [[nodiscard]] bool reserve(int32_t n) {
    if (n == capacity || n < count) return true;
    return moveTo(n);
  }

  T& operator[](int32_t i) { return data[i]; }
  const T& operator[](int32_t i) const { return data[i]; }

  void release() {
    releaseStorage(data);
    data = nullptr;
    capacity = 0;
    count = 0;
  }

 private:
  // New slots are zero-filled, so nothing past count is ever indeterminate.
  bool moveTo(int64_t newCapacity) {
    if (newCapacity > INT32_MAX) return false;  // past what a count can index
    const size_t bytes = sizeof(T) * static_cast<size_t>(newCapacity);
    auto* storage = static_cast<T*>(tryAllocate(bytes));
    if (storage == nullptr) return false;
    std::memset(static_cast<void*>(storage), 0, bytes);
    if (count > 0) std::memcpy(static_cast<void*>(storage), data, sizeof(T) * count);
    releaseStorage(data);
    data = storage;
    capacity = static_cast<int32_t>(newCapacity);
    return true;
  }
};

}  // namespace geoweave::detail
