#include "climate/iteration_setup.h"

#include <algorithm>
#include <cstring>

#include "base/buffer.h"
#include "base/parallel.h"
#include "grid/planet.h"
#include "world/params.h"

namespace {
// Unsigned bits that order like the float (both zeros alike), inverted so
// that ascending keys run from the highest elevation down.
uint64_t descendingKey(float elevation, int32_t index) {
  if (elevation == 0) elevation = 0;  // -0 and +0 are one height
  uint32_t bits;
  std::memcpy(&bits, &elevation, sizeof bits);
  bits = (bits & 0x80000000u) != 0 ? ~bits : bits | 0x80000000u;
  return (static_cast<uint64_t>(~bits) << 32) | static_cast<uint32_t>(index);
}

// Sorts the keys in one slice per processor, then merges the slices.
// The list has room for every key.
void sortKeys(Buffer<uint64_t>& keys, size_t count, GrowableArray<int32_t>& list, int workers) {
  const int slices = workers;
  auto sortSlices = [&](int64_t first, int64_t end) {
    for (int64_t s = first; s < end; ++s) {
      std::sort(keys.data + count * s / slices, keys.data + count * (s + 1) / slices);
    }
  };
  parallelFor(workers, slices, sortSlices);
  size_t next[kMaxWorkers];
  for (int s = 0; s < slices; ++s) next[s] = count * s / slices;
  for (size_t written = 0; written < count; ++written) {
    int best = -1;
    for (int s = 0; s < slices; ++s) {
      if (next[s] < count * (s + 1) / slices && (best < 0 || keys[next[s]] < keys[next[best]])) {
        best = s;
      }
    }
    list[list.count++] = static_cast<int32_t>(keys[next[best]++] & 0xFFFFFFFFu);
  }
}
}  // namespace

bool sortTilesByElevation(const Planet& planet, PlanetParams& params) {
  GrowableArray<int32_t>& list = params.tilesByElevation;
  params.sweepLevelEntries.release();  // they belonged to the old list
  params.sweepLevelStarts.release();
  if (!list.reserve(10 * planet.sideSquared)) return false;
  // Highest first, equal elevations by ascending tile index: one total order,
  // so the planet never depends on how the sort breaks ties.
  Buffer<uint64_t> keys(static_cast<size_t>(list.capacity - list.count));
  if (!keys.ok()) return false;
  size_t count = 0;
  TileCursor cursor;
  for (cursor.start(planet.side); cursor.valid(); cursor.advance()) {
    keys[count++] = descendingKey(planet.hotAt(cursor.coord())->elevation, cursor.index());
  }
  sortKeys(keys, count, list, usableWorkers(params.workers));
  return true;
}

float erosionScaleFor(const PlanetParams& params) {
  const double range = static_cast<double>(params.elevationMax) - params.seaLevel;
  return range != 0 ? static_cast<float>(2.0 / range) : 0.0f;
}
