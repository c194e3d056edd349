#pragma once

struct Planet;
struct PlanetParams;

// Groups the water sweep's entries (params.tilesByElevation) into levels, in
// params.sweepLevelEntries and sweepLevelStarts. An entry reads and writes
// only its point and the neighbours, so two entries interfere only when
// their points lie at most two steps apart; such entries land in different
// levels, the earlier in the list in the lower level, and the entries of one
// level touch disjoint points. Sweeping level after level, each level in any
// order and by any number of workers, thus gives the very result of the
// sweep in list order.
//
// An entry's level is one above the highest level of the earlier entries
// near it. With more than one worker the list is cut into blocks that the
// workers take side by side, each block's levels following the previous
// block's (more levels than one block needs, in a fraction of the time).
// False, with no levels kept, when the room for them could not be had or a
// block would need more than 65535 levels; the sweeps then run in list
// order.
bool groupSweepLevels(const Planet& planet, PlanetParams& params, int workers);
