#include "base/memory_limit.h"

#include <gtest/gtest.h>
#include <unistd.h>

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

}  // namespace

}  // namespace geoweave::detail
