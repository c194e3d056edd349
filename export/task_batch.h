#pragma once

#include <functional>
#include <thread>
#include <vector>

namespace geoweave::detail {

// Pieces of work run side by side while the caller goes on with its own: the
// files geoweave writes each compress on one core, and writing them one
// after another would leave the other cores idle.
class TaskBatch {
 public:
  TaskBatch() = default;
  TaskBatch(const TaskBatch&) = delete;
  TaskBatch& operator=(const TaskBatch&) = delete;
  ~TaskBatch() { wait(); }

  // Runs task on a new thread; when no thread (or no memory to start one)
  // can be had it runs here and now. task must throw nothing: on a thread
  // of its own an exception would end the process. Whatever task reads or
  // writes must stay in place until wait() returns.
  void start(std::function<void()> task);

  // Returns once every started task is done.
  void wait();

 private:
  std::vector<std::thread> threads_;
};

}  // namespace geoweave::detail
