#pragma once

#include <cstdint>

namespace geoweave::detail {

// The most workers any pass uses; every per-worker array is this long.
constexpr int kMaxWorkers = 16;

// The processors this process may run on, from 1 to kMaxWorkers.
int availableProcessors();

// A requested worker count made usable: 0 or less means every available
// processor; the result lies in 1..kMaxWorkers.
int usableWorkers(int requested);

// Runs work(begin, end, user) over [0, count) split into one contiguous
// range per worker (workers is clamped to 1..kMaxWorkers), on POSIX threads;
// the calling thread takes the first range. A thread that cannot be started
// leaves its range to the caller, so the work is always done. Every range
// must be independent of the others.
void parallelRanges(int workers, int64_t count,
                    void (*work)(int64_t begin, int64_t end, void* user), void* user);

// The same with a callable, for lambdas with captures.
template <typename Work>
void parallelFor(int workers, int64_t count, Work& work) {
  parallelRanges(
      workers, count,
      [](int64_t begin, int64_t end, void* user) { (*static_cast<Work*>(user))(begin, end); },
      &work);
}

// Runs work(begin, end, user) over [0, count) in pieces of `chunk` items
// (chunk >= 1; the last piece may be shorter) that the workers take in turn,
// each taking the next piece when it finishes one, so that a worker slowed
// by other threads, or given pieces that cost more, does not leave the
// others idle at the end. Pieces run in no fixed order nor on a fixed
// worker, and every piece must be independent of the others; all are done
// even when no thread can be started.
void parallelChunks(int workers, int64_t count, int64_t chunk,
                    void (*work)(int64_t begin, int64_t end, void* user), void* user);

// The same with a callable.
template <typename Work>
void parallelForChunks(int workers, int64_t count, int64_t chunk, Work& work) {
  parallelChunks(
      workers, count, chunk,
      [](int64_t begin, int64_t end, void* user) { (*static_cast<Work*>(user))(begin, end); },
      &work);
}

// How many rows of rowLength items (rowLength >= 1) a piece of
// parallelChunks should hold: about 16K items, few enough that the pieces
// even out the workers' ends, enough that taking one costs next to nothing.
inline int64_t rowsPerChunk(int64_t rowLength) {
  constexpr int64_t kItems = 16384;
  return rowLength >= kItems ? 1 : kItems / (rowLength < 1 ? 1 : rowLength);
}

// Runs work(member, members, user) once on each of `members` threads that
// all run at the same time: the caller is member 0, and members is the
// number of threads that could be started (1 to workers, workers clamped to
// 1..kMaxWorkers). Members may wait on one another, which parallelRanges
// does not allow: there a range whose thread did not start runs after the
// others, on the caller.
void parallelTeam(int workers, void (*work)(int member, int members, void* user), void* user);

// The same with a callable taking (member, members).
template <typename Work>
void teamFor(int workers, Work& work) {
  parallelTeam(
      workers,
      [](int member, int members, void* user) { (*static_cast<Work*>(user))(member, members); },
      &work);
}

// Runs side(sideUser) on a thread of its own while the caller runs
// main(mainUser), and returns when both are done; when no thread can be
// started, side runs on the caller after main. The two must not touch the
// same data.
void runAlongside(void (*main)(void*), void* mainUser, void (*side)(void*), void* sideUser);

// The same with callables.
template <typename Main, typename Side>
void runAlongside(Main& main, Side& side) {
  runAlongside([](void* user) { (*static_cast<Main*>(user))(); }, &main,
               [](void* user) { (*static_cast<Side*>(user))(); }, &side);
}

}  // namespace geoweave::detail
