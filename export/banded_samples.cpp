#include "export/banded_samples.h"

#include <algorithm>
#include <utility>

#include "export/task_batch.h"

namespace geoweave::detail {

geoweave::Status sampleInBands(const geoweave::Planet& planet,
                               const std::vector<geoweave::Field>& fields, int width, int height,
                               geoweave::MapLayout layout, int band, const SampledBand& use,
                               std::string* error) {
  std::vector<std::vector<float>> current;
  std::vector<std::vector<float>> next;
  geoweave::Status sampled = planet.sampleMapRows(fields, width, height, layout, 0,
                                                  std::min(band, height), &current, error);
  for (int row = 0; sampled == geoweave::Status::kOk && row < height; row += band) {
    const int rows = std::min(band, height - row);
    const int nextRow = row + rows;
    TaskBatch alongside;
    if (nextRow < height) {
      // sampleMapRows throws nothing; it reports memory running out.
      alongside.start([&] {
        sampled = planet.sampleMapRows(fields, width, height, layout, nextRow,
                                       std::min(band, height - nextRow), &next, error);
      });
    }
    use(row, rows, current);
    alongside.wait();
    std::swap(current, next);
  }
  return sampled;
}

}  // namespace geoweave::detail
