#pragma once

#include <cstdint>
#include <string>

namespace geoweave::detail {

// The memory this process may use, in bytes: the cgroup's limit where one is
// set (cgroup v2 memory.max, else v1 memory.limit_in_bytes), or else the
// machine's physical memory; UINT64_MAX when neither can be read. A grid that
// needs more than this is refused up front instead of being killed by the
// kernel halfway through a run.
uint64_t usableMemoryBytes();

// A cgroup limit file's text as bytes: a whole number, or UINT64_MAX for
// "max", an empty text or anything unreadable.
uint64_t parseMemoryLimit(const std::string& text);

}  // namespace geoweave::detail
