#include "base/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace geoweave::detail {

namespace {

// The failures every file writer reports by name come back as their errno
// values, a full device's included; a read past the end is EIO, not a short
// count taken for the whole.
TEST(FileIo, FailuresComeBackAsTheirReasons) {
  const std::string bytes(100000, 'x');
  const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(full, 0);
  EXPECT_EQ(writeFully(full, bytes.data(), bytes.size()), ENOSPC);
  ::close(full);

  char name[] = "/tmp/geoweave_file_io_XXXXXX";
  const int fd = ::mkstemp(name);
  ASSERT_GE(fd, 0);
  ::unlink(name);
  EXPECT_EQ(writeFully(fd, bytes.data(), bytes.size()), 0);
  std::string back(10, '\0');
  EXPECT_EQ(readFullyAt(fd, back.data(), back.size(), 99990), 0);
  EXPECT_EQ(back, std::string(10, 'x'));
  EXPECT_EQ(readFullyAt(fd, back.data(), back.size(), 99995), EIO);
  ::close(fd);
}

}  // namespace

}  // namespace geoweave::detail
