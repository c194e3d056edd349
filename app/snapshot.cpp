#include "app/snapshot.h"

#include <cstdio>

#include "render/render_snapshot.h"

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
    context->canvas =
        std::make_unique<SnapshotCanvas>(*context->planet, context->width, context->height);
  }
  const bool written =
      renderSnapshot(groundName, allName, *context->canvas, context->altitudeShadeScale,
                     context->params, context->planet);
  if (!written) context->writeFailed = true;
  return written ? 1 : 0;
}
