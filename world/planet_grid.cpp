#include "world/planet_grid.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

#include "base/allocation.h"
#include "base/parallel.h"

namespace geoweave::detail {

namespace {
constexpr size_t kHugePage = size_t{2} << 20;
constexpr size_t kPage = 4096;

size_t roundToHugePages(size_t bytes) {
  return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

// The three record arrays of a grid with this many records, each on 2 MiB
// boundaries.
struct StorageLayout {
  size_t hotBytes;
  size_t roughnessBytes;
  size_t fractionBytes;
  size_t total() const { return hotBytes + roughnessBytes + fractionBytes; }
};

StorageLayout layoutFor(int64_t records) {
  const size_t n = static_cast<size_t>(records);
  return StorageLayout{roundToHugePages(n * sizeof(HotTile)), roundToHugePages(n * sizeof(float)),
                       roundToHugePages(n * sizeof(MoveFractions))};
}

int64_t usedRecordsFor(int64_t level) {
  const int64_t s = (int64_t{1} << level) + 1;
  return 10 * s * s;
}
}  // namespace

uint64_t PlanetGrid::bytesFor(int64_t level) {
  return layoutFor(usedRecordsFor(level)).total() + edgeTableBytes(level);
}

bool PlanetGrid::allocate(int width, float zoom, int workers, uint64_t memoryLimit) {
  freeTiles();
  const int64_t newLevel = levelFor(width, zoom);
  if (newLevel > kMaxLevel) return false;
  // A grid larger than the memory this process may use would be killed by
  // the kernel partway through the run, without a word.
  if (bytesFor(newLevel) > memoryLimit) return false;
  const int64_t records = usedRecordsFor(newLevel);
  const StorageLayout layout = layoutFor(records);
  // Fresh anonymous pages read as zero, so nothing needs clearing here; the
  // extra huge page leaves room to start on a 2 MiB boundary.
  const size_t mapped = layout.total() + kHugePage;
  void* mapping = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapping == MAP_FAILED) return false;
  storage_ = mapping;
  storageBytes_ = mapped;
  // The sizes, and the neighbour lists of the edge positions.
  if (!setLevel(newLevel, workers)) {
    freeTiles();
    return false;
  }
  // The water pass jumps across the hot records: on 2 MiB pages (only a
  // hint, fine if refused) nearly every jump stays within the address
  // translation cache, which makes the pass a third faster. The other arrays
  // are read in order and stay on small pages: a huge page can cost the
  // kernel a compaction of memory before its first touch, which on a busy
  // machine takes longer than the pass saves.
  char* start = reinterpret_cast<char*>((reinterpret_cast<uintptr_t>(mapping) + kHugePage - 1) /
                                        kHugePage * kHugePage);
  madvise(start, layout.hotBytes, MADV_HUGEPAGE);
  hot_ = reinterpret_cast<HotTile*>(start);
  roughness_ = reinterpret_cast<float*>(start + layout.hotBytes);
  fractions_ = reinterpret_cast<MoveFractions*>(start + layout.hotBytes + layout.roughnessBytes);
  // The first touch of each page is the kernel's work of clearing it; shared
  // out between the processors it takes a fraction of the time. Each page is
  // touched once: the hot records by their starting values, the roughness by
  // one write per page; the move fractions are first written by the workers
  // that work them out.
  HotTile* const hotRecords = hot_;
  auto startHot = [hotRecords](int64_t begin, int64_t end) {
    for (int64_t i = begin; i < end; ++i) new (hotRecords + i) HotTile();
  };
  parallelFor(workers, records, startHot);
  char* const roughnessStart = reinterpret_cast<char*>(roughness_);
  auto touchRoughness = [roughnessStart](int64_t begin, int64_t end) {
    for (int64_t page = begin; page < end; ++page) roughnessStart[page * kPage] = 0;
  };
  parallelFor(workers, static_cast<int64_t>(layout.roughnessBytes / kPage), touchRoughness);
  return true;
}

bool PlanetGrid::keepLatitudes() {
  releaseLatitudes();
  latitudes_ = static_cast<float*>(tryAllocate(static_cast<size_t>(records()) * sizeof(float)));
  return latitudes_ != nullptr;
}

void PlanetGrid::releaseLatitudes() {
  releaseStorage(latitudes_);
  latitudes_ = nullptr;
}

void PlanetGrid::freeTiles() {
  releaseLatitudes();
  if (storage_ != nullptr) munmap(storage_, storageBytes_);
  storage_ = nullptr;
  storageBytes_ = 0;
  hot_ = nullptr;
  roughness_ = nullptr;
  fractions_ = nullptr;
  clearLevel();
}

}  // namespace geoweave::detail
