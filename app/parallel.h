#pragma once

#include <cstdint>

// Runs work(begin, end, user) over [0, count) split into one contiguous
// range per processor, on POSIX threads; the calling thread takes the first
// range. A thread that cannot be started leaves its range to the caller, so
// the work is always done. Every range must be independent of the others.
void parallelRanges(int64_t count, void (*work)(int64_t begin, int64_t end, void* user),
                    void* user);

// The same with a callable, for lambdas with captures.
template <typename Work>
void parallelFor(int64_t count, Work& work) {
  parallelRanges(
      count,
      [](int64_t begin, int64_t end, void* user) { (*static_cast<Work*>(user))(begin, end); },
      &work);
}

// How many ranges parallelRanges uses: the processors this process may run on.
int workerCount();
