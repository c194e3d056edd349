#pragma once

#include <functional>
#include <string>
#include <vector>

#include "geoweave/planet.h"

namespace geoweave::detail {

// What sampleInBands hands over: the band's first row (from the top), its
// row count, and one array of width x rows values per field, in the order
// of the fields (see Planet::sampleMapRows).
using SampledBand =
    std::function<void(int firstRow, int rows, const std::vector<std::vector<float>>& samples)>;

// Samples fields over a width x height map in layout band rows at a time
// (the last band may hold fewer), from the top, and hands each band to use
// on the calling thread while the next band is sampled on a thread
// alongside, so that the caller's work on one band and the sampling of the
// next share the cores. Two bands are held at a time. kOk once every band
// was used; otherwise the status of Planet::sampleMapRows (with *error) for
// the first band that could not be sampled, after which use is called no
// more. band must be at least 1.
geoweave::Status sampleInBands(const geoweave::Planet& planet,
                               const std::vector<geoweave::Field>& fields, int width, int height,
                               geoweave::MapLayout layout, int band, const SampledBand& use,
                               std::string* error);

}  // namespace geoweave::detail
