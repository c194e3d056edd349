#include "app/random.h"
#include "grid/planet.h"

namespace {
// Uniform in [-1, 1]: one draw.
double uniformDraw() {
  return 2.0 * randomFraction() - 1.0;
}

// Bell-shaped in [-1, 1]: three draws, the first two kept as floats.
double bellDraw() {
  const float t1 = static_cast<float>(randomFraction());
  const float t2 = static_cast<float>(randomFraction());
  const double t3 = randomFraction();
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

Planet::PassResult Planet::fractalPass(int phase, PlanetParams* params, Tile vertexTiles[12]) {
  if (!setVertexValues(phase, vertexTiles, 12, params)) return PassResult::kRefused;
  bool ok = true;
  for (int d = 0; d < 10; ++d) {
    if (ok) ok = subdivide(phase, d, kSchedule[d].flags, params, 0, 0, lastIndex, 1.0f);
    for (int e = 0; e < kSchedule[d].copiedCount; ++e) copyEdge(d, kSchedule[d].copiedEdges[e]);
  }
  return ok ? PassResult::kDone : PassResult::kFailed;
}

bool Planet::setVertexValues(int phase, Tile vertexTiles[], int count, const PlanetParams* params) {
  // Corner k of every diamond: (0, L), (L, L), (L, 0), (0, 0).
  const int corner[4][2] = {{0, lastIndex}, {lastIndex, lastIndex}, {lastIndex, 0}, {0, 0}};
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) {
      vertexTiles[diamonds[d][k]] = *tileAt(d, corner[k][0], corner[k][1]);
    }
  }
  if (phase < 0 || phase > 2) return false;
  for (int v = 0; v < count; ++v) {
    const double s = bellDraw();
    Tile& t = vertexTiles[v];
    if (phase == 0) {
      t.roughness = static_cast<float>(0.5 + 0.3 * s);
    } else if (phase == 1) {
      t.elevation = static_cast<float>(static_cast<double>(params->cornerElevationMean) +
                                       static_cast<double>(params->cornerElevationRange) * s);
    } else {
      t.temperature = static_cast<float>(10.0 * s);
    }
  }
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) {
      *tileAt(d, corner[k][0], corner[k][1]) = vertexTiles[diamonds[d][k]];
    }
  }
  return true;
}

bool Planet::displaceMidpoint(int phase, Tile* target, const Tile* a, const Tile* b, float scale,
                              const PlanetParams* params) {
  if (phase < 0 || phase > 2) return false;
  if (midpointObserver != nullptr) midpointObserver(*this, target, midpointObserverUser);
  // The share cap damps the coarse levels: continents at 1.0, islands at 0.2.
  const double amplitude = params->shareCap < scale ? params->shareCap : scale;
  if (phase == 0) {
    const double u = uniformDraw();
    double r = (static_cast<double>(a->roughness) + b->roughness) * 0.5 + u * amplitude;
    if (r < 0) r = 0;
    if (r > 1) r = 1;
    target->roughness = static_cast<float>(r);
  } else if (phase == 1) {
    double q = target->roughness;
    if (q < 0.2) q = 0.2;
    if (q > 0.8) q = 0.8;
    const double u = uniformDraw();
    target->elevation =
        static_cast<float>((static_cast<double>(a->elevation) + b->elevation) * 0.5 +
                           u * amplitude * static_cast<double>(params->elevationNoiseScale) * q);
  } else {
    const double u = uniformDraw();
    target->temperature = static_cast<float>(
        (static_cast<double>(a->temperature) + b->temperature) * 0.5 + u * amplitude * 10.0);
  }
  return true;
}

bool Planet::subdivide(int phase, int diamond, int flags, const PlanetParams* params, int x0,
                       int y0, int size, float scale) {
  const int h = size / 2;
  const int x1 = x0 + size;
  const int y1 = y0 + size;
  const int xm = x0 + h;
  const int ym = y0 + h;
  auto tile = [&](int x, int y) { return tileAt(diamond, x, y); };
  bool ok = true;
  if (flags & 1)
    ok &= displaceMidpoint(phase, tile(xm, y1), tile(x0, y1), tile(x1, y1), scale, params);
  if (flags & 2)
    ok &= displaceMidpoint(phase, tile(x1, ym), tile(x1, y1), tile(x1, y0), scale, params);
  if (flags & 4)
    ok &= displaceMidpoint(phase, tile(xm, y0), tile(x0, y0), tile(x1, y0), scale, params);
  if (flags & 8)
    ok &= displaceMidpoint(phase, tile(x0, ym), tile(x0, y0), tile(x0, y1), scale, params);
  ok &= displaceMidpoint(phase, tile(xm, ym), tile(x0, y0), tile(x1, y1), scale, params);
  if (!ok) return false;
  if (h < 2) return true;
  const float half = scale * 0.5f;
  return subdivide(phase, diamond, (flags & 12) | 3, params, x0, y0, h, half) &&
         subdivide(phase, diamond, (flags & 6) | 1, params, xm, y0, h, half) &&
         subdivide(phase, diamond, (flags & 9) | 2, params, x0, ym, h, half) &&
         subdivide(phase, diamond, flags & 3, params, xm, ym, h, half);
}

void Planet::copyEdge(int diamond, int edge) {
  for (int i = 1; i <= side - 2; ++i) {
    TileCoord c{diamond, 0, 0};
    switch (edge) {
      case 0:
        c.x = i;
        c.y = lastIndex;
        break;
      case 1:
        c.x = lastIndex;
        c.y = i;
        break;
      case 2:
        c.x = i;
        c.y = 0;
        break;
      default:
        c.x = 0;
        c.y = i;
        break;
    }
    storeToAllCopies(*tileAt(c), c);
  }
}

void Planet::storeToAllCopies(const Tile& record, const TileCoord& c) {
  if (!isOnDiamondEdge(c)) {
    *tileAt(c) = record;
    return;
  }
  TileCoord copies[5];
  const int n = aliases(c, copies);
  for (int i = n - 1; i >= 0; --i) *tileAt(copies[i]) = record;
}
