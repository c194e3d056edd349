#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geoweave/image.h"

// One PNG to write: an 8-bit RGB image or 16-bit grey values, and what came
// of it.
struct PngTask {
  std::string path;
  const geoweave::Image* rgb = nullptr;         // either this
  const std::vector<uint16_t>* gray = nullptr;  // or this, width x height values
  int width = 0;
  int height = 0;
  bool written = false;
  std::string error;  // "cannot write PATH: reason" when not written
};

// Writes every task, each on a thread of its own (the last on the caller's
// thread), and returns once all are done. PNG compression runs on one core
// per file, so writing the files side by side is what keeps the writing
// from doubling the time of a short run. A thread that cannot be started
// leaves its task to the caller's thread. Each task's written and error
// tell its outcome.
void writePngs(std::vector<PngTask>& tasks);

// The ground-cover map inside a sheet from Planet::renderSheet: its bottom
// left panel, width x height. The library documents the panel layout, and
// drawing the sheet alone costs half as much as drawing the map again.
geoweave::Image groundOfSheet(const geoweave::Image& sheet);
