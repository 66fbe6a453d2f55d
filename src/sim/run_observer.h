#pragma once

#include "sim/sim_state.h"

namespace sim {

// Receives the drawing steps of a run; the window (and tools) implement it.
// The core calls it at fixed points of the tick and of the reset and never draws itself.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // Refill the three chart series from the traces (313 points each).
    virtual void FeedOscillograph(const SimState& s) = 0;
    // Redraw the cutter view with every tooth turned by phase (rad).
    virtual void RedrawCutterView(const SimState& s, double phase) = 0;
};

} // namespace sim
