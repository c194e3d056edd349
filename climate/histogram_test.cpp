#include "climate/histogram.h"

#include <gtest/gtest.h>

#include <cmath>

namespace geoweave::detail {

TEST(Histogram, QuantileInterpolatesInsideTheBinThatReachesTheTarget) {
  Histogram h(0, 1, 10);
  EXPECT_EQ(h.bins.count, 10);
  EXPECT_EQ(h.bins.capacity, 10);
  for (int i = 0; i < 10; ++i) h.addSample(0.05f);
  EXPECT_EQ(h.bins[0], 10);
  EXPECT_EQ(h.sampleCount, 10);
  EXPECT_FLOAT_EQ(h.quantile(0.5), 0.05f);
  EXPECT_FLOAT_EQ(h.quantile(1.0), 0.1f);  // upper edge of the last filled bin

  // Four in bin 0, six in bin 2: the 7th sample lies half way into bin 2.
  Histogram spread(0, 1, 10);
  for (int i = 0; i < 4; ++i) spread.addSample(0.01f);
  for (int i = 0; i < 6; ++i) spread.addSample(0.25f);
  EXPECT_EQ(spread.bins[2], 6);
  EXPECT_FLOAT_EQ(spread.quantile(0.7), 0.25f);
  EXPECT_FLOAT_EQ(spread.quantile(0.4), 0.1f);
  // The target is truncated: 10 x 0.45 = 4 reaches no further than bin 0.
  EXPECT_FLOAT_EQ(spread.quantile(0.45), 0.1f);
}

TEST(Histogram, SamplesBeyondTheRangeCountInTheEndBins) {
  Histogram h(1, 2, 10);
  for (const float v : {-5.0f, 0.99f, 1.0f}) h.addSample(v);
  for (const float v : {1.95f, 2.0f, 7.0f}) h.addSample(v);
  h.addSample(1.55f);
  EXPECT_EQ(h.bins[0], 3);
  EXPECT_EQ(h.bins[9], 3);
  EXPECT_EQ(h.bins[5], 1);
  EXPECT_EQ(h.sampleCount, 7);
}

TEST(Histogram, EmptyRangePutsEverythingInTheFirstBin) {
  Histogram h(2.5f, 2.5f, 4);
  for (const float v : {2.5f, 0.0f, 9.0f}) h.addSample(v);
  EXPECT_EQ(h.bins[0], 3);
  for (const double q : {0.0, 0.5, 0.99, 1.0}) {
    EXPECT_EQ(h.quantile(q), 2.5f) << q;
  }
}

TEST(Histogram, ZeroTargetAtAnEmptyBinIsItsLowerEdge) {
  const Histogram none(1, 2, 10);
  EXPECT_EQ(none.quantile(0.5), 1.0f);
  Histogram late(0, 1, 10);
  late.addSample(0.75f);
  EXPECT_EQ(late.quantile(0.0), 0.0f);
  EXPECT_FLOAT_EQ(late.quantile(1.0), 0.8f);
}

// A river share far beyond 100 % asks for a quantile far below the range; the
// answer must stay a finite float instead of overflowing a conversion.
TEST(Histogram, QuantileFarOutsideTheUnitRangeStaysFinite) {
  Histogram histogram(0, 1, 10);
  for (int i = 0; i < 10; ++i) histogram.addSample(0.05f * i);
  EXPECT_TRUE(std::isfinite(histogram.quantile(-1e30)));
  EXPECT_LT(histogram.quantile(-1e30), 0.0f);
  EXPECT_TRUE(std::isfinite(histogram.quantile(1e30)));
}

}  // namespace geoweave::detail
