#pragma once

// Test support: a fresh directory for each test of files, removed with all
// it holds afterwards.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace geoweave::detail {

// The whole of a file as bytes; empty when it cannot be read.
inline std::string readFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class TestDirectory : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/geoweave_test_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }

  std::string path(const std::string& leaf) const { return dir + "/" + leaf; }

  // The names in a directory (the test's own by default), sorted.
  std::vector<std::string> entries(const std::string& in) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(in)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<std::string> entries() const { return entries(dir); }

  std::string dir;
};

}  // namespace geoweave::detail
