#include "grid/planet_grid.h"

#include <sys/mman.h>

#include <cmath>
#include <cstdint>
#include <new>

#include "base/allocation.h"
#include "base/numeric.h"
#include "base/parallel.h"

namespace geoweave::detail {

namespace {
// Corner vertices of each diamond, corners 0 to 3.
constexpr int kDiamondCorners[10][4] = {
    {0, 2, 6, 1},  {0, 3, 7, 2},  {0, 4, 8, 3},  {0, 5, 9, 4},   {0, 1, 10, 5},
    {2, 7, 11, 6}, {3, 8, 11, 7}, {4, 9, 11, 8}, {5, 10, 11, 9}, {1, 6, 11, 10},
};
constexpr int kMaxLevel = 13;  // 12 x side^2 must fit a 32-bit tile index
constexpr size_t kHugePage = size_t{2} << 20;
constexpr size_t kPage = 4096;

size_t roundToHugePages(size_t bytes) {
  return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

// The three record arrays of a grid with this many records, each on 2 MiB
// boundaries.
struct StorageLayout {
  size_t hotBytes;
  size_t roughnessBytes;
  size_t fractionBytes;
  size_t total() const { return hotBytes + roughnessBytes + fractionBytes; }
};

StorageLayout layoutFor(int64_t records) {
  const size_t n = static_cast<size_t>(records);
  return StorageLayout{roundToHugePages(n * sizeof(HotTile)), roundToHugePages(n * sizeof(float)),
                       roundToHugePages(n * sizeof(MoveFractions))};
}

int64_t usedRecordsFor(int64_t level) {
  const int64_t s = (int64_t{1} << level) + 1;
  return 10 * s * s;
}

int64_t edgePositionsFor(int64_t level) {
  return 40 * (int64_t{1} << level);
}
}  // namespace

void PlanetGrid::buildIcosahedron() {
  const double ringZ = 0.2 * std::sqrt(5.0);
  const double ringRadius = 0.4 * std::sqrt(5.0);
  const double step = 2.0 * kPiDouble / 5.0;
  vertices[0] = Vector3d{0, 0, 1};
  vertices[11] = Vector3d{0, 0, -1};
  // The angle is accumulated by addition, as the ring is walked.
  double angle = 0;
  for (int v = 1; v <= 5; ++v) {
    vertices[v] = Vector3d{ringRadius * std::cos(angle), ringRadius * std::sin(angle), ringZ};
    angle += step;
  }
  angle = kPiDouble / 5.0;
  for (int v = 6; v <= 10; ++v) {
    vertices[v] = Vector3d{ringRadius * std::cos(angle), ringRadius * std::sin(angle), -ringZ};
    angle += step;
  }
  for (Vector3d& v : vertices) v.scale(1.0 / v.length());
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 4; ++k) diamonds[d][k] = kDiamondCorners[d][k];
    const Vector3d& c0 = vertices[diamonds[d][0]];
    const Vector3d& c1 = vertices[diamonds[d][1]];
    const Vector3d& c2 = vertices[diamonds[d][2]];
    const Vector3d& c3 = vertices[diamonds[d][3]];
    const Plane planes[2] = {planeThrough(c3, c0, c1), planeThrough(c3, c1, c2)};
    const Vector3d edges[2][2] = {{sub(c1, c3), sub(c0, c3)}, {sub(c2, c3), sub(c1, c3)}};
    for (int tri = 0; tri < 2; ++tri) {
      DiamondTriangle& t = triangles[d][tri];
      t.plane = planes[tri];
      t.e1 = edges[tri][0];
      t.e2 = edges[tri][1];
      t.normal = cross(t.e1, t.e2);
      t.e2CrossNormal = cross(t.e2, t.normal);
      t.determinant = dot(t.e1, t.e2CrossNormal);
    }
  }
}

int64_t PlanetGrid::levelFor(int width, float zoom) {
  // The ratio in extended precision, truncated; thresholds fall at 6 x 2^k
  // because the single-precision constant lies just above 1/6.
  const long double ratio = static_cast<long double>(width) / static_cast<long double>(zoom);
  if (!(ratio >= 3.0L)) return 1;
  const long double c = std::trunc(ratio);
  const long double product = c * static_cast<long double>(0.166667f);
  const double q = std::log(static_cast<double>(product)) / std::log(2.0);
  const int64_t level = static_cast<int64_t>(q) + 1;
  return level < 1 ? 1 : level;
}

int64_t PlanetGrid::tileRecordsFor(int64_t level) {
  const int64_t s = (int64_t{1} << level) + 1;
  return 12 * s * s;
}

namespace {

// digits = digits x factor + addend, decimal digits least significant first.
void multiplyAdd(std::string& digits, int factor, int addend) {
  int carry = addend;
  for (char& d : digits) {
    const int v = (d - '0') * factor + carry;
    d = static_cast<char>('0' + v % 10);
    carry = v / 10;
  }
  for (; carry > 0; carry /= 10) digits += static_cast<char>('0' + carry % 10);
}

}  // namespace

std::string PlanetGrid::tileRecordsText(int64_t level) {
  // 12 (2^level + 1)^2 = (12 x 2^level + 24) x 2^level + 12, exact at any level.
  std::string digits = "21";
  for (int64_t i = 0; i < level; ++i) multiplyAdd(digits, 2, 0);
  multiplyAdd(digits, 1, 24);
  for (int64_t i = 0; i < level; ++i) multiplyAdd(digits, 2, 0);
  multiplyAdd(digits, 1, 12);
  return std::string(digits.rbegin(), digits.rend());
}

uint64_t PlanetGrid::bytesFor(int64_t level) {
  return layoutFor(usedRecordsFor(level)).total() +
         static_cast<uint64_t>(edgePositionsFor(level)) * 6 * sizeof(int32_t);
}

bool PlanetGrid::allocate(int width, float zoom, int workers, uint64_t memoryLimit) {
  freeTiles();
  const int64_t newLevel = levelFor(width, zoom);
  if (newLevel > kMaxLevel) return false;
  // A grid larger than the memory this process may use would be killed by
  // the kernel partway through the run, without a word.
  if (bytesFor(newLevel) > memoryLimit) return false;
  const int64_t records = usedRecordsFor(newLevel);
  const StorageLayout layout = layoutFor(records);
  // Fresh anonymous pages read as zero, so nothing needs clearing here; the
  // extra huge page leaves room to start on a 2 MiB boundary.
  const size_t mapped = layout.total() + kHugePage;
  void* mapping = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapping == MAP_FAILED) return false;
  storage_ = mapping;
  storageBytes_ = mapped;
  level = static_cast<int>(newLevel);
  side = (1 << level) + 1;
  lastIndex = side - 1;
  edgeMask = side - 2;
  sideSquared = side * side;
  cellSize = static_cast<float>(1.0 / static_cast<double>(side - 1));
  // The water pass jumps across the hot records: on 2 MiB pages (only a
  // hint, fine if refused) nearly every jump stays within the address
  // translation cache, which makes the pass a third faster. The other arrays
  // are read in order and stay on small pages: a huge page can cost the
  // kernel a compaction of memory before its first touch, which on a busy
  // machine takes longer than the pass saves.
  char* start = reinterpret_cast<char*>((reinterpret_cast<uintptr_t>(mapping) + kHugePage - 1) /
                                        kHugePage * kHugePage);
  madvise(start, layout.hotBytes, MADV_HUGEPAGE);
  hot_ = reinterpret_cast<HotTile*>(start);
  roughness_ = reinterpret_cast<float*>(start + layout.hotBytes);
  fractions_ = reinterpret_cast<MoveFractions*>(start + layout.hotBytes + layout.roughnessBytes);
  // The first touch of each page is the kernel's work of clearing it; shared
  // out between the processors it takes a fraction of the time. Each page is
  // touched once: the hot records by their starting values, the roughness by
  // one write per page; the move fractions are first written by the workers
  // that work them out.
  HotTile* const hotRecords = hot_;
  auto startHot = [hotRecords](int64_t begin, int64_t end) {
    for (int64_t i = begin; i < end; ++i) new (hotRecords + i) HotTile();
  };
  parallelFor(workers, records, startHot);
  char* const roughnessStart = reinterpret_cast<char*>(roughness_);
  auto touchRoughness = [roughnessStart](int64_t begin, int64_t end) {
    for (int64_t page = begin; page < end; ++page) roughnessStart[page * kPage] = 0;
  };
  parallelFor(workers, static_cast<int64_t>(layout.roughnessBytes / kPage), touchRoughness);
  if (!buildEdgeTable(workers)) {
    freeTiles();
    return false;
  }
  return true;
}

bool PlanetGrid::buildEdgeTable(int workers) {
  const int64_t positions = edgePositionsFor(level);
  edgeNeighbors_ =
      static_cast<int32_t*>(tryAllocate(static_cast<size_t>(positions) * 6 * sizeof(int32_t)));
  if (edgeNeighbors_ == nullptr) return false;
  // Every copy of an edge point gets the list of the copy the walk visits,
  // the one the passes work from: seen from its other copies the list would
  // come in another order.
  auto fill = [this](int64_t firstDiamond, int64_t endDiamond) {
    for (int d = static_cast<int>(firstDiamond); d < endDiamond; ++d) {
      TileCursor cursor;
      for (cursor.startAt(side, d); cursor.diamond == d; cursor.advance()) {
        const TileCoord c = cursor.coord();
        if (!isOnDiamondEdge(c)) {
          // Inside a row only its two ends lie on an edge.
          if (c.x == 1 && lastIndex - 2 > 1) cursor.x = lastIndex - 2;
          continue;
        }
        TileCoord listed[6];
        const int n = neighbors(c, listed);
        int32_t list[6];
        for (int k = 0; k < 6; ++k) list[k] = k < n ? tileIndex(listed[k]) : -1;
        TileCoord copies[5];
        const int copyCount = aliases(c, copies);
        for (int a = 0; a < copyCount; ++a) {
          int32_t* out = edgeNeighbors_ + 6 * edgeSlot(copies[a]);
          for (int k = 0; k < 6; ++k) out[k] = list[k];
        }
      }
    }
  };
  parallelFor(workers, 10, fill);
  return true;
}

bool PlanetGrid::keepLatitudes() {
  releaseLatitudes();
  latitudes_ = static_cast<float*>(tryAllocate(static_cast<size_t>(records()) * sizeof(float)));
  return latitudes_ != nullptr;
}

void PlanetGrid::releaseLatitudes() {
  releaseStorage(latitudes_);
  latitudes_ = nullptr;
}

void PlanetGrid::freeTiles() {
  releaseLatitudes();
  if (storage_ != nullptr) munmap(storage_, storageBytes_);
  storage_ = nullptr;
  storageBytes_ = 0;
  releaseStorage(edgeNeighbors_);
  edgeNeighbors_ = nullptr;
  hot_ = nullptr;
  roughness_ = nullptr;
  fractions_ = nullptr;
  level = side = sideSquared = lastIndex = edgeMask = 0;
  cellSize = 0;
}

Vector3f PlanetGrid::pointPosition(const TilePoint& p) const {
  const float u = static_cast<float>((p.coord.x + static_cast<double>(p.fracX)) * cellSize);
  const float v = static_cast<float>((p.coord.y + static_cast<double>(p.fracY)) * cellSize);
  double w0, w1, w2, w3;
  if (u >= v) {
    w0 = 0;
    w1 = v;
    w2 = static_cast<double>(u) - v;
    w3 = 1.0 - u;
  } else {
    w0 = static_cast<double>(v) - u;
    w1 = u;
    w2 = 0;
    w3 = 1.0 - v;
  }
  const int* corner = diamonds[p.coord.diamond];
  Vector3d sum;
  sum.add(vertices[corner[0]].copy().scale(w0));
  sum.add(vertices[corner[1]].copy().scale(w1));
  sum.add(vertices[corner[2]].copy().scale(w2));
  sum.add(vertices[corner[3]].copy().scale(w3));
  sum.scale(1.0 / sum.length());
  Vector3f out;
  out.set(static_cast<float>(sum.x), static_cast<float>(sum.y), static_cast<float>(sum.z));
  return out;
}

namespace {
// Latitude fraction of a unit direction: 1 at the north pole, 0 at the south.
float latitudeOfDirection(const Vector3f& d) {
  if (d.z > 0.99999f) return 1;
  if (d.z < -0.99999f) return 0;
  return static_cast<float>(std::asin(static_cast<double>(d.z)) * kInvPi + 0.5);
}
}  // namespace

float PlanetGrid::latitudeOf(const TilePoint& p) const {
  return latitudeOfDirection(pointPosition(p));
}

void PlanetGrid::mapCoordinates(const TilePoint& p, float& latitude, float& longitude) const {
  const Vector3f d = pointPosition(p);
  latitude = latitudeOfDirection(d);
  if (d.z > 0.99999f || d.z < -0.99999f) {
    longitude = 0;
    return;
  }
  // The longitude is a float from here on; the wrap into [0, 1] works on it.
  longitude = static_cast<float>(std::atan2(static_cast<double>(d.y), static_cast<double>(d.x)) *
                                 0.5 * kInvPi);
  longitude = wrapUnit(longitude);
}

void PlanetGrid::copyEdge(int diamond, int edge) {
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
    storeToAllCopies(tile(c), c);
  }
}

void PlanetGrid::storeToAllCopies(const Tile& record, const TileCoord& c) {
  if (!isOnDiamondEdge(c)) {
    setTile(c, record);
    return;
  }
  TileCoord copies[5];
  const int n = aliases(c, copies);
  for (int i = n - 1; i >= 0; --i) setTile(copies[i], record);
}

void PlanetGrid::storeToAllCopies(const HotTile& record, const TileCoord& c) {
  if (!isOnDiamondEdge(c)) {
    *hotAt(c) = record;
    return;
  }
  TileCoord copies[5];
  const int n = aliases(c, copies);
  for (int i = n - 1; i >= 0; --i) *hotAt(copies[i]) = record;
}

// --- neighbour navigation ---

namespace {
// The six neighbours of the triangulated square grid whose triangles share
// the (+1, +1) diagonal, in the order every stored neighbour list keeps.
constexpr int kOffsets[6][2] = {{0, 1}, {1, 1}, {1, 0}, {0, -1}, {-1, -1}, {-1, 0}};
}  // namespace

int PlanetGrid::aliases(const TileCoord& t, TileCoord out[5]) const {
  const int L = lastIndex;
  const int d = t.diamond;
  const int x = t.x;
  const int y = t.y;
  if ((x & edgeMask) != 0 && (y & edgeMask) != 0) {
    out[0] = t;
    return 1;
  }
  const bool xEdge = x == 0 || x == L;
  const bool yEdge = y == 0 || y == L;
  if (xEdge && yEdge) {
    if (isPole(t)) {
      for (int k = 0; k < 5; ++k) {
        out[k] = d < 5 ? TileCoord{k, 0, L} : TileCoord{k + 5, L, 0};
      }
      return 5;
    }
    // A ring vertex: find its reference diamond, then list its three copies.
    int h;
    if (d < 5) {
      h = y != 0 ? d : (x != 0 ? (d + 4) % 5 + 5 : (d + 4) % 5);
    } else {
      h = y == 0 ? (d + 4) % 5 + 5 : (x != 0 ? d : d % 5);
    }
    out[0] = TileCoord{h, L, L};
    if (h < 5) {
      out[1] = TileCoord{(h + 1) % 5, 0, 0};
      out[2] = TileCoord{h + 5, 0, L};
    } else {
      out[1] = TileCoord{(h + 1) % 5 + 5, 0, 0};
      out[2] = TileCoord{(h + 1) % 5, L, 0};
    }
    return 3;
  }
  TileCoord other;
  if (d < 5) {
    if (x == 0) {
      other = TileCoord{(d + 4) % 5, L - y, L};
    } else if (y == 0) {
      other = TileCoord{(d + 4) % 5 + 5, x, L};
    } else if (x == L) {
      other = TileCoord{d + 5, 0, y};
    } else {
      other = TileCoord{(d + 1) % 5, 0, L - x};
    }
  } else {
    if (x == 0) {
      other = TileCoord{d % 5, L, y};
    } else if (y == 0) {
      other = TileCoord{(d + 4) % 5 + 5, L, L - x};
    } else if (x == L) {
      other = TileCoord{(d + 1) % 5 + 5, L - y, 0};
    } else {
      other = TileCoord{(d + 1) % 5, x, 0};
    }
  }
  out[0] = other;
  out[1] = t;
  return 2;
}

bool PlanetGrid::samePoint(const TileCoord& a, const TileCoord& b) const {
  if (a.diamond == b.diamond) return a.x == b.x && a.y == b.y;
  if (!isOnDiamondEdge(a) || !isOnDiamondEdge(b)) return false;
  TileCoord copies[5];
  const int n = aliases(a, copies);
  for (int i = 0; i < n; ++i) {
    if (sameCoord(copies[i], b)) return true;
  }
  return false;
}

int PlanetGrid::neighbors(const TileCoord& t, TileCoord out[6]) const {
  if ((t.x & edgeMask) != 0 && (t.y & edgeMask) != 0) {
    for (int k = 0; k < 6; ++k) {
      out[k] = TileCoord{t.diamond, t.x + kOffsets[k][0], t.y + kOffsets[k][1]};
    }
    return 6;
  }
  TileCoord copies[5];
  const int copyCount = aliases(t, copies);
  int count = 0;
  for (int a = 0; a < copyCount; ++a) {
    for (const auto& offset : kOffsets) {
      const TileCoord c{copies[a].diamond, copies[a].x + offset[0], copies[a].y + offset[1]};
      if (c.x < 0 || c.x > lastIndex || c.y < 0 || c.y > lastIndex) continue;
      bool duplicate = false;
      const bool cOnEdge = isOnDiamondEdge(c);
      TileCoord cCopies[5];
      int cCopyCount = -1;  // listed only when a comparison needs it
      for (int r = 0; r < count && !duplicate; ++r) {
        if (sameCoord(out[r], c)) {
          duplicate = true;
        } else if (out[r].diamond != c.diamond && cOnEdge && isOnDiamondEdge(out[r])) {
          if (cCopyCount < 0) cCopyCount = aliases(c, cCopies);
          for (int k = 0; k < cCopyCount; ++k) {
            if (sameCoord(cCopies[k], out[r])) duplicate = true;
          }
        }
      }
      if (!duplicate) out[count++] = c;
    }
  }
  return count;
}

}  // namespace geoweave::detail
