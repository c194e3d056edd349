#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/task_batch.h"
#include "geoweave/image.h"

namespace geoweave::detail {

// One PNG to write: an 8-bit RGB image or 16-bit grey values, and what came
// of it.
struct PngTask {
  std::string path;
  const geoweave::Image* rgb = nullptr;         // either this
  const std::vector<uint16_t>* gray = nullptr;  // or this, width x height values
  int width = 0;
  int height = 0;
  bool written = false;
  std::string error;  // as FileOutcome's error when not written
};

// Writes task on the caller's thread. Throws nothing: memory running out is
// told in task->error.
void writePng(PngTask* task);

// PNG files written side by side while the caller goes on with other work.
// Compression runs on one core per file, and it is what would otherwise
// stretch a short run the most, so each file gets a thread of its own.
class PngBatch {
 public:
  PngBatch() = default;
  PngBatch(const PngBatch&) = delete;
  PngBatch& operator=(const PngBatch&) = delete;
  ~PngBatch() { wait(); }

  // Starts writing task on a new thread; when no thread can be had it is
  // written here and now. The task (and its pixels) must stay in place until
  // wait() returns; then its written and error tell the outcome.
  void start(PngTask* task);

  // Returns once every started task is done.
  void wait() { tasks_.wait(); }

 private:
  TaskBatch tasks_;
};

// The ground-cover map inside a sheet from Planet::renderSheet: its bottom
// left panel, width x height. The library documents the panel layout, and
// drawing the sheet alone costs half as much as drawing the map again.
geoweave::Image groundOfSheet(const geoweave::Image& sheet);

}  // namespace geoweave::detail
