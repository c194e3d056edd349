#pragma once

#include <cstdint>

// The program's own linear congruential sequence: a seed must give the same
// planet on every platform, so the C library's rand() is never used.
void seedRandom(uint32_t seed);

// Next value in 0..32767.
int nextRandom();

// One draw reduced to one of 16385 evenly spaced values from 0 to 1 inclusive.
double randomFraction();
