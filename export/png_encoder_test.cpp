#include "export/png_encoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "testing/png_reader.h"
#include "testing/test_directory.h"

namespace geoweave::detail {

namespace {

class PngEncoder : public TestDirectory {};

// A stream split into many IDAT chunks (only pictures of gigabytes split at
// the real size) decodes to the same samples as one chunk, each chunk's CRC
// checked by libpng, for both kinds the files use.
TEST_F(PngEncoder, ManySmallChunksDecodeToTheSamePixels) {
  constexpr int kWidth = 29;
  constexpr int kHeight = 17;
  std::vector<uint8_t> rgb(3 * kWidth * kHeight);
  std::vector<uint16_t> gray(kWidth * kHeight);
  uint32_t state = 7;
  for (uint8_t& b : rgb) b = static_cast<uint8_t>((state = state * 1664525u + 1013904223u) >> 24);
  for (uint16_t& v : gray)
    v = static_cast<uint16_t>((state = state * 1664525u + 1013904223u) >> 16);
  struct Case {
    PngKind kind;
    const void* samples;
    std::vector<uint16_t> expected;
  };
  for (const Case& c : {Case{PngKind::kRgb8, rgb.data(), {rgb.begin(), rgb.end()}},
                        Case{PngKind::kGray16, gray.data(), gray}}) {
    for (const size_t chunk : {size_t{1}, size_t{7}, kPngMaxChunkBytes}) {
      SCOPED_TRACE("chunks of " + std::to_string(chunk));
      WholePng png;
      std::string error;
      ASSERT_TRUE(png.encode(kWidth, kHeight, c.kind, c.samples, &error, chunk)) << error;
      std::string bytes;
      ASSERT_TRUE(png.emit([&bytes](const unsigned char* data, size_t size) {
        bytes.append(reinterpret_cast<const char*>(data), size);
        return true;
      }));
      EXPECT_EQ(bytes.size(), png.size());
      const std::string name = path("chunks.png");
      std::ofstream(name, std::ios::binary) << bytes;
      PngImage image;
      ASSERT_TRUE(readPng(name.c_str(), &image, &error)) << error;
      EXPECT_EQ(image.width, kWidth);
      EXPECT_EQ(image.height, kHeight);
      EXPECT_EQ(image.samples, c.expected);
    }
  }
}

}  // namespace

}  // namespace geoweave::detail
