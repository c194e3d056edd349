#include "render/legend.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "climate/biome.h"
#include "image/bitmap_font.h"
#include "render/biome_colors.h"

namespace geoweave::detail {

namespace {

// Sizes in pixels. The bars are long enough for ten labelled ticks, the
// label column for the longest row label.
constexpr int kMargin = 10;
constexpr int kBarLeft = 150;
constexpr int kBarWidth = 600;
constexpr int kBarHeight = 15;
constexpr int kRowGap = 3;
constexpr int kTickLength = 3;
constexpr int kTitleGap = 4;
constexpr int kKeyGap = 12;
constexpr int kSwatchWidth = 30;
constexpr int kSecondTickCount = 10;
constexpr int kBiomeLine = kGlyphHeight + 3;
constexpr int kBiomeNameLeft = kMargin + kSwatchWidth + 6;
constexpr int kBiomeRuleLeft = kBiomeNameLeft + 34 * kGlyphWidth;
constexpr int kWidth = kBarLeft + kBarWidth + 30;

constexpr Rgb kBackground = kWhite;
constexpr Rgb kInk = kBlack;
constexpr Rgb kFrame = rgbBytes(128, 128, 128);

const char kBiomeTitle[] =
    "Biomes (biomes.png, layers/biome.tif) after Whittaker (1975): T annual temperature, P "
    "annual rain";

// A pixel in the picture's own rows, top first.
void put(RgbImage& image, int x, int y, Rgb color) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
  image.at(x, image.height - 1 - y) = color;
}

void fillRect(RgbImage& image, int left, int top, int width, int height, Rgb color) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) put(image, x, y, color);
  }
}

void frame(RgbImage& image, int left, int top, int width, int height) {
  fillRect(image, left - 1, top - 1, width + 2, 1, kFrame);
  fillRect(image, left - 1, top + height, width + 2, 1, kFrame);
  fillRect(image, left - 1, top, 1, height, kFrame);
  fillRect(image, left + width, top, 1, height, kFrame);
}

// Tick values with as many decimals as their step needs.
std::string tickText(double value, double step) {
  const int decimals =
      step > 0 ? std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9))) : 0;
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string out = text;
  // No "-0" for a value that rounds to zero.
  if (out.find_first_not_of("-0.") == std::string::npos && out[0] == '-') out.erase(0, 1);
  return out;
}

// The column of a bar that shows value, from the bar's left end.
int columnOf(const ColorKeyRule& key, const LegendBar& bar, double value) {
  const double share = (value - key.from) / (key.to - key.from);
  return static_cast<int>(std::lround(share * (bar.width - 1)));
}

// Text centred on column x, kept within the picture.
void drawCentred(RgbImage& image, int x, int top, const std::string& text) {
  const int width = textWidth(text);
  const int left = std::min(std::max(x - width / 2, 0), image.width - width);
  drawText(image, left, top, text, kInk);
}

std::string titleOf(const ColorKeyRule& key) {
  return key.title + ", " + key.unitLabel;
}

}  // namespace

LegendLayout layOutLegend(const std::vector<ColorKeyRule>& keys) {
  LegendLayout layout;
  layout.width = kWidth;
  int y = kMargin;
  for (size_t k = 0; k < keys.size(); ++k) {
    y += kGlyphHeight + kTitleGap;
    for (size_t r = 0; r < keys[k].rows.size(); ++r) {
      layout.bars.push_back(
          LegendBar{static_cast<int>(k), static_cast<int>(r), kBarLeft, y, kBarWidth, kBarHeight});
      y += kBarHeight + kRowGap;
    }
    y += kTickLength + 1 + kGlyphHeight;
    if (!keys[k].secondUnit.empty()) y += kTickLength + 1 + kGlyphHeight;
    y += kKeyGap;
  }
  y += kGlyphHeight + kTitleGap + kBiomeClassCount * kBiomeLine;
  layout.height = y + kMargin;
  return layout;
}

double barValue(const ColorKeyRule& key, const LegendBar& bar, int x) {
  if (bar.width < 2) return key.from;
  return key.from + (key.to - key.from) * x / (bar.width - 1);
}

void drawLegend(const std::vector<ColorKeyRule>& keys, const LegendLayout& layout,
                RgbImage& image) {
  fillRect(image, 0, 0, image.width, image.height, kBackground);
  for (size_t b = 0; b < layout.bars.size(); ++b) {
    const LegendBar& bar = layout.bars[b];
    const ColorKeyRule& key = keys[bar.key];
    const KeyRow& row = key.rows[bar.row];
    if (bar.row == 0)
      drawText(image, kMargin, bar.top - kTitleGap - kGlyphHeight, titleOf(key), kInk);
    drawText(image, kMargin, bar.top + 1, row.label, kInk);
    for (int x = 0; x < bar.width; ++x) {
      fillRect(image, bar.left + x, bar.top, 1, bar.height, row.colorAt(barValue(key, bar, x)));
    }
    frame(image, bar.left, bar.top, bar.width, bar.height);
    const bool last = b + 1 == layout.bars.size() || layout.bars[b + 1].key != bar.key;
    if (!last) continue;
    // The ticks under the key's last bar, and their values; the second
    // scale's own round values under those, each marked where it falls.
    int tickTop = bar.top + bar.height + 1;
    const double step = key.ticks.size() > 1 ? key.ticks[1] - key.ticks[0] : 0;
    for (const double tick : key.ticks) {
      const int x = bar.left + columnOf(key, bar, tick);
      fillRect(image, x, tickTop, 1, kTickLength, kInk);
      drawCentred(image, x, tickTop + kTickLength + 1, tickText(tick, step));
    }
    if (key.secondUnit.empty() || !(key.secondFactor > 0)) continue;
    tickTop += kTickLength + 1 + kGlyphHeight;
    drawText(image, kMargin, tickTop + kTickLength + 1, key.secondUnit, kInk);
    const std::vector<double> second =
        niceTicks(key.from * key.secondFactor, key.to * key.secondFactor, kSecondTickCount);
    const double secondStep = second.size() > 1 ? second[1] - second[0] : 0;
    for (const double tick : second) {
      const int x = bar.left + columnOf(key, bar, tick / key.secondFactor);
      fillRect(image, x, tickTop, 1, kTickLength, kInk);
      drawCentred(image, x, tickTop + kTickLength + 1, tickText(tick, secondStep));
    }
  }

  int y = layout.height - kMargin - kBiomeClassCount * kBiomeLine - kTitleGap - kGlyphHeight;
  drawText(image, kMargin, y, kBiomeTitle, kInk);
  y += kGlyphHeight + kTitleGap;
  for (int c = 0; c < kBiomeClassCount; ++c) {
    const auto biome = c;
    fillRect(image, kMargin, y, kSwatchWidth, kGlyphHeight, biomeColor(biome));
    frame(image, kMargin, y, kSwatchWidth, kGlyphHeight);
    drawText(image, kBiomeNameLeft, y, biomeName(biome), kInk);
    drawText(image, kBiomeRuleLeft, y, biomeRuleText(biome), kInk);
    y += kBiomeLine;
  }
}

}  // namespace geoweave::detail
