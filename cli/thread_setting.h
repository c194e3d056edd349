#pragma once

#include <string>

namespace geoweave::detail {

// Reads GEOWEAVE_THREADS for geoweave: value is the variable's text, null
// (or empty) when it is not set. Sets *workers to the whole number 1..16 it
// gives, or 0 (every processor the process may run on) when unset. False,
// with the line to print in *error, for any other text: unlike GeoweaveTest,
// which quietly uses every processor then, geoweave says so and stops.
bool readThreadSetting(const char* value, int* workers, std::string* error);

}  // namespace geoweave::detail
