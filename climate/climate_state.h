#pragma once

#include <cstdint>

#include "base/growable_array.h"

namespace geoweave::detail {

// How long a water sweep took per entry, by levels on several workers and
// in list order on one (0: not yet tried), and the sweeps since the slower
// way was last tried again: the sweeps take the faster way, as the workers
// may be sharing their processors with other programs.
struct SweepTimes {
  double shared = 0;
  double alone = 0;
  int sinceRetry = 0;
};

// The climate's working state, kept from turn to turn of one run and read by
// nothing outside the climate.
struct ClimateState {
  // Every distinct tile, highest ground first: the water sweep's order.
  GrowableArray<int32_t> tilesByElevation;
  // The water sweep's entries grouped into levels (entries of one level touch
  // disjoint points): level k is sweepLevelEntries[sweepLevelStarts[k] ..
  // sweepLevelStarts[k + 1]). They belong to tilesByElevation as it was when
  // they were grouped; whoever changes that list releases them, and the
  // climate phase releases them after its last turn.
  GrowableArray<int32_t> sweepLevelEntries;
  GrowableArray<int32_t> sweepLevelStarts;
  SweepTimes sweepTimes;
  // The balance of the global water reserve, in humidity: the humidity lent
  // to dry air is taken from it, and while it is below 0 evaporating seas
  // repay it first.
  float waterReserve = 0;

  ClimateState() = default;
  ClimateState(const ClimateState&) = delete;
  ClimateState& operator=(const ClimateState&) = delete;
};

}  // namespace geoweave::detail
