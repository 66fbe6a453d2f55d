#pragma once

// The oscilloscope traces and the per-tooth force traces: parallel arrays of 313 samples, 313
// the newest.

#include "sim/sim_state.h"

namespace sim {

// TimeAxis[i] := (i - 313) x 12 x StepTime: the newest sample at time 0, the oldest 312 ticks
// earlier. Used whenever StepTime changes and by the reset; the value traces are not touched.
void ResetTimeAxis(SimState& s);

// Moves every sample time on by one tick (12 x StepTime).
void AdvanceTimeAxis(SimState& s);

// Moves the four value traces and the per-tooth force traces one sample toward the old end;
// index 313 keeps its value.
void ScrollTraces(SimState& s);

// Zeroes the per-tooth force traces and the teeth's own forces (the reset of a run).
void ClearToothForceTraces(SimState& s);

} // namespace sim
