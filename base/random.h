#pragma once

#include <cstdint>

namespace geoweave::detail {

// The program's own linear congruential sequence: a seed must give the same
// planet on every platform, so the C library's rand() is never used. Each
// run owns one, so two planets made at once never share a sequence.
struct Random {
  uint32_t state = 1;

  // Restarts the sequence: the next draws are those of this seed.
  void seed(uint32_t value) { state = value; }

  // Next value in 0..32767.
  int next() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 32767u);
  }

  // One draw reduced to one of 16385 evenly spaced values from 0 to 1
  // inclusive.
  double fraction() { return static_cast<double>(next() % 16385) / 16384.0; }
};

}  // namespace geoweave::detail
