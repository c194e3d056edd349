#pragma once

#include <cstdint>

#include "base/growable_array.h"

namespace geoweave::detail {

// Counts of samples in equal bins over a fixed range; values beyond the range
// count in the end bins.
struct Histogram {
  GrowableArray<int32_t> bins;
  int32_t sampleCount = 0;
  float minValue = 0;
  float binWidth = 0;
  float inverseBinWidth = 0;
  float maxValue = 0;
  int32_t binCount = 0;

  // count empty bins over [minimum, maximum]; not ok() when their storage
  // could not be had.
  Histogram(float minimum, float maximum, int32_t count);
  bool ok() const { return bins.count == binCount; }

  void addSample(float v);
  // The value below which the share q of the samples lies, interpolated
  // inside its bin. q is a double, as the shares it is called with are
  // worked out in double (0.99 is the double 0.99).
  float quantile(double q) const;
};

}  // namespace geoweave::detail
