#include "geoweave/settings.h"

#include "base/numeric.h"

namespace geoweave {

using namespace detail;

const char* version() {
  return GEOWEAVE_VERSION;
}

namespace {
Status refuse(std::string* error, const char* message) {
  if (error != nullptr) *error = message;
  return Status::kInvalidSettings;
}

bool finite(double value) {
  float stored = 0;
  return toFiniteFloat(value, stored);
}
}  // namespace

Status validate(const Settings& s, std::string* error) {
  if (s.width < 1) return refuse(error, "width must be at least 1");
  if (!finite(s.zoom) || !(s.zoom > 0)) return refuse(error, "zoom must be a positive number");
  if (!finite(s.cornerRange)) return refuse(error, "corner range must be a finite number");
  if (!finite(1.0 - s.landPercent / 100.0)) {
    return refuse(error, "land percentage must be a finite number");
  }
  float riverFraction = 0;
  if (!toFiniteFloat(s.riverPercent / 100.0, riverFraction) || riverFraction < 0) {
    return refuse(error, "river percentage must be a finite number, not negative");
  }
  if (s.turns < 1) return refuse(error, "turns must be at least 1");
  if (!finite(s.shareCap) || !(s.shareCap > 0)) {
    return refuse(error, "share cap must be a positive number");
  }
  if (!finite(s.shadeScale)) return refuse(error, "shade scale must be a finite number");
  if (s.workers < 0) return refuse(error, "workers must be 0 (every processor) or more");
  return Status::kOk;
}

}  // namespace geoweave
