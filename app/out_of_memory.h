#pragma once

namespace geoweave::detail {

// Ends the run with "error: out of memory" on standard error and exit code 2,
// after what was already shown on standard output: a run that cannot hold its
// data must not go on and write half a planet.
[[noreturn]] void exitOutOfMemory();

}  // namespace geoweave::detail
