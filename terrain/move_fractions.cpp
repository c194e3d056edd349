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

}  // namespace

// The map positions of a band of one diamond's rows, each worked out once:
// every point is looked at from all its neighbours. Copies of one point are
// kept apart, as their positions may differ in the last bit; a neighbour
// outside the band (beside a diamond edge) is worked out where it is
// needed, which gives the very same value. One table per thread, reused
// piece after piece, instead of one for the whole planet: far less memory
// to touch.
class BandPositions {
 public:
  BandPositions(PlanetGrid& planet, int rows)
      : planet_(planet),
        positions_(static_cast<size_t>(planet.side()) * rows, BufferFill::kUnfilled) {}

  bool ok() const { return positions_.ok(); }

  // Works out rows [begin, end) of the diamond (at most the table's rows),
  // and keeps the latitudes of rows [keepBegin, keepEnd) in
  // planet.latitudes() where there is room.
  void fill(int diamond, int begin, int end, int keepBegin, int keepEnd) {
    diamond_ = diamond;
    begin_ = begin;
    end_ = end;
    float* const latitudes = planet_.latitudes();
    const int side = planet_.side();
    const int first = diamond * planet_.sideSquared();
    for (int y = begin; y < end; ++y) {
      const bool keep = latitudes != nullptr && y >= keepBegin && y < keepEnd;
      for (int x = 0; x < side; ++x) {
        MapPosition& m = positions_[static_cast<size_t>(y - begin) * side + x];
        m = positionOf(planet_, TileCoord{diamond, x, y});
        if (keep) latitudes[first + y * side + x] = m.latitude;
      }
    }
  }

  MapPosition at(const TileCoord& c) const {
    if (c.diamond != diamond_ || c.y < begin_ || c.y >= end_) return positionOf(planet_, c);
    return positions_[static_cast<size_t>(c.y - begin_) * planet_.side() + c.x];
  }
  // The table of the band filled last; row 0 is the diamond's row first().
  const MapPosition* local() const { return positions_.data; }
  int first() const { return begin_; }

 private:
  PlanetGrid& planet_;
  Buffer<MapPosition> positions_;
  int diamond_ = -1;
  int begin_ = 0;
  int end_ = 0;
};

namespace {

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
MoveFractions sharesInside(const PlanetGrid& planet, const BandPositions& table,
                           const TileCoord& c) {
  // The band holds the rows either side of c's.
  const MapPosition* const positions = table.local();
  const int32_t index = (c.y - table.first()) * planet.side() + c.x;
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

void storePoint(PlanetGrid& planet, const BandPositions& table, const TileCoord& c) {
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

// Rows of a diamond in one piece: enough that the two rows each band fills
// beyond its own cost little, few enough that threads joining late find
// pieces left.
int pieceRows(int side) {
  const int rows = (side + 15) / 16;
  return rows < 32 ? 32 : rows;
}
}  // namespace

MoveFractionStore::MoveFractionStore(PlanetGrid& planet, int threads)
    : planet_(planet),
      rowsPerPiece_(pieceRows(planet.side())),
      piecesPerDiamond_((planet.side() + rowsPerPiece_ - 1) / rowsPerPiece_) {
  const int tableCount = threads < 1 ? 1 : threads > kMaxWorkers ? kMaxWorkers : threads;
  ok_ = true;
  for (int t = 0; t < tableCount; ++t) {
    // Each band also needs the rows on either side of it.
    tables_[t] = new (std::nothrow) BandPositions(planet, rowsPerPiece_ + 2);
    ok_ = ok_ && tables_[t] != nullptr && tables_[t]->ok();
  }
  // Without room for them, the temperatures work the latitudes out again.
  if (ok_) planet.keepLatitudes();
}

MoveFractionStore::~MoveFractionStore() {
  for (BandPositions* table : tables_) delete table;
}

void MoveFractionStore::work() {
  if (!ok_) return;
  const int t = nextTable_.fetch_add(1, std::memory_order_relaxed);
  if (t >= kMaxWorkers || tables_[t] == nullptr) return;
  BandPositions& table = *tables_[t];
  const int side = planet_.side();
  const int lastIndex = planet_.lastIndex();
  for (;;) {
    const int piece = nextPiece_.fetch_add(1, std::memory_order_relaxed);
    if (piece >= 10 * piecesPerDiamond_) return;
    const int d = piece / piecesPerDiamond_;
    const int begin = (piece % piecesPerDiamond_) * rowsPerPiece_;
    const int end = begin + rowsPerPiece_ < side ? begin + rowsPerPiece_ : side;
    table.fill(d, begin > 0 ? begin - 1 : 0, end < side ? end + 1 : side, begin, end);
    // The points this diamond owns in these rows, as the tile walk visits
    // them: each writes only its own copies.
    const int firstX = d == 0 ? 0 : 1;
    const int endX = d == 9 ? lastIndex : side;
    const int firstY = d >= 6 ? 1 : 0;
    const int endY = d < 4 ? side : lastIndex;
    for (int y = begin > firstY ? begin : firstY; y < end && y < endY; ++y) {
      for (int x = firstX; x < endX; ++x) storePoint(planet_, table, TileCoord{d, x, y});
    }
  }
}

bool storeMoveFractions(PlanetGrid& planet, int workers) {
  const int members = usableWorkers(workers);
  MoveFractionStore store(planet, members);
  if (!store.ok()) return false;
  auto work = [&store](int, int) { store.work(); };
  teamFor(members, work);
  return true;
}

}  // namespace geoweave::detail
