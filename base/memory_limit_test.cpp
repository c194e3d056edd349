#include "base/memory_limit.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

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

class CgroupFiles : public TestDirectory {
 protected:
  void write(const std::string& leaf, const char* text) { std::ofstream(path(leaf)) << text; }
};

// A cgroup v2 limit stands; without one (v2's "max", or no v2 file) the v1
// file's limit counts.
TEST_F(CgroupFiles, VersionTwosLimitElseVersionOnes) {
  const std::string v2 = path("memory.max");
  const std::string v1 = path("memory.limit_in_bytes");
  const std::string none = path("missing");
  write("memory.limit_in_bytes", "1000\n");
  write("memory.max", "max\n");
  EXPECT_EQ(cgroupMemoryLimit(v2.c_str(), v1.c_str()), 1000u);
  EXPECT_EQ(cgroupMemoryLimit(none.c_str(), v1.c_str()), 1000u);
  write("memory.max", "2000\n");
  EXPECT_EQ(cgroupMemoryLimit(v2.c_str(), v1.c_str()), 2000u);
  EXPECT_EQ(cgroupMemoryLimit(none.c_str(), none.c_str()), UINT64_MAX);
}

}  // namespace

}  // namespace geoweave::detail
