#include "export/rivers_png.h"

#include <algorithm>
#include <vector>

#include "export/png_stream.h"
#include "export/river_raster.h"

namespace geoweave::detail {

bool writeRiverOverlay(const geoweave::Rivers& rivers, int width, int height, int band,
                       const std::string& path, std::string* error) {
  PngStream stream;
  if (!stream.open(path.c_str(), width, height, PngKind::kRgba8, error)) return false;
  band = std::max(1, std::min(band, height));
  std::vector<uint8_t> alpha;
  std::vector<uint8_t> rgba;
  for (int row = 0; row < height; row += band) {
    const int rows = std::min(band, height - row);
    const size_t pixels = static_cast<size_t>(width) * rows;
    alpha.assign(pixels, 0);
    drawRiverRows(rivers, width, height, row, rows, alpha.data());
    // The colour stays where the rivers are not, so that a program that
    // scales the picture without weighing by opacity blurs no dark fringe in.
    rgba.resize(pixels * 4);
    for (size_t i = 0; i < pixels; ++i) {
      uint8_t* p = &rgba[i * 4];
      p[0] = kRiverColor[0];
      p[1] = kRiverColor[1];
      p[2] = kRiverColor[2];
      p[3] = alpha[i];
    }
    if (!stream.writeRows(rgba.data(), rows, error)) return false;
  }
  return stream.finish(error);
}

void paintRiverRows(const geoweave::Rivers& rivers, int width, int height, int firstRow, int rows,
                    uint8_t* rgb) {
  if (width < 1 || rows < 1) return;
  const size_t pixels = static_cast<size_t>(width) * rows;
  std::vector<uint8_t> alpha(pixels, 0);
  drawRiverRows(rivers, width, height, firstRow, rows, alpha.data());
  for (size_t i = 0; i < pixels; ++i) {
    const unsigned a = alpha[i];
    if (a == 0) continue;
    for (int c = 0; c < 3; ++c) {
      uint8_t& byte = rgb[i * 3 + c];
      byte = static_cast<uint8_t>((byte * (255 - a) + kRiverColor[c] * a + 127) / 255);
    }
  }
}

}  // namespace geoweave::detail
