#include "base/parallel.h"

#include <pthread.h>
#include <sched.h>

namespace {
struct Range {
  int64_t begin;
  int64_t end;
  void (*work)(int64_t, int64_t, void*);
  void* user;
};

void* runRange(void* argument) {
  const Range* range = static_cast<const Range*>(argument);
  range->work(range->begin, range->end, range->user);
  return nullptr;
}
}  // namespace

int availableProcessors() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
  const int n = CPU_COUNT(&set);
  return n < 1 ? 1 : (n > kMaxWorkers ? kMaxWorkers : n);
}

int usableWorkers(int requested) {
  if (requested <= 0) return availableProcessors();
  return requested > kMaxWorkers ? kMaxWorkers : requested;
}

void parallelRanges(int requested, int64_t count, void (*work)(int64_t, int64_t, void*),
                    void* user) {
  if (count <= 0) return;
  int workers = requested < 1 ? 1 : (requested > kMaxWorkers ? kMaxWorkers : requested);
  if (workers > count) workers = static_cast<int>(count);
  Range ranges[kMaxWorkers];
  pthread_t threads[kMaxWorkers];
  bool started[kMaxWorkers] = {};
  for (int w = 0; w < workers; ++w) {
    ranges[w] = Range{count * w / workers, count * (w + 1) / workers, work, user};
  }
  for (int w = 1; w < workers; ++w) {
    started[w] = pthread_create(&threads[w], nullptr, runRange, &ranges[w]) == 0;
  }
  runRange(&ranges[0]);
  for (int w = 1; w < workers; ++w) {
    if (started[w]) {
      pthread_join(threads[w], nullptr);
    } else {
      runRange(&ranges[w]);
    }
  }
}
