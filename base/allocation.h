#pragma once

#include <cstddef>

namespace geoweave::detail {

// Raw storage for plain values, released with releaseStorage(); null when it
// cannot be had. Callers report the failure: a run that cannot hold its data
// must stop before it writes half a planet.
void* tryAllocate(size_t bytes);

void releaseStorage(void* storage);

}  // namespace geoweave::detail
