#pragma once

// One whole run without a window: the inputs applied as the window would apply them, then ticks
// until the feed ends, gathering the figures of the run.

#include "lab/run_inputs.h"

#include "sim/measurements.h"
#include "sim/run_observer.h"
#include "sim/sim_state.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lab {

struct PrepareResult {
    bool ok = false;
    std::string error;                 // one line, when !ok
    std::vector<std::string> warnings; // messages the window would show, in order
};

// From the start-up state: writes each given field text into its field (a text equal to what
// the field shows runs nothing), in the order diameter, teeth, rake, clearance, helix, speed,
// feed, depth, width; chooses the materials, the direction, the force model and K_r; presses
// "Proces". A value the field rejects, a K_r outside 0.2..0.6 or a missing material stops with
// an error.
PrepareResult PrepareRun(sim::SimState& s, const RunInputs& options, sim::RunObserver* observer);

struct RunSummary {
    int ticksRun = 0;
    int firstForceTick = 0; // 0: the force stayed zero
    double largestForce = 0;
    double meanForce = 0;           // over the ticks with a non-zero force
    double lastRevolutionMean = 0;  // the newest per-revolution mean force
    sim::RunFigures figures;        // the figures above and more, gathered tick by tick
    sim::Measurements measurements; // of the state the run ended in
};

// Runs ticks until the tick in which the feed limit disables the timer, or maxTicks ticks
// (none: no limit), or until afterTick (called after each tick with its 1-based number; may be
// empty) returns false, gathering the figures.
RunSummary RunToEnd(sim::SimState& s, std::optional<int> maxTicks, sim::RunObserver* observer,
                    const std::function<bool(int, const sim::SimState&)>& afterTick);

} // namespace lab
