#include "terrain/move_fractions.h"

#include <cmath>
#include <new>

#include "base/buffer.h"
#include "base/numeric.h"
#include "base/parallel.h"
#include "grid/grid_geometry.h"
#include "grid/grid_topology.h"
#include "grid/tile_cursor.h"
#include "world/planet_grid.h"

namespace geoweave::detail {

double eastwardWeight(double d) {
  if (d < 0) return 0.1;
  if (d < 0.5) return 0.1 + 0.8 * d;
  if (d <= 0.95) return 0.5 + 0.5 * (d - 0.5) / 0.45;
  return 1.0;
}

namespace {
// A record's map position and the east-west scale at its latitude, which
// every neighbour looking at it uses.
struct MapPosition {
  float latitude;
  float longitude;
  double eastScale;
};

// A record's map position as the grid gives it.
MapPosition positionOf(const PlanetGrid& planet, const TileCoord& c) {
  MapPosition m;
  mapCoordinates(planet, TilePoint{c, 0, 0}, m.latitude, m.longitude);
  m.eastScale = std::cos((static_cast<double>(m.latitude) - 0.5) * static_cast<double>(kPi));
  return m;
}

// The map positions of one diamond's records, each worked out once: every
// point is looked at from all its neighbours. Copies of one point are kept
// apart, as their positions may differ in the last bit; a neighbour in
// another diamond (beside an edge) is worked out where it is needed, which
// gives the very same value. One table per worker, reused diamond after
// diamond, instead of one for the whole planet: far less memory to touch.
class DiamondPositions {
 public:
  explicit DiamondPositions(PlanetGrid& planet)
      : planet_(planet),
        positions_(static_cast<size_t>(planet.sideSquared()), BufferFill::kUnfilled) {}

  bool ok() const { return positions_.ok(); }

  // Works out every record of the diamond, and keeps their latitudes in
  // planet.latitudes() where there is room.
  void fill(int diamond) {
    diamond_ = diamond;
    float* const latitudes = planet_.latitudes();
    const int first = diamond * planet_.sideSquared();
    for (int y = 0; y < planet_.side(); ++y) {
      for (int x = 0; x < planet_.side(); ++x) {
        const int local = y * planet_.side() + x;
        MapPosition& m = positions_[static_cast<size_t>(local)];
        m = positionOf(planet_, TileCoord{diamond, x, y});
        if (latitudes != nullptr) latitudes[first + local] = m.latitude;
      }
    }
  }

  MapPosition at(const TileCoord& c) const {
    if (c.diamond != diamond_) return positionOf(planet_, c);
    return positions_[static_cast<size_t>(c.y * planet_.side() + c.x)];
  }
  // The table of the diamond filled last, by position within the diamond.
  const MapPosition* local() const { return positions_.data; }

 private:
  PlanetGrid& planet_;
  Buffer<MapPosition> positions_;
  int diamond_ = -1;
};

// East component of the unit direction from here to a neighbour. The
// direction lives in a local frame: east, north, 0.
double eastComponent(const PlanetGrid& planet, const TileCoord& neighbor, const MapPosition& here,
                     const MapPosition& there) {
  Vector3f direction;
  if (planet.isPole(neighbor)) {
    direction.set(0, neighbor.diamond < 5 ? 1.0f : -1.0f, 0);
  } else {
    const float lat = here.latitude;
    const float lon = here.longitude;
    const float nLat = there.latitude;
    float nLon = there.longitude;
    const double k = there.eastScale;
    // A neighbour just across the 0/1 longitude seam is near, not a turn away.
    if (nLon < lon && std::fabs(static_cast<double>(nLon) + 1.0 - lon) <
                          std::fabs(static_cast<double>(nLon) - lon)) {
      nLon = static_cast<float>(nLon + 1.0);
    } else if (nLon >= lon && std::fabs(static_cast<double>(nLon) - 1.0 - lon) <
                                  std::fabs(static_cast<double>(nLon) - lon)) {
      nLon = static_cast<float>(nLon - 1.0);
    }
    direction.set(static_cast<float>((static_cast<double>(nLon) - lon) * k),
                  static_cast<float>(static_cast<double>(nLat) - lat), 0);
    const double length = direction.length();
    // Next to a pole on large grids a neighbour can map to the very same
    // spot: such a direction has no eastward part.
    if (length == 0) return 0;
    direction.scale(static_cast<float>(1.0 / length));
  }
  Vector3f east;
  east.set(1, 0, 0);
  return direction.dot(east);
}

// The grid's steps to the six neighbours of a position inside a diamond, in
// the order the neighbour lists keep.
constexpr int kOffsets[6][2] = {{0, 1}, {1, 1}, {1, 0}, {0, -1}, {-1, -1}, {-1, 0}};

// The shares of a point off the diamond edges, whose six neighbours lie in
// its diamond (none a pole). The same operations as eastComponent, in the
// same order, but the six directions are worked out side by side and
// without branches, so that their square roots and divisions overlap
// instead of each waiting for the one before.
MoveFractions sharesInside(const PlanetGrid& planet, const DiamondPositions& table,
                           const TileCoord& c) {
  const MapPosition* const positions = table.local();
  const int32_t index = c.y * planet.side() + c.x;
  const MapPosition& here = positions[index];
  const float lat = here.latitude;
  const float lon = here.longitude;
  float dx[6];
  float dy[6];
  for (int i = 0; i < 6; ++i) {
    const int32_t n = index + kOffsets[i][1] * planet.side() + kOffsets[i][0];
    const MapPosition& there = positions[n];
    // A neighbour just across the 0/1 longitude seam is near, not a turn away.
    const float nLon = there.longitude;
    const double plain = std::fabs(static_cast<double>(nLon) - lon);
    const bool up = nLon < lon && std::fabs(static_cast<double>(nLon) + 1.0 - lon) < plain;
    const bool down = nLon >= lon && std::fabs(static_cast<double>(nLon) - 1.0 - lon) < plain;
    const float shifted = up     ? static_cast<float>(nLon + 1.0)
                          : down ? static_cast<float>(nLon - 1.0)
                                 : nLon;
    dx[i] = static_cast<float>((static_cast<double>(shifted) - lon) * there.eastScale);
    dy[i] = static_cast<float>(static_cast<double>(there.latitude) - lat);
  }
  double length[6];
  for (int i = 0; i < 6; ++i) {
    length[i] = std::sqrt(static_cast<double>(dx[i]) * dx[i] + static_cast<double>(dy[i]) * dy[i] +
                          static_cast<double>(0.0f) * 0.0f);
  }
  double weights[6];
  double sum = 0;
  for (int i = 0; i < 6; ++i) {
    const float s = static_cast<float>(1.0 / length[i]);
    const float x = static_cast<float>(static_cast<double>(dx[i]) * s);
    const float y = static_cast<float>(static_cast<double>(dy[i]) * s);
    const float z = static_cast<float>(static_cast<double>(0.0f) * s);
    const double east = static_cast<double>(x) * 1.0f + static_cast<double>(y) * 0.0f +
                        static_cast<double>(z) * 0.0f;
    // A neighbour on the very same spot (beside a pole on large grids) has
    // no eastward part.
    weights[i] = eastwardWeight(length[i] == 0 ? 0.0 : east);
    sum += weights[i];
  }
  MoveFractions f;
  for (int i = 0; i < 6; ++i) f.share[i] = static_cast<float>(weights[i] * (1.0 / sum));
  return f;
}

void storePoint(PlanetGrid& planet, const DiamondPositions& table, const TileCoord& c) {
  if (!planet.isOnDiamondEdge(c)) {
    planet.fractions()[planet.tileIndex(c)] = sharesInside(planet, table, c);
    return;
  }
  TileCoord around[6];
  int n = 6;
  const bool onEdge = planet.isOnDiamondEdge(c);
  if (!onEdge) {
    for (int k = 0; k < 6; ++k) {
      around[k] = TileCoord{c.diamond, c.x + kOffsets[k][0], c.y + kOffsets[k][1]};
    }
  } else {
    int32_t indices[6];
    n = planet.neighborIndices(c, indices);
    for (int k = 0; k < n; ++k) around[k] = planet.coordOf(indices[k]);
  }
  MoveFractions f;
  if (planet.isPole(c)) {
    for (int i = 0; i < n; ++i) f.share[i] = static_cast<float>(1.0 / n);
  } else {
    const MapPosition here = table.at(c);
    double weights[6];
    double sum = 0;
    for (int i = 0; i < n; ++i) {
      weights[i] = eastwardWeight(eastComponent(planet, around[i], here, table.at(around[i])));
      sum += weights[i];
    }
    for (int i = 0; i < n; ++i) f.share[i] = static_cast<float>(weights[i] * (1.0 / sum));
  }
  if (!onEdge) {
    planet.fractions()[planet.tileIndex(c)] = f;
    return;
  }
  TileCoord copies[5];
  const int copyCount = aliases(planet, c, copies);
  for (int k = 0; k < copyCount; ++k) planet.fractions()[planet.tileIndex(copies[k])] = f;
}
}  // namespace

bool storeMoveFractions(PlanetGrid& planet, int workers) {
  // Each worker fills its table with a diamond's positions, then works out
  // the diamond's points. Points are independent: each writes only its own
  // copies. The neighbours themselves are not stored: the grid gives them.
  int tableCount = usableWorkers(workers);
  if (tableCount > 10) tableCount = 10;
  DiamondPositions* tables[10] = {};
  bool ok = true;
  for (int t = 0; t < tableCount; ++t) {
    tables[t] = new (std::nothrow) DiamondPositions(planet);
    ok = ok && tables[t] != nullptr && tables[t]->ok();
  }
  if (ok) {
    planet.keepLatitudes();  // without room for them, the temperatures work them out again
    auto store = [&planet, &tables](int member, int members) {
      DiamondPositions& table = *tables[member];
      for (int d = member; d < 10; d += members) {
        table.fill(d);
        TileCursor cursor;
        for (cursor.startAt(planet.side(), d); cursor.diamond == d; cursor.advance()) {
          storePoint(planet, table, cursor.coord());
        }
      }
    };
    teamFor(tableCount, store);
  }
  for (DiamondPositions* table : tables) delete table;
  return ok;
}

}  // namespace geoweave::detail
