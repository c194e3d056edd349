#include "app/snapshot.h"

#include <cstdio>

#include "app/out_of_memory.h"

namespace geoweave::detail {

namespace {
bool writeFrame(const RgbImage& image, const char* name) {
  if (image.writeBmp(name)) return true;
  std::fflush(stdout);
  std::fprintf(stderr, "warning: could not write %s\n", name);
  return false;
}
}  // namespace

void formatSnapshotName(const char* pattern, int turn, char (&name)[512]) {
  // The patterns hold exactly one conversion; any '%' from a user's file name
  // was escaped when the pattern was built.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  std::snprintf(name, sizeof name, pattern, turn);
#pragma GCC diagnostic pop
}

int writeTurnSnapshot(int turn, void* user) {
  auto* context = static_cast<SnapshotContext*>(user);
  char groundName[512];
  char allName[512];
  formatSnapshotName(context->groundPattern, turn, groundName);
  formatSnapshotName(context->allPattern, turn, allName);
  if (context->canvas == nullptr) {
    context->canvas = std::make_unique<SnapshotCanvas>(
        *context->planet, context->width, context->height, context->run->hooks.workers);
    if (!context->canvas->ok()) exitOutOfMemory();
  }
  drawSnapshot(*context->canvas, context->altitudeShadeScale, context->run->statistics,
               context->run->rivers, *context->planet);
  const bool groundWritten = writeFrame(context->canvas->ground, groundName);
  const bool allWritten = writeFrame(context->canvas->sheet, allName);
  const bool written = groundWritten && allWritten;
  if (!written) context->writeFailed = true;
  return written ? 1 : 0;
}

}  // namespace geoweave::detail
