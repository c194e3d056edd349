#include "climate/histogram.h"

#include <cmath>

#include "base/saturated_float.h"

namespace geoweave::detail {

Histogram::Histogram(float minimum, float maximum, int32_t count)
    : minValue(minimum), maxValue(maximum), binCount(count) {
  if (bins.reserve(count)) bins.count = count;  // reserved slots are zero
  binWidth = static_cast<float>((static_cast<double>(maximum) - minimum) / count);
  // An empty range has no usable inverse: every sample then goes to bin 0.
  inverseBinWidth = binWidth != 0 ? static_cast<float>(1.0 / binWidth) : 0.0f;
}

void Histogram::addSample(float v) {
  int32_t b = 0;
  if (inverseBinWidth != 0) {
    const double scaled = (static_cast<double>(v) - minValue) * inverseBinWidth;
    if (scaled >= binCount) {
      b = binCount - 1;
    } else if (scaled > 0) {
      b = static_cast<int32_t>(scaled);
    }
  }
  bins[b] += 1;
  sampleCount += 1;
}

float Histogram::quantile(double q) const {
  // Truncated toward zero, but kept in double: q may lie far outside [0, 1].
  double target = std::trunc(sampleCount * q);
  for (int32_t b = 0; b < binCount; ++b) {
    const int32_t inBin = bins[b];
    if (inBin >= target) {
      // A target of 0 at an empty bin is that bin's lower edge.
      const double within = inBin != 0 ? target / inBin : 0.0;
      // A river share far above 100 % asks for a quantile far below the
      // range; the literal interpolation can then leave the float range.
      return saturatedFloat(minValue + (b + within) * binWidth);
    }
    target -= inBin;
  }
  return 0;
}

}  // namespace geoweave::detail
