#include "app/random.h"

namespace {
uint32_t state = 1;
}

void seedRandom(uint32_t seed) {
  state = seed;
}

int nextRandom() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 32767u);
}

double randomFraction() {
  return static_cast<double>(nextRandom() % 16385) / 16384.0;
}
