#pragma once

#include <cstddef>
#include <cstdint>

#include "image/rgb.h"

// A width x height grid of 24-bit pixels; row 0 is the bottom line of the
// written picture.
struct RgbImage {
  int width = 0;
  int height = 0;
  Rgb* pixels = nullptr;

  // A black image. Storage that cannot be had ends the run (out of memory).
  RgbImage(int w, int h);
  RgbImage(const RgbImage&) = delete;
  RgbImage& operator=(const RgbImage&) = delete;
  ~RgbImage();

  Rgb& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  const Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

  // Writes an uncompressed 24-bit BMP. The file appears under its name only
  // when every byte reached it; on failure nothing is left behind and whatever
  // stood at the name before is untouched. failAfterBytes (tests only) makes
  // every write after that many bytes fail.
  bool writeBmp(const char* name, int64_t failAfterBytes = -1) const;

  // River lines (drawn by the renderer): a straight line blended into the
  // image, and the same split where it crosses the map's seam or a pole.
  void drawWrappedLine(int x0, int y0, int x1, int y1, Rgb startColor, Rgb endColor,
                       float startOpacity, float endOpacity, const RgbImage* mask);
  void drawBlendedLine(int x0, int y0, int x1, int y1, Rgb startColor, Rgb endColor,
                       float startOpacity, float endOpacity, const RgbImage* mask);
};
