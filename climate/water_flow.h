#pragma once

namespace geoweave::detail {

class PlanetGrid;
struct ClimateState;

// At or below this temperature (degrees Celsius) standing water is frozen:
// it neither runs off nor carries sediment.
constexpr double kFreezingTemperature = -15;

// One sweep through climate.tilesByElevation (from the highest ground to the
// lowest): arrived moisture becomes humidity, rain becomes standing water,
// and water runs off to the lowest neighbour, carrying sediment from tiles
// that run dry. With more than one worker and the sweep grouped into levels
// (groupSweepLevels, for this very list), each level may be shared out
// between the workers; the planet comes out the same to the last bit. Which
// way is faster depends on whether the workers have processors to
// themselves: the sweeps time both (climate.sweepTimes) and take the faster,
// trying the other again now and then; with none timed yet they share.
void waterPass(PlanetGrid& planet, ClimateState& climate, int workers, float erosionScale);

}  // namespace geoweave::detail
