#include "base/memory_limit.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

TEST(MemoryLimit, CgroupTextsAndTheMachine) {
  EXPECT_EQ(parseMemoryLimit("4294967296\n"), 4294967296u);
  EXPECT_EQ(parseMemoryLimit("max\n"), UINT64_MAX);
  EXPECT_EQ(parseMemoryLimit(""), UINT64_MAX);
  EXPECT_EQ(parseMemoryLimit("99999999999999999999999"), UINT64_MAX);
  // Whatever the limits here, some memory is usable and no more than exists.
  const uint64_t usable = usableMemoryBytes();
  EXPECT_GT(usable, 0u);
  EXPECT_LE(usable, static_cast<uint64_t>(sysconf(_SC_PHYS_PAGES)) *
                        static_cast<uint64_t>(sysconf(_SC_PAGESIZE)));
}

// A made-up cgroup mount: the limit comes from the process's own cgroup and
// its ancestors, not from the mount's root alone.
class CgroupTree : public TestDirectory {
 protected:
  void put(const std::string& file, const std::string& text) const {
    const std::filesystem::path where = path(file);
    std::filesystem::create_directories(where.parent_path());
    std::ofstream(where) << text;
  }
};

// At the mount's root a cgroup v2 limit stands; without one (v2's "max", or
// no v2 file) the v1 file's limit counts.
TEST_F(CgroupTree, VersionTwosLimitElseVersionOnesAtTheRoot) {
  put("memory/memory.limit_in_bytes", "1000\n");
  EXPECT_EQ(cgroupMemoryLimit(dir, ""), 1000u);
  put("memory.max", "max\n");
  EXPECT_EQ(cgroupMemoryLimit(dir, ""), 1000u);
  put("memory.max", "2000\n");
  EXPECT_EQ(cgroupMemoryLimit(dir, ""), 2000u);
  EXPECT_EQ(cgroupMemoryLimit(path("missing"), ""), UINT64_MAX);
}

TEST_F(CgroupTree, OwnCgroupAndItsAncestorsGiveTheSmallestLimit) {
  // v2: the job's own cgroup says "max", its parent holds the limit; the
  // root of the mount has none.
  put("a/b/memory.max", "max\n");
  put("a/memory.max", "1000\n");
  put("c/memory.max", "10\n");  // a sibling's limit is not ours
  EXPECT_EQ(cgroupMemoryLimit(dir, "0::/a/b\n"), 1000u);
  put("a/b/memory.max", "600\n");
  EXPECT_EQ(cgroupMemoryLimit(dir, "0::/a/b\n"), 600u);

  // v1 beside a v2 line (a hybrid system): the memory controller's line
  // counts, whichever controllers share its hierarchy.
  put("memory/memory.limit_in_bytes", "9223372036854771712\n");
  put("memory/job/memory.limit_in_bytes", "2000\n");
  put("memory/job/task/memory.limit_in_bytes", "9223372036854771712\n");
  EXPECT_EQ(cgroupMemoryLimit(dir, "9:name=systemd:/\n4:memory:/job/task\n0::/a/b\n"), 2000u);
  EXPECT_EQ(cgroupMemoryLimit(dir, "5:cpu,memory:/job/task/\n"), 2000u);

  // A path the mount lacks (inside a cgroup namespace) and a text naming
  // no cgroup fall back to the root's files.
  EXPECT_EQ(cgroupMemoryLimit(dir, "4:memory:/elsewhere\n"), 9223372036854771712u);
  put("memory.max", "777\n");
  EXPECT_EQ(cgroupMemoryLimit(dir, "0::/gone\n"), 777u);
  EXPECT_EQ(cgroupMemoryLimit(dir, ""), 777u);
  EXPECT_EQ(cgroupMemoryLimit(path("nothing"), "0::/a\n"), UINT64_MAX);
}

}  // namespace

}  // namespace geoweave::detail
