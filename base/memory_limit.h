#pragma once

#include <cstdint>
#include <string>

namespace geoweave::detail {

// The memory this process may use, in bytes: the limit of its own cgroup
// (cgroupMemoryLimit under /sys/fs/cgroup for /proc/self/cgroup), or else
// the machine's physical memory, whichever is smaller; UINT64_MAX when
// neither can be read. A grid that needs more than this is refused up front
// instead of being killed by the kernel halfway through a run.
uint64_t usableMemoryBytes();

// The memory limit of the cgroup that selfCgroup (the text of
// /proc/self/cgroup) names, read from the cgroup file systems mounted at
// root (normally /sys/fs/cgroup): the smallest limit of that cgroup and of
// each of its ancestors up to root, as a limit anywhere above holds too.
// cgroup v1's memory controller line ("N:...,memory,...:/path") gives
// root/memory/path/memory.limit_in_bytes, else the v2 line ("0::/path")
// root/path/memory.max. Where that folder does not exist (a cgroup
// namespace shows paths its mounts lack) or selfCgroup names neither, the
// files at root: root/memory.max, else root/memory/memory.limit_in_bytes.
// UINT64_MAX when no limit is set or none can be read.
uint64_t cgroupMemoryLimit(const std::string& root, const std::string& selfCgroup);

// A cgroup limit file's text as bytes: a whole number, or UINT64_MAX for
// "max", an empty text or anything unreadable.
uint64_t parseMemoryLimit(const std::string& text);

}  // namespace geoweave::detail
