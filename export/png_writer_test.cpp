#include "export/png_writer.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "testing/png_reader.h"
#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

namespace fs = std::filesystem;

class PngWriter : public TestDirectory {};

// Bytes that deflate cannot shrink, so a picture of them outgrows the
// writer's buffer.
std::vector<uint8_t> noise(size_t count) {
  std::vector<uint8_t> bytes(count);
  uint32_t state = 12345;
  for (uint8_t& b : bytes) {
    state = state * 1664525u + 1013904223u;
    b = static_cast<uint8_t>(state >> 24);
  }
  return bytes;
}

TEST_F(PngWriter, RgbRoundTripKeepsEverySample) {
  struct Case {
    int width, height;
  };
  // The last is past the size deflated whole, so it takes the streaming way.
  for (const Case c : {Case{1, 1}, Case{5, 3}, Case{300, 200}, Case{8000, 3000}}) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    const std::vector<uint8_t> rgb = noise(static_cast<size_t>(3 * c.width * c.height));
    const std::string name = path("rgb.png");
    std::string error;
    ASSERT_TRUE(writePngRgb8(name.c_str(), c.width, c.height, rgb.data(), &error)) << error;
    PngImage image;
    ASSERT_TRUE(readPng(name.c_str(), &image, &error)) << error;
    EXPECT_EQ(image.width, c.width);
    EXPECT_EQ(image.height, c.height);
    EXPECT_EQ(image.bitDepth, 8);
    EXPECT_EQ(image.colorType, 2);
    ASSERT_EQ(image.channels, 3);
    // The first sample is the top left pixel's red: rows run from the top.
    EXPECT_EQ(image.samples, std::vector<uint16_t>(rgb.begin(), rgb.end()));
    EXPECT_EQ(entries(), std::vector<std::string>{"rgb.png"});
  }
}

TEST_F(PngWriter, Gray16RoundTripKeepsExactValues) {
  // 1 and 256 swap into each other if the bytes go out in host order.
  const std::vector<uint16_t> values = {0, 1, 256, 65535, 255, 0x1234, 32768, 65534};
  const std::string name = path("gray.png");
  std::string error;
  ASSERT_TRUE(writePngGray16(name.c_str(), 4, 2, values.data(), &error)) << error;
  PngImage image;
  ASSERT_TRUE(readPng(name.c_str(), &image, &error)) << error;
  EXPECT_EQ(image.width, 4);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.bitDepth, 16);
  EXPECT_EQ(image.colorType, 0);
  ASSERT_EQ(image.channels, 1);
  EXPECT_EQ(image.samples, values);
  EXPECT_EQ(image.at(1, 0, 0), 1);
  EXPECT_EQ(image.at(3, 0, 0), 65535);

  const uint16_t single = 256;
  ASSERT_TRUE(writePngGray16(name.c_str(), 1, 1, &single, &error)) << error;
  ASSERT_TRUE(readPng(name.c_str(), &image, &error)) << error;
  EXPECT_EQ(image.width, 1);
  EXPECT_EQ(image.height, 1);
  EXPECT_EQ(image.samples, std::vector<uint16_t>{256});
}

TEST_F(PngWriter, FailuresNameTheFileAndLeaveNothing) {
  const std::vector<uint8_t> rgb(3 * 1000001);
  const uint16_t gray[4] = {};
  std::string error;

  const std::string missing = path("nowhere/a.png");
  EXPECT_FALSE(writePngRgb8(missing.c_str(), 2, 2, rgb.data(), &error));
  EXPECT_NE(error.find(missing), std::string::npos) << error;
  EXPECT_NE(error.find(std::strerror(ENOENT)), std::string::npos) << error;
  EXPECT_TRUE(entries().empty());

  // The rename onto a directory fails only after the whole file was written.
  const std::string taken = path("taken.png");
  ASSERT_TRUE(fs::create_directory(taken));
  error.clear();
  EXPECT_FALSE(writePngGray16(taken.c_str(), 2, 2, gray, &error));
  EXPECT_NE(error.find(taken), std::string::npos) << error;
  EXPECT_NE(error.find(std::strerror(EISDIR)), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(taken));
  EXPECT_EQ(entries(), std::vector<std::string>{"taken.png"});

  // libpng refuses a width past its limit after the scratch file exists.
  const std::string wide = path("wide.png");
  error.clear();
  EXPECT_FALSE(writePngRgb8(wide.c_str(), 1000001, 1, rgb.data(), &error));
  EXPECT_NE(error.find(wide), std::string::npos) << error;
  EXPECT_NE(error.find("libpng"), std::string::npos) << error;
  EXPECT_EQ(entries(), std::vector<std::string>{"taken.png"});

  // Pictures PNG cannot hold are refused before any file is made.
  for (const int width : {0, -1}) {
    error.clear();
    EXPECT_FALSE(writePngGray16(path("empty.png").c_str(), width, 1, gray, &error));
    EXPECT_NE(error.find("empty.png"), std::string::npos) << error;
  }
  EXPECT_FALSE(writePngRgb8(path("none.png").c_str(), 1, 1, nullptr, nullptr));
  EXPECT_EQ(entries(), std::vector<std::string>{"taken.png"});
}

}  // namespace

}  // namespace geoweave::detail
