#pragma once

#include "sim/sim_state.h"

namespace sim {

// Gives every field its start value and lays out the workpiece: what the main window does
// when it is created, before it draws the first picture of the cutter view at phase 0.
// Fields not set here (Phase, FeedTravel, materials, force constants, revolution sums, the
// force, chip-sum and mean-force traces) keep the values they had, zero in a fresh state.
void InitialiseState(SimState& s);

} // namespace sim
