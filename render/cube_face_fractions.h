#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "base/parallel.h"
#include "grid/vector.h"
#include "render/projection.h"

namespace geoweave::detail {

// The map fractions of every pixel of one cube face, bit for bit what
// directionFractions gives for the pixel's cubeFaceDirection, and those
// directions, with each arctangent worked out once for all the pixels that
// share it.
//
// The sharing rests on exact equalities only: pixels i and size - 1 - i
// have exactly opposite face coordinates, so their squares are equal, and
// one coordinate of a direction may not depend on the row or on the column
// at all. On the +-X faces u and the length in the xy plane follow the row
// alone and z the column alone, so a row and its mirror row share every v;
// on the +-Y faces u and that length follow the column alone, so a column
// and its mirror column share v; on the +-Z faces z is fixed and the length
// is the same for the four mirror images of a pixel. The arctangent's own
// symmetries are not relied on.
//
// Built once per face and then read by any number of threads.
class CubeFaceFractions {
 public:
  // face one of the six (kFacePositiveX ...), size >= 1 pixels a side. May
  // throw std::bad_alloc (it holds a few numbers per row).
  CubeFaceFractions(int face, int size);

  int size() const { return size_; }

  // Rows come in pairs, y and its mirror size - 1 - y, for y from 0 to
  // pairs() - 1; for an odd size the last pair is the middle row alone.
  int pairs() const { return (size_ + 1) / 2; }

  // cubeFaceDirection(face, size, x, y), bit for bit.
  Vector3d direction(int x, int y) const;

  // The fractions (v, u) of row y (y < pairs()) into v and u, and those of
  // its mirror row size - 1 - y into mirrorV and mirrorU, each array size
  // long. For the middle row of an odd size the mirror arrays are left
  // alone.
  void rowPair(int y, float* v, float* u, float* mirrorV, float* mirrorU) const;

  // Calls visit(x, y, direction, v, u, hint) once for every pixel of the
  // face, with its direction and fractions as above and a TriangleHint of
  // the calling thread's own, the row pairs shared out between workers (so
  // visit must be safe to call from several threads for different pixels).
  // False, with some pixels not visited, when a worker's row of fractions
  // could not be had.
  template <typename Visit>
  bool forEachPixel(int workers, Visit& visit) const;

 private:
  int face_;
  int size_;
  std::vector<double> coordinates_;  // s or t of each pixel column or row
  // Per row on the +-X faces, per column on the +-Y faces (empty on +-Z):
  // the length in the xy plane and u, which are the same along the line.
  std::vector<double> lineHorizontal_;
  std::vector<float> lineU_;
};

template <typename Visit>
bool CubeFaceFractions::forEachPixel(int workers, Visit& visit) const {
  std::atomic<bool> failed{false};
  auto rows = [&](int64_t firstPair, int64_t endPair) {
    const size_t n = static_cast<size_t>(size_);
    const std::unique_ptr<float[]> fractions(new (std::nothrow) float[4 * n]);
    if (fractions == nullptr) {
      failed = true;
      return;
    }
    float* const v = fractions.get();
    float* const u = v + n;
    float* const mirrorV = u + n;
    float* const mirrorU = mirrorV + n;
    TriangleHint hint;
    for (int y = static_cast<int>(firstPair); y < endPair; ++y) {
      rowPair(y, v, u, mirrorV, mirrorU);
      for (int x = 0; x < size_; ++x) visit(x, y, direction(x, y), v[x], u[x], hint);
      const int mirror = size_ - 1 - y;
      if (mirror == y) continue;
      for (int x = 0; x < size_; ++x)
        visit(x, mirror, direction(x, mirror), mirrorV[x], mirrorU[x], hint);
    }
  };
  // Pieces of a few row pairs taken in turn: the rows cost more or less
  // as they cross the grid, and the threads deflating the face before share
  // the processors unevenly, so halves fixed in advance would leave one
  // worker idle at the end of every face.
  parallelForChunks(workers, pairs(), 4, rows);
  return !failed;
}

}  // namespace geoweave::detail
