#pragma once

#include <cstddef>

// Allocates raw storage (released with delete[] of unsigned char) or ends the
// run with "error: out of memory" and exit code 2: a run that cannot hold its
// data must not go on and write half a planet.
void* allocateOrExit(size_t bytes);

[[noreturn]] void exitOutOfMemory();
