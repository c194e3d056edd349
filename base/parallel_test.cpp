#include "base/parallel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace geoweave::detail {

TEST(Parallel, RangesCoverEveryIndexOnce) {
  for (const int workers : {1, 2, 3, 7, kMaxWorkers + 5}) {
    for (const int64_t count : {int64_t{1}, int64_t{5}, int64_t{1000}}) {
      std::vector<std::atomic<int>> seen(static_cast<size_t>(count));
      auto mark = [&seen](int64_t begin, int64_t end) {
        for (int64_t i = begin; i < end; ++i) ++seen[static_cast<size_t>(i)];
      };
      parallelFor(workers, count, mark);
      for (int64_t i = 0; i < count; ++i) {
        ASSERT_EQ(seen[static_cast<size_t>(i)].load(), 1) << workers << " " << count << " " << i;
      }
    }
  }
}

// The members of a team all run at once: each waits until every member has
// arrived, which would never happen if one ran after another.
TEST(Parallel, TeamMembersRunTogetherWithDistinctIds) {
  for (const int workers : {1, 2, 3, 7, kMaxWorkers + 5}) {
    std::atomic<int> arrived{0};
    std::atomic<int> together{0};
    std::atomic<int> idMask{0};
    std::atomic<int> counts{0};
    auto work = [&](int member, int members) {
      idMask.fetch_or(1 << member);
      counts.fetch_add(members);
      arrived.fetch_add(1);
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
      while (arrived.load() < members && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::yield();
      }
      if (arrived.load() == members) together.fetch_add(1);
    };
    teamFor(workers, work);
    const int expected = workers > kMaxWorkers ? kMaxWorkers : workers;
    // Threads start on this machine, so the team is as large as asked.
    EXPECT_EQ(arrived.load(), expected) << workers;
    EXPECT_EQ(together.load(), expected) << workers;
    EXPECT_EQ(idMask.load(), (1 << expected) - 1) << workers;
    EXPECT_EQ(counts.load(), expected * expected) << workers;
  }
}

// Both tasks run, side by side: each waits for a sign from the other.
TEST(Parallel, AlongsideRunsBothTogether) {
  std::atomic<bool> mainStarted{false};
  std::atomic<bool> sideStarted{false};
  bool mainSawSide = false;
  bool sideSawMain = false;
  auto waitFor = [](const std::atomic<bool>& flag) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!flag.load() && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
    return flag.load();
  };
  auto main = [&] {
    mainStarted = true;
    mainSawSide = waitFor(sideStarted);
  };
  auto side = [&] {
    sideStarted = true;
    sideSawMain = waitFor(mainStarted);
  };
  runAlongside(main, side);
  EXPECT_TRUE(mainSawSide);
  EXPECT_TRUE(sideSawMain);
}

}  // namespace geoweave::detail
