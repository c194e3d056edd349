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

// The limit that the cgroup limit files at these paths set: the v2 file's
// (memory.max) where it sets one, else the v1 file's
// (memory.limit_in_bytes); UINT64_MAX when neither does. A missing or
// unreadable file sets none. Reads the files on each call; safe from any
// thread.
uint64_t cgroupMemoryLimit(const char* v2Path, const char* v1Path);

// A cgroup limit file's text as bytes: a whole number, or UINT64_MAX for
// "max", an empty text or anything unreadable.
uint64_t parseMemoryLimit(const std::string& text);

}  // namespace geoweave::detail
