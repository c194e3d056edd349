#pragma once

namespace geoweave::detail {

struct PlanetGrid;
struct PlanetParams;

// After the last turn: the largest flow and rain, the flow thresholds that
// give the requested share of land rivers, and one segment from every river
// tile to its lowest neighbour.
// False when the histograms or the segment list could not be had.
bool makeRivers(const PlanetGrid& planet, PlanetParams& params);

}  // namespace geoweave::detail
