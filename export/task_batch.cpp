#include "export/task_batch.h"

#include <new>
#include <system_error>
#include <utility>

namespace geoweave::detail {

void TaskBatch::start(std::function<void()> task) {
  try {
    threads_.emplace_back(task);
  } catch (const std::system_error&) {
    task();  // no thread to be had: the work is done here instead
  } catch (const std::bad_alloc&) {
    task();  // nor the memory to start one
  }
}

void TaskBatch::wait() {
  for (std::thread& thread : threads_) thread.join();
  threads_.clear();
}

}  // namespace geoweave::detail
