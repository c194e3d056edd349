#include "grid/diamond_grid.h"

#include <cmath>
#include <cstdint>

#include "base/allocation.h"
#include "base/parallel.h"
#include "grid/grid_topology.h"
#include "grid/tile_cursor.h"

namespace geoweave::detail {

namespace {
int64_t edgePositionsFor(int64_t level) {
  return 40 * (int64_t{1} << level);
}

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

int64_t DiamondGrid::levelFor(int width, float zoom) {
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

int64_t DiamondGrid::tileRecordsFor(int64_t level) {
  const int64_t s = (int64_t{1} << level) + 1;
  return 12 * s * s;
}

std::string DiamondGrid::tileRecordsText(int64_t level) {
  // 12 (2^level + 1)^2 = (12 x 2^level + 24) x 2^level + 12, exact at any level.
  std::string digits = "21";
  for (int64_t i = 0; i < level; ++i) multiplyAdd(digits, 2, 0);
  multiplyAdd(digits, 1, 24);
  for (int64_t i = 0; i < level; ++i) multiplyAdd(digits, 2, 0);
  multiplyAdd(digits, 1, 12);
  return std::string(digits.rbegin(), digits.rend());
}

uint64_t DiamondGrid::edgeTableBytes(int64_t level) {
  return static_cast<uint64_t>(edgePositionsFor(level)) * 6 * sizeof(int32_t);
}

bool DiamondGrid::setLevel(int64_t newLevel, int workers) {
  clearLevel();
  if (newLevel < 1 || newLevel > kMaxLevel) return false;
  level_ = static_cast<int>(newLevel);
  side_ = (1 << level_) + 1;
  lastIndex_ = side_ - 1;
  edgeMask_ = side_ - 2;
  sideSquared_ = side_ * side_;
  cellSize_ = static_cast<float>(1.0 / static_cast<double>(side_ - 1));
  if (!buildEdgeTable(workers)) {
    clearLevel();
    return false;
  }
  return true;
}

void DiamondGrid::clearLevel() {
  releaseStorage(edgeNeighbors_);
  edgeNeighbors_ = nullptr;
  level_ = side_ = sideSquared_ = lastIndex_ = edgeMask_ = 0;
  cellSize_ = 0;
}

bool DiamondGrid::buildEdgeTable(int workers) {
  const int64_t positions = edgePositionsFor(level_);
  edgeNeighbors_ =
      static_cast<int32_t*>(tryAllocate(static_cast<size_t>(positions) * 6 * sizeof(int32_t)));
  if (edgeNeighbors_ == nullptr) return false;
  // Every copy of an edge point gets the list of the copy the walk visits,
  // the one the passes work from: seen from its other copies the list would
  // come in another order.
  auto fill = [this](int64_t firstDiamond, int64_t endDiamond) {
    for (int d = static_cast<int>(firstDiamond); d < endDiamond; ++d) {
      TileCursor cursor;
      for (cursor.startAt(side_, d); cursor.diamond == d; cursor.advance()) {
        const TileCoord c = cursor.coord();
        if (!isOnDiamondEdge(c)) {
          // Inside a row only its two ends lie on an edge.
          if (c.x == 1 && lastIndex_ - 2 > 1) cursor.x = lastIndex_ - 2;
          continue;
        }
        TileCoord listed[6];
        const int n = neighbors(*this, c, listed);
        int32_t list[6];
        for (int k = 0; k < 6; ++k) list[k] = k < n ? tileIndex(listed[k]) : -1;
        TileCoord copies[5];
        const int copyCount = aliases(*this, c, copies);
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

}  // namespace geoweave::detail
