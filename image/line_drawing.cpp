#include "image/line_drawing.h"

#include <algorithm>
#include <cstdlib>

#include "base/numeric.h"

namespace geoweave::detail {

namespace {

// Blends are scaled by the single-precision 1/255, a hair above the exact
// value, so a full-weight blend reproduces its colour byte.
const double kByteScale = static_cast<double>(1.0f / 255.0f);

uint8_t blendChannel(uint8_t a, uint8_t b, double t) {
  return static_cast<uint8_t>(static_cast<int>(((1 - t) * a + t * b) * kByteScale * 255.0));
}

Rgb blend(Rgb a, Rgb b, double t) {
  Rgb c;
  c.red = blendChannel(a.red, b.red, t);
  c.green = blendChannel(a.green, b.green, t);
  c.blue = blendChannel(a.blue, b.blue, t);
  return c;
}

// Colour along the line: the fraction is rounded to single precision first.
uint8_t rampChannel(uint8_t start, uint8_t end, double t) {
  const float c = static_cast<float>((start * (1.0 - t) + end * t) * kByteScale);
  return static_cast<uint8_t>(static_cast<int>(static_cast<double>(c) * 255));
}

Rgb ramp(Rgb start, Rgb end, double t) {
  Rgb c;
  c.red = rampChannel(start.red, end.red, t);
  c.green = rampChannel(start.green, end.green, t);
  c.blue = rampChannel(start.blue, end.blue, t);
  return c;
}

// The line's pixels that fall in columns [firstColumn, firstColumn +
// image.width) and rows [firstRow, firstRow + image.height) of the whole
// picture; image pixel (0, 0), and mask's, is picture pixel (firstColumn,
// firstRow). Every position is worked out in the whole picture's
// coordinates, so a window gets exactly the pixels the whole picture would.
void drawLineInWindow(RgbImage& image, int firstColumn, int firstRow, int x0, int y0, int x1,
                      int y1, Rgb startColor, Rgb endColor, float startOpacity, float endOpacity,
                      const RgbImage* mask) {
  auto contains = [&image](int x, int row) {
    return x >= 0 && row >= 0 && x < image.width && row < image.height;
  };
  const double a0 = startOpacity;
  const double a1 = endOpacity;
  if (x0 == x1 && y0 == y1) {
    if (!contains(x0 - firstColumn, y0 - firstRow)) return;
    Rgb& pixel = image.at(x0 - firstColumn, y0 - firstRow);
    pixel = blend(pixel, blend(startColor, endColor, 0.5), (a0 + a1) / 2);
    return;
  }

  const int dx = x1 - x0;
  const int dy = y1 - y0;
  const bool yMajor = std::abs(dx) < std::abs(dy);
  const int majorStart = yMajor ? y0 : x0;
  const int minorStart = yMajor ? x0 : y0;
  const int majorDelta = yMajor ? dy : dx;
  const int minorDelta = yMajor ? dx : dy;
  const int count = std::abs(majorDelta);

  // t is a float that accumulates its step, so the last t may miss 1.
  const float step = static_cast<float>(1.0 / count);
  float t = 0;
  for (int i = 0; i <= count; ++i, t = static_cast<float>(t + step)) {
    const double td = t;
    const int major = majorStart + static_cast<int>(roundHalfAway(majorDelta * td));
    const int minor = minorStart + static_cast<int>(roundHalfAway(minorDelta * td));
    const int x = (yMajor ? minor : major) - firstColumn;
    const int row = (yMajor ? major : minor) - firstRow;
    if (!contains(x, row)) continue;

    double o = a0 + (a1 - a0) * td;
    if (mask != nullptr) o = o * mask->at(x, row).red / 255;
    Rgb& pixel = image.at(x, row);
    pixel = blend(pixel, ramp(startColor, endColor, td), o);
  }
}

}  // namespace

void drawWrappedLineRows(RgbImage& image, int mapHeight, int firstRow, int x0, int y0, int x1,
                         int y1, Rgb startColor, Rgb endColor, float startOpacity, float endOpacity,
                         const RgbImage* mask) {
  const int width = image.width;
  const int height = mapHeight;
  // No pixel to draw, and a zero half-size would split forever.
  if (width <= 0 || height <= 0) return;
  const int hw = width / 2;
  const int hh = height / 2;
  // Splits at the seam keep the rows, so a line that needs no split at a
  // pole stays within the rows of its ends: one wholly outside the band
  // draws nothing in it, and a map drawn in many bands need not walk it.
  if (std::abs(y0 - y1) <= hh &&
      (std::max(y0, y1) < firstRow || std::min(y0, y1) >= firstRow + image.height)) {
    return;
  }
  // Each split draws the piece that runs off one edge and moves the start
  // point by a whole map size, towards the end point.
  for (;;) {
    if (std::abs(x0 - x1) > hw) {
      if (x0 > x1) {
        drawWrappedLineRows(image, mapHeight, firstRow, x0, y0, x1 + width, y1, startColor,
                            endColor, startOpacity, endOpacity, mask);
        x0 = x0 - width;
      } else {
        drawWrappedLineRows(image, mapHeight, firstRow, x0, y0, x1 - width, y1, startColor,
                            endColor, startOpacity, endOpacity, mask);
        x0 = x0 + width;
      }
    } else if (std::abs(y0 - y1) > hh) {
      if (y0 > y1) {
        drawWrappedLineRows(image, mapHeight, firstRow, x0, y0, x1, y1 + height, startColor,
                            endColor, startOpacity, endOpacity, mask);
        y0 = y0 - height;
      } else {
        drawWrappedLineRows(image, mapHeight, firstRow, x0, y0, x1, y1 - height, startColor,
                            endColor, startOpacity, endOpacity, mask);
        y0 = y0 + height;
      }
    } else {
      break;
    }
  }
  drawLineInWindow(image, 0, firstRow, x0, y0, x1, y1, startColor, endColor, startOpacity,
                   endOpacity, mask);
}

void drawBlendedLine(RgbImage& image, int x0, int y0, int x1, int y1, Rgb startColor, Rgb endColor,
                     float startOpacity, float endOpacity, const RgbImage* mask) {
  drawLineInWindow(image, 0, 0, x0, y0, x1, y1, startColor, endColor, startOpacity, endOpacity,
                   mask);
}

void drawBlendedLineInWindow(RgbImage& window, int firstColumn, int firstRow, int x0, int y0,
                             int x1, int y1, Rgb startColor, Rgb endColor, float startOpacity,
                             float endOpacity, const RgbImage* mask) {
  drawLineInWindow(window, firstColumn, firstRow, x0, y0, x1, y1, startColor, endColor,
                   startOpacity, endOpacity, mask);
}

}  // namespace geoweave::detail
