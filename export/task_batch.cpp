#include "export/task_batch.h"

#include <system_error>
#include <utility>

namespace geoweave::detail {

void TaskBatch::start(std::function<void()> task) {
  try {
    threads_.emplace_back(task);
  } catch (const std::system_error&) {
    task();  // no thread to be had: the work is done here instead
  }
}

void TaskBatch::wait() {
  for (std::thread& thread : threads_) thread.join();
  threads_.clear();
}

}  // namespace geoweave::detail
