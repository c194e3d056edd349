#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace geoweave::detail {

// A decoded PNG as it is stored: no conversion of colour type or depth.
struct PngImage {
  int width = 0;
  int height = 0;
  int bitDepth = 0;   // bits per sample: 1, 2, 4, 8 or 16
  int colorType = 0;  // PNG colour type: 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
  int channels = 0;   // samples per pixel
  // width x height x channels samples, rows from the top; 16-bit samples in
  // host order, palette pictures as indices.
  std::vector<uint16_t> samples;

  uint16_t at(int x, int y, int channel) const {
    return samples[(static_cast<size_t>(y) * width + x) * channels + channel];
  }
};

// Reads a whole PNG file for checking what a writer made (tests use it). On
// failure false comes back and *error (when not null) names the file and
// the reason; *out may then hold part of the picture.
bool readPng(const char* path, PngImage* out, std::string* error);

// The same for a test that only goes on with the picture: a file that cannot
// be read fails the test and gives an empty picture.
inline PngImage readPicture(const std::string& path) {
  PngImage image;
  std::string error;
  EXPECT_TRUE(readPng(path.c_str(), &image, &error)) << error;
  return image;
}

}  // namespace geoweave::detail
