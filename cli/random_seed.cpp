#include "cli/random_seed.h"

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <random>

namespace geoweave::detail {

namespace {

// splitmix64's finaliser: every input bit moves about half the output bits.
uint64_t finalise(uint64_t z) {
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

// The three inputs mixed; the low 31 bits, never negative, so the printed
// seed reads as a plain number.
int mixSeed(uint64_t nanoseconds, uint64_t processId, uint64_t deviceBits) {
  // Each input goes through the finaliser before the next is added, so
  // inputs that differ in the same bits cannot cancel.
  uint64_t state = finalise(nanoseconds + 0x9e3779b97f4a7c15ull);
  state = finalise(state ^ processId);
  state = finalise(state ^ deviceBits);
  return static_cast<int>(state & 0x7fffffffu);
}

}  // namespace

int randomSeed() {
  const auto since = std::chrono::system_clock::now().time_since_epoch();
  const uint64_t nanoseconds =
      static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(since).count());
  uint64_t device = 0;
  try {
    std::random_device source;
    device = (static_cast<uint64_t>(source()) << 32) | source();
  } catch (...) {
    // No random source on this system: the clock and the process id remain.
  }
  return mixSeed(nanoseconds, static_cast<uint64_t>(getpid()), device);
}

}  // namespace geoweave::detail
