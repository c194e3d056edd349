#pragma once

namespace geoweave::detail {

struct PlanetGrid;
struct PlanetParams;

// Lists every distinct tile, highest ground first (equal heights by ascending
// tile index), in params.tilesByElevation. False when the list or its
// scratch space could not be had.
bool sortTilesByElevation(const PlanetGrid& planet, PlanetParams& params);

// Converts moved water into moved sediment: 2 / (elevationMax - seaLevel),
// or 0 when there is no height above the sea.
float erosionScaleFor(const PlanetParams& params);

}  // namespace geoweave::detail
