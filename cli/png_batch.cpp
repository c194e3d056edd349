#include "cli/png_batch.h"

#include <cstring>
#include <system_error>
#include <thread>

#include "export/png_writer.h"

namespace {
void writeOne(PngTask* task) {
  if (task->rgb != nullptr) {
    task->written = writePngRgb8(task->path.c_str(), task->rgb->width, task->rgb->height,
                                 task->rgb->rgb.data(), &task->error);
  } else if (task->gray != nullptr &&
             task->gray->size() == static_cast<size_t>(task->width) * task->height) {
    task->written = writePngGray16(task->path.c_str(), task->width, task->height,
                                   task->gray->data(), &task->error);
  } else {
    task->written = false;
    task->error = "cannot write " + task->path + ": no pixels";
  }
}
}  // namespace

void writePngs(std::vector<PngTask>& tasks) {
  std::vector<std::thread> threads;
  threads.reserve(tasks.size());
  for (size_t i = 0; i + 1 < tasks.size(); ++i) {
    PngTask* task = &tasks[i];
    try {
      threads.emplace_back(writeOne, task);
    } catch (const std::system_error&) {
      writeOne(task);  // no thread to be had: the work is done here instead
    }
  }
  if (!tasks.empty()) writeOne(&tasks.back());
  for (std::thread& thread : threads) thread.join();
}

geoweave::Image groundOfSheet(const geoweave::Image& sheet) {
  geoweave::Image ground;
  ground.width = sheet.width / 2;
  ground.height = sheet.height / 3;
  ground.rgb.resize(static_cast<size_t>(ground.width) * ground.height * 3);
  const size_t rowBytes = static_cast<size_t>(ground.width) * 3;
  for (int y = 0; y < ground.height; ++y) {
    std::memcpy(ground.rgb.data() + y * rowBytes, sheet.pixel(0, 2 * ground.height + y), rowBytes);
  }
  return ground;
}
