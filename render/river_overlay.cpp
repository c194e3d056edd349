#include "render/river_overlay.h"

#include "base/numeric.h"
#include "image/line_drawing.h"
#include "render/colors.h"

namespace geoweave::detail {

float riverOpacity(float flow, const RiverNetwork& rivers) {
  const double low = rivers.flowThreshold;
  const double high = rivers.majorFlowThreshold;
  // Equal thresholds leave no ramp: a river is either drawn fully or not.
  if (high == low) return flow > rivers.flowThreshold ? 1.0f : 0.0f;
  return static_cast<float>(clamp01((static_cast<double>(flow) - low) / (high - low)));
}

void drawRiverRows(const RiverNetwork& rivers, int mapHeight, int firstRow, RgbImage& ground,
                   RgbImage& sediment, const RgbImage& mask) {
  const GrowableArray<RiverPoint>& points = rivers.points;
  const Rgb river = rgbFromFractions(0.2f, 0.2f, 0.8f);
  const double width = ground.width;
  const double height = mapHeight;
  // A last point without a partner is not a segment.
  for (int32_t i = 0; i + 1 < points.count; i += 2) {
    const RiverPoint& p0 = points[i];
    const RiverPoint& p1 = points[i + 1];
    const int x0 = static_cast<int>(roundHalfAway(width * static_cast<double>(p0.longitude)));
    const int y0 = static_cast<int>(roundHalfAway(height * static_cast<double>(p0.latitude)));
    const int x1 = static_cast<int>(roundHalfAway(width * static_cast<double>(p1.longitude)));
    const int y1 = static_cast<int>(roundHalfAway(height * static_cast<double>(p1.latitude)));
    const float a0 = riverOpacity(p0.flow, rivers);
    const float a1 = riverOpacity(p1.flow, rivers);
    drawWrappedLineRows(ground, mapHeight, firstRow, x0, y0, x1, y1, river, river, a0, a1, &mask);
    drawWrappedLineRows(sediment, mapHeight, firstRow, x0, y0, x1, y1, river, river, a0, a1, &mask);
  }
}

}  // namespace geoweave::detail
