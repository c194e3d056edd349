#pragma once

#include "base/growable_array.h"
#include "world/generation_settings.h"
#include "world/planet_statistics.h"
#include "world/tile_fields.h"

namespace geoweave::detail {

class PlanetGrid;

// One end of a river segment: map fractions of a tile and its water flow.
struct RiverPoint {
  float longitude = 0;
  float latitude = 0;
  float flow = 0;
};
static_assert(sizeof(RiverPoint) == 12, "three floats, no padding");

// Where the river thresholds start before the river stage sets them.
constexpr float kRiverFlowThresholdStart = static_cast<float>(30.0 * kDepthUnit);
constexpr float kMajorRiverFlowThresholdStart = static_cast<float>(100.0 * kDepthUnit);

// The run's rivers: written by the river stage, read by the pictures and the
// caller. Before that stage there are no segments and the thresholds keep
// their starting values (the turn pictures fade water flow with them).
struct RiverNetwork {
  // Segment k runs from points[2k] to points[2k + 1].
  GrowableArray<RiverPoint> points;
  // Water flow above which a land tile carries a river, and from which its
  // line is drawn at full strength.
  float flowThreshold = kRiverFlowThresholdStart;
  float majorFlowThreshold = kMajorRiverFlowThresholdStart;
};

// After the last turn: the largest flow and rain (into statistics), the flow
// thresholds that give settings.riverFraction of the land rivers, and one
// segment from every river tile to its lowest neighbour, appended to
// rivers.points. False when the histograms or the segment list could not be
// had.
bool makeRivers(const PlanetGrid& planet, const GenerationSettings& settings,
                PlanetStatistics& statistics, RiverNetwork& rivers);

}  // namespace geoweave::detail
