#pragma once

// Test support: runs one of the tools a GIS user has (gdalinfo, ogrinfo, ...)
// and hands back what it printed.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace geoweave::detail {

// Runs a shell command and returns its standard output; a command that is
// missing or fails is a test failure, never a skip.
inline std::string runCommand(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    ADD_FAILURE() << "cannot run " << command;
    return std::string();
  }
  std::string out;
  char chunk[4096];
  size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) out.append(chunk, got);
  const int status = pclose(pipe);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << command << " failed (is gdal-bin installed?), status " << status;
  return out;
}

}  // namespace geoweave::detail
