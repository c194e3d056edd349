#pragma once

namespace geoweave::detail {

// The seed of --random-seed: the clock's nanoseconds, the process id and a
// value of std::random_device mixed together, so that runs started in the
// same second (or the same nanosecond, by different processes) differ.
// Never negative. Reads the clock and the system's random source; never
// throws (without a random source the other two still vary).
int randomSeed();

}  // namespace geoweave::detail
