#include "export/png_batch.h"

#include <cstring>
#include <new>

#include "export/output_files.h"
#include "export/png_writer.h"

namespace geoweave::detail {

namespace {

void writeOrFail(PngTask* task) {
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

void writePng(PngTask* task) {
  try {
    writeOrFail(task);
  } catch (const std::bad_alloc&) {
    // On a thread of its own nothing may escape. The encoder's memory went
    // with the unwinding, so the line most likely can be had.
    task->written = false;
    try {
      task->error = outOfMemoryLine("writing " + task->path);
    } catch (const std::bad_alloc&) {
      task->error.clear();
    }
  }
}

void PngBatch::start(PngTask* task) {
  tasks_.start([task] { writePng(task); });
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

}  // namespace geoweave::detail
