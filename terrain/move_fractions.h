#pragma once

#include <atomic>

#include "base/parallel.h"

namespace geoweave::detail {

class BandPositions;
class PlanetGrid;

// Stores what storeMoveFractions does, piece by piece, for threads that join
// at different times: each calls work(), which takes the pieces still left
// one at a time, and the shares are all stored once every call has
// returned (the same values whoever stored which piece). Only the grid's
// geometry is read, and only the shares and latitudes written, so other
// fields of the planet may change meanwhile.
class MoveFractionStore {
 public:
  // Room for up to `threads` calls to work() (1 to kMaxWorkers); not ok()
  // when the scratch tables of map positions could not be had, and then
  // work() stores nothing. Keeps the latitudes where there is room.
  MoveFractionStore(PlanetGrid& planet, int threads);
  ~MoveFractionStore();
  MoveFractionStore(const MoveFractionStore&) = delete;
  MoveFractionStore& operator=(const MoveFractionStore&) = delete;

  bool ok() const { return ok_; }
  // Stores pieces until none is left; calls beyond `threads` return at once.
  void work();

 private:
  PlanetGrid& planet_;
  const int rowsPerPiece_;
  const int piecesPerDiamond_;
  bool ok_ = false;
  BandPositions* tables_[kMaxWorkers] = {};
  std::atomic<int> nextTable_{0};
  std::atomic<int> nextPiece_{0};
};

// Gives every tile the eastward-leaning shares with which it passes moisture
// on to its neighbours (in the grid's neighbour order); every copy of a point
// gets the same. False when the scratch table of map positions could not be
// had (nothing was stored then). workers share out the points. The
// records' latitudes are kept in planet.latitudes() where there is room.
bool storeMoveFractions(PlanetGrid& planet, int workers);

// The weight of a neighbour whose unit direction has east component d.
double eastwardWeight(double d);

}  // namespace geoweave::detail
