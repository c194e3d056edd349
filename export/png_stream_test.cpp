#include "export/png_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "export/png_writer.h"
#include "testing/png_reader.h"
#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

class PngStreamTest : public TestDirectory {};

// Rows that change from row to row, so a band repeated or skipped shows.
template <typename T>
std::vector<T> ramp(size_t count) {
  std::vector<T> values(count);
  uint32_t state = 99;
  for (T& v : values) {
    state = state * 1664525u + 1013904223u;
    v = static_cast<T>(state >> 16);
  }
  return values;
}

TEST_F(PngStreamTest, BandsDecodeToTheWholePicture) {
  constexpr int kWidth = 37;
  constexpr int kHeight = 23;
  const std::vector<uint8_t> rgb = ramp<uint8_t>(3 * kWidth * kHeight);
  const std::vector<uint16_t> gray = ramp<uint16_t>(kWidth * kHeight);
  std::string error;
  ASSERT_TRUE(writePngRgb8(path("rgb.png").c_str(), kWidth, kHeight, rgb.data(), &error));
  ASSERT_TRUE(writePngGray16(path("gray.png").c_str(), kWidth, kHeight, gray.data(), &error));
  PngImage wholeRgb;
  PngImage wholeGray;
  ASSERT_TRUE(readPng(path("rgb.png").c_str(), &wholeRgb, &error)) << error;
  ASSERT_TRUE(readPng(path("gray.png").c_str(), &wholeGray, &error)) << error;

  for (const int band : {1, 5, 22}) {
    SCOPED_TRACE("bands of " + std::to_string(band));
    std::filesystem::remove(path("rgb-bands.png"));
    PngStream rgbStream;
    PngStream grayStream;
    ASSERT_TRUE(
        rgbStream.open(path("rgb-bands.png").c_str(), kWidth, kHeight, PngKind::kRgb8, &error))
        << error;
    ASSERT_TRUE(
        grayStream.open(path("gray-bands.png").c_str(), kWidth, kHeight, PngKind::kGray16, &error))
        << error;
    for (int row = 0; row < kHeight; row += band) {
      const int count = std::min(band, kHeight - row);
      ASSERT_TRUE(rgbStream.writeRows(rgb.data() + 3 * kWidth * row, count, &error)) << error;
      ASSERT_TRUE(grayStream.writeRows(gray.data() + kWidth * row, count, &error)) << error;
      // Nothing appears under the final name before the last row.
      EXPECT_FALSE(std::filesystem::exists(path("rgb-bands.png")));
    }
    ASSERT_TRUE(rgbStream.finish(&error)) << error;
    ASSERT_TRUE(grayStream.finish(&error)) << error;
    PngImage banded;
    ASSERT_TRUE(readPng(path("rgb-bands.png").c_str(), &banded, &error)) << error;
    EXPECT_EQ(banded.samples, wholeRgb.samples);
    EXPECT_EQ(banded.colorType, wholeRgb.colorType);
    ASSERT_TRUE(readPng(path("gray-bands.png").c_str(), &banded, &error)) << error;
    EXPECT_EQ(banded.samples, wholeGray.samples);
    EXPECT_EQ(banded.bitDepth, 16);
  }
}

TEST_F(PngStreamTest, WrongRowCountsLeaveNoFile) {
  const std::vector<uint8_t> rgb(3 * 4 * 3);
  std::string error;
  {
    // Too few rows: finish refuses and the scratch file goes.
    PngStream stream;
    ASSERT_TRUE(stream.open(path("short.png").c_str(), 4, 3, PngKind::kRgb8, &error)) << error;
    ASSERT_TRUE(stream.writeRows(rgb.data(), 2, &error)) << error;
    EXPECT_FALSE(stream.finish(&error));
    EXPECT_NE(error.find(path("short.png")), std::string::npos) << error;
    EXPECT_NE(error.find("2 of 3"), std::string::npos) << error;
    EXPECT_TRUE(entries().empty());
    // A failure is final.
    EXPECT_FALSE(stream.writeRows(rgb.data(), 1, &error));
  }
  {
    // Too many rows.
    PngStream stream;
    ASSERT_TRUE(stream.open(path("long.png").c_str(), 4, 3, PngKind::kRgb8, &error)) << error;
    ASSERT_TRUE(stream.writeRows(rgb.data(), 2, &error)) << error;
    EXPECT_FALSE(stream.writeRows(rgb.data(), 2, &error));
    EXPECT_NE(error.find(path("long.png")), std::string::npos) << error;
    EXPECT_TRUE(entries().empty());
  }
  {
    // Abandoned half way: the scratch file, never named, goes with it.
    PngStream stream;
    ASSERT_TRUE(stream.open(path("left.png").c_str(), 4, 3, PngKind::kGray16, &error)) << error;
    EXPECT_TRUE(entries().empty());
  }
  EXPECT_TRUE(entries().empty());
}

}  // namespace

}  // namespace geoweave::detail
