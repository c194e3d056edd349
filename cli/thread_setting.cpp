#include "cli/thread_setting.h"

#include "base/parallel.h"
#include "cli/numbers.h"

namespace geoweave::detail {

bool readThreadSetting(const char* value, int* workers, std::string* error) {
  if (value == nullptr || *value == '\0') {
    *workers = 0;
    return true;
  }
  long long read = 0;
  if (!readWholeNumber(value, 1, kMaxWorkers, &read)) {
    *error = "geoweave: GEOWEAVE_THREADS must be a whole number from 1 to " +
             std::to_string(kMaxWorkers) + ", not " + quotedForMessage(value);
    return false;
  }
  *workers = static_cast<int>(read);
  return true;
}

}  // namespace geoweave::detail
