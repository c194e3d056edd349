#include "terrain/fractal.h"

#include "world/planet_grid.h"
#include "world/point_copies.h"

namespace geoweave::detail {

namespace {
// Uniform in [-1, 1]: one draw.
double uniformDraw(Random& random) {
  return 2.0 * random.fraction() - 1.0;
}

// Bell-shaped in [-1, 1]: three draws, the first two kept as floats.
double bellDraw(Random& random) {
  const float t1 = static_cast<float>(random.fraction());
  const float t2 = static_cast<float>(random.fraction());
  const double t3 = random.fraction();
  return (static_cast<double>(t1) + t2 + t3 - 1.5) / 1.5;
}

// The diamond schedule: edges a diamond computes (flags) and then copies into
// the diamonds that share them. Each icosahedron edge is computed once, by the
// lowest-numbered diamond that has it.
struct DiamondSchedule {
  int flags;
  int copiedEdges[4];
  int copiedCount;
};
constexpr DiamondSchedule kSchedule[10] = {
    {15, {0, 1, 2, 3}, 4}, {7, {0, 1, 2}, 3}, {7, {0, 1, 2}, 3}, {7, {0, 1, 2}, 3}, {6, {1, 2}, 2},
    {6, {1, 2}, 2},        {2, {1}, 1},       {2, {1}, 1},       {2, {1}, 1},       {0, {}, 0},
};
}  // namespace

PassResult fractalPass(const FractalRun& run, int phase, Tile vertexTiles[12]) {
  if (!setVertexValues(run, phase, vertexTiles, 12)) return PassResult::kRefused;
  PlanetGrid& planet = run.planet;
  bool ok = true;
  for (int d = 0; d < 10; ++d) {
    if (ok) ok = subdivide(run, phase, d, kSchedule[d].flags, 0, 0, planet.lastIndex(), 1.0f);
    for (int e = 0; e < kSchedule[d].copiedCount; ++e) {
      copyEdge(planet, d, kSchedule[d].copiedEdges[e]);
    }
  }
  return ok ? PassResult::kDone : PassResult::kFailed;
}

bool setVertexValues(const FractalRun& run, int phase, Tile vertexTiles[], int count) {
  PlanetGrid& planet = run.planet;
  const GenerationSettings& settings = run.settings;
  const int lastIndex = planet.lastIndex();
  // Corner k of every diamond: (0, L), (L, L), (L, 0), (0, 0).
  const int corner[4][2] = {{0, lastIndex}, {lastIndex, lastIndex}, {lastIndex, 0}, {0, 0}};
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) {
      vertexTiles[planet.icosahedron.diamonds[d][k]] =
          planet.tile(TileCoord{d, corner[k][0], corner[k][1]});
    }
  }
  if (phase < 0 || phase > 2) return false;
  for (int v = 0; v < count; ++v) {
    const double s = bellDraw(run.terrain.random);
    Tile& t = vertexTiles[v];
    if (phase == 0) {
      t.roughness = static_cast<float>(0.5 + 0.3 * s);
    } else if (phase == 1) {
      t.elevation = static_cast<float>(static_cast<double>(settings.cornerElevationMean) +
                                       static_cast<double>(settings.cornerElevationRange) * s);
    } else {
      t.temperature = static_cast<float>(10.0 * s);
    }
  }
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) {
      planet.setTile(TileCoord{d, corner[k][0], corner[k][1]},
                     vertexTiles[planet.icosahedron.diamonds[d][k]]);
    }
  }
  return true;
}

bool displaceMidpoint(const FractalRun& run, int phase, int target, int a, int b, float scale) {
  if (phase < 0 || phase > 2) return false;
  if (run.midpointObserver != nullptr) run.midpointObserver(run.planet, target, run.observerUser);
  const GenerationSettings& settings = run.settings;
  Random& random = run.terrain.random;
  PlanetGrid& planet = run.planet;
  // The share cap damps the coarse levels: continents at 1.0, islands at 0.2.
  const double amplitude = settings.shareCap < scale ? settings.shareCap : scale;
  if (phase == 0) {
    const double u = uniformDraw(random);
    double r =
        (static_cast<double>(planet.roughness()[a]) + planet.roughness()[b]) * 0.5 + u * amplitude;
    if (r < 0) r = 0;
    if (r > 1) r = 1;
    planet.roughness()[target] = static_cast<float>(r);
  } else if (phase == 1) {
    double q = planet.roughness()[target];
    if (q < 0.2) q = 0.2;
    if (q > 0.8) q = 0.8;
    const double u = uniformDraw(random);
    planet.hot()[target].elevation = static_cast<float>(
        (static_cast<double>(planet.hot()[a].elevation) + planet.hot()[b].elevation) * 0.5 +
        u * amplitude * static_cast<double>(settings.elevationNoiseScale) * q);
  } else {
    const double u = uniformDraw(random);
    planet.hot()[target].temperature = static_cast<float>(
        (static_cast<double>(planet.hot()[a].temperature) + planet.hot()[b].temperature) * 0.5 +
        u * amplitude * 10.0);
  }
  return true;
}

bool subdivide(const FractalRun& run, int phase, int diamond, int flags, int x0, int y0, int size,
               float scale) {
  const int h = size / 2;
  const int x1 = x0 + size;
  const int y1 = y0 + size;
  const int xm = x0 + h;
  const int ym = y0 + h;
  PlanetGrid& planet = run.planet;
  auto tile = [&](int x, int y) { return diamond * planet.sideSquared() + y * planet.side() + x; };
  bool ok = true;
  if (flags & 1)
    ok &= displaceMidpoint(run, phase, tile(xm, y1), tile(x0, y1), tile(x1, y1), scale);
  if (flags & 2)
    ok &= displaceMidpoint(run, phase, tile(x1, ym), tile(x1, y1), tile(x1, y0), scale);
  if (flags & 4)
    ok &= displaceMidpoint(run, phase, tile(xm, y0), tile(x0, y0), tile(x1, y0), scale);
  if (flags & 8)
    ok &= displaceMidpoint(run, phase, tile(x0, ym), tile(x0, y0), tile(x0, y1), scale);
  ok &= displaceMidpoint(run, phase, tile(xm, ym), tile(x0, y0), tile(x1, y1), scale);
  if (!ok) return false;
  if (h < 2) return true;
  const float half = scale * 0.5f;
  return subdivide(run, phase, diamond, (flags & 12) | 3, x0, y0, h, half) &&
         subdivide(run, phase, diamond, (flags & 6) | 1, xm, y0, h, half) &&
         subdivide(run, phase, diamond, (flags & 9) | 2, x0, ym, h, half) &&
         subdivide(run, phase, diamond, flags & 3, xm, ym, h, half);
}

}  // namespace geoweave::detail
