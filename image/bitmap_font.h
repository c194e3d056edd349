#pragma once

#include <cstdint>
#include <string>

#include "image/rgb_image.h"

namespace geoweave::detail {

// Text for pictures that need labels, in a fixed cell of kGlyphWidth x
// kGlyphHeight pixels a character: printable ASCII and the degree sign
// (UTF-8 C2 B0); any other character shows as '?'.
constexpr int kGlyphWidth = 6;
constexpr int kGlyphHeight = 13;
// Pixels of the cell above the baseline (the rest hold descenders).
constexpr int kGlyphAscent = 11;

// The thirteen rows of a character's cell, top first; bit 5 of a row is its
// leftmost pixel, bit 0 its rightmost.
const uint8_t* glyphRows(uint32_t codePoint);

// The characters of UTF-8 text, each a code point; a byte that starts no
// character this font draws counts as one unknown character.
int textLength(const std::string& text);

// The width of text in pixels: kGlyphWidth for each character.
inline int textWidth(const std::string& text) {
  return textLength(text) * kGlyphWidth;
}

// Sets the pixels of text's characters to color, the first cell's top left
// corner at column x and row top, rows counted from the picture's top (the
// image keeps its rows bottom up). Pixels outside the image are left out.
void drawText(RgbImage& image, int x, int top, const std::string& text, Rgb color);

}  // namespace geoweave::detail
