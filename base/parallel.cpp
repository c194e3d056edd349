#include "base/parallel.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <atomic>

namespace geoweave::detail {

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

// The members of a team wait until the caller knows how many threads
// started, so that every member is told the same count.
struct Team {
  pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
  pthread_cond_t counted = PTHREAD_COND_INITIALIZER;
  int members = 0;  // 0 until every thread has been started
  void (*work)(int, int, void*);
  void* user;
};

struct Member {
  Team* team;
  int id;
};

void* runMember(void* argument) {
  const Member* member = static_cast<const Member*>(argument);
  Team& team = *member->team;
  pthread_mutex_lock(&team.lock);
  while (team.members == 0) pthread_cond_wait(&team.counted, &team.lock);
  const int members = team.members;
  pthread_mutex_unlock(&team.lock);
  team.work(member->id, members, team.user);
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

void parallelTeam(int requested, void (*work)(int, int, void*), void* user) {
  const int workers = requested < 1 ? 1 : (requested > kMaxWorkers ? kMaxWorkers : requested);
  Team team;
  team.work = work;
  team.user = user;
  Member members[kMaxWorkers];
  pthread_t threads[kMaxWorkers];
  int started = 0;
  for (int w = 1; w < workers; ++w) {
    // Ids stay consecutive: a thread that does not start leaves its id to
    // the next one.
    members[started] = Member{&team, started + 1};
    if (pthread_create(&threads[started], nullptr, runMember, &members[started]) == 0) ++started;
  }
  pthread_mutex_lock(&team.lock);
  team.members = started + 1;
  pthread_cond_broadcast(&team.counted);
  pthread_mutex_unlock(&team.lock);
  work(0, started + 1, user);
  for (int t = 0; t < started; ++t) pthread_join(threads[t], nullptr);
  pthread_cond_destroy(&team.counted);
  pthread_mutex_destroy(&team.lock);
}

namespace {
struct Chunks {
  std::atomic<int64_t> next{0};
  int64_t count;
  int64_t chunk;
  void (*work)(int64_t, int64_t, void*);
  void* user;
};

void takeChunks(int, int, void* argument) {
  Chunks& chunks = *static_cast<Chunks*>(argument);
  for (;;) {
    const int64_t begin = chunks.next.fetch_add(chunks.chunk, std::memory_order_relaxed);
    if (begin >= chunks.count) return;
    chunks.work(begin, std::min(begin + chunks.chunk, chunks.count), chunks.user);
  }
}
}  // namespace

void parallelChunks(int workers, int64_t count, int64_t chunk,
                    void (*work)(int64_t, int64_t, void*), void* user) {
  if (count <= 0) return;
  Chunks chunks;
  chunks.count = count;
  chunks.chunk = chunk < 1 ? 1 : chunk;
  chunks.work = work;
  chunks.user = user;
  // No more workers than pieces.
  const int64_t pieces = (count + chunks.chunk - 1) / chunks.chunk;
  parallelTeam(pieces < workers ? static_cast<int>(pieces) : workers, takeChunks, &chunks);
}

namespace {
struct SideTask {
  void (*work)(void*);
  void* user;
};

void* runSide(void* argument) {
  const SideTask* task = static_cast<const SideTask*>(argument);
  task->work(task->user);
  return nullptr;
}
}  // namespace

void runAlongside(void (*main)(void*), void* mainUser, void (*side)(void*), void* sideUser) {
  SideTask task{side, sideUser};
  pthread_t thread;
  const bool started = pthread_create(&thread, nullptr, runSide, &task) == 0;
  main(mainUser);
  if (started) {
    pthread_join(thread, nullptr);
  } else {
    side(sideUser);
  }
}

}  // namespace geoweave::detail
