#include "geoweave/biome.h"

#include "climate/biome.h"
#include "render/biome_colors.h"

namespace geoweave {

static_assert(kBiomeCount == detail::kBiomeClassCount, "one public class per class");
static_assert(static_cast<int>(Biome::kSubtropicalDesert) ==
                      static_cast<int>(detail::kBiomeSubtropicalDesert) &&
                  static_cast<int>(Biome::kLake) == static_cast<int>(detail::kBiomeLake) &&
                  static_cast<int>(Biome::kBorealForest) ==
                      static_cast<int>(detail::kBiomeBorealForest),
              "the public numbers are the classifier's");
static_assert(kWettestRainMm == detail::kWettestRainMm, "one rain scale");

namespace {
bool known(Biome biome) {
  return static_cast<int>(biome) < kBiomeCount;
}
}  // namespace

const char* biomeName(Biome biome) {
  return detail::biomeName(static_cast<int>(biome));
}

Color biomeColor(Biome biome) {
  const detail::Rgb c = detail::biomeColor(static_cast<int>(biome));
  return Color{c.red, c.green, c.blue};
}

std::string biomeRule(Biome biome) {
  return known(biome) ? detail::biomeRuleText(static_cast<int>(biome)) : std::string();
}

}  // namespace geoweave
