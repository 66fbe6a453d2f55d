#pragma once

// Prepared states shared by the tests and the benchmarks, so that "start-up state
// with 28Cr4 and P30, mid-run" is built in one place.

#include "sim/run.h"
#include "sim/sim_state.h"

namespace sim {

// The state right after the main window has been created: start values, straight workpiece,
// timer disabled, no material chosen.
SimState StartupState();

// The start-up state with workpiece "28Cr4" and tool "P30" chosen and "Proces" pressed:
// constants loaded (ToolFactor 1.0), timer enabled, no tick run yet.
SimState StartedState(MillingDirection direction = MillingDirection::Up);

// Runs `ticks` ticks on s without drawing, stopping early when the feed limit disables the
// timer. Returns the number of ticks run.
int RunTicks(SimState& s, int ticks);

// The third reference run, started: 20 teeth, helix angle 45 degrees, 50 mm deep, 28Cr4 with
// P30, up milling (the most teeth in the cut at once). Aborts if a value is refused.
SimState TwentyTeethHelix45Depth50State();
// The start values with 28Cr4 and P30 and the given depth (tenths of mm), helix (degrees),
// number of teeth and K_r, "Proces" pressed.
SimState StartedCut(MillingDirection direction, const char* depth, const char* helix,
                    const char* teeth = "8", double radialRatio = 0.4);

// The same run to the end of the feed: the last revolution's means are those of a steady cut.
SimState SteadyCut(MillingDirection direction, const char* depth, const char* helix,
                   const char* teeth = "8", double radialRatio = 0.4);

// StartedState run for `ticks` ticks (the cutter is in the cut from about tick 357 to the end of
// the feed at about tick 1556).
SimState MidRunState(MillingDirection direction, int ticks);

} // namespace sim
