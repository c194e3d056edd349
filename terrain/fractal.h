#pragma once

#include "terrain/terrain_state.h"
#include "world/generation_settings.h"
#include "world/planet_grid.h"
#include "world/tile_fields.h"

namespace geoweave::detail {

// The fractal passes of one run: phase 0 roughness, 1 elevation, 2
// temperature. Each point is the mean of two others plus a random offset
// scaled down level by level, drawn from the run's own random sequence
// (terrain.random), shaped by the settings' corner elevations, noise scale
// and share cap. One thread.
struct FractalRun {
  PlanetGrid& planet;
  const GenerationSettings& settings;
  TerrainState& terrain;
  // Test seam: told the record index of every midpoint displacement's
  // target, in order.
  void (*midpointObserver)(const PlanetGrid& planet, int target, void* user) = nullptr;
  void* observerUser = nullptr;
};

enum class PassResult { kDone, kRefused, kFailed };

// One fractal pass: the vertex step, then the diamond schedule. A phase
// outside 0 to 2 is refused before anything is drawn.
PassResult fractalPass(const FractalRun& run, int phase, Tile vertexTiles[12]);

// The twelve vertices' values for the phase, stored to every diamond corner
// (vertexTiles receives the records); false for a phase outside 0 to 2,
// after the records were read and before anything is drawn.
bool setVertexValues(const FractalRun& run, int phase, Tile vertexTiles[], int count);

// The phase's field of record target = the mean of records a and b plus a
// draw scaled by the smaller of scale and the share cap (record indices of
// run.planet); false for a phase outside 0 to 2.
bool displaceMidpoint(const FractalRun& run, int phase, int target, int a, int b, float scale);

// Fills the square (x0, y0) .. (x0 + size, y0 + size) of a diamond
// recursively; flags pick which of its four edges this square computes.
bool subdivide(const FractalRun& run, int phase, int diamond, int flags, int x0, int y0, int size,
               float scale);

}  // namespace geoweave::detail
