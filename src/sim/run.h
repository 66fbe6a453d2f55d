#pragma once

// The timer-driven run: the tick, start, pause, reset and the milling direction.

#include "sim/chip.h"
#include "sim/materials.h"
#include "sim/run_observer.h"
#include "sim/sim_state.h"

namespace sim {

struct TickReport {
    // True when a sub-step of this tick found the feed limit reached and disabled the timer.
    bool feedLimitDisabledTimer = false;
};

// One sub-step: turn the cutter by AngleStep (wrapping at PhaseLimit), advance the feed or, at
// the feed limit, disable the timer; shift the workpiece, find the teeth in the cut and let each
// of them cut. Returns whether it disabled the timer.
bool AdvanceSubStep(SimState& s, ProfileSearch search = ProfileSearch::Quick);

// One timer tick: 12 sub-steps, then the chip, force and revolution-mean samples, the time axis,
// the oscillograph feed, the scroll of the traces and the redraw at the current phase.
// The observer may be null (no drawing). Both profile searches give the same results.
TickReport RunTick(SimState& s, RunObserver* observer, ProfileSearch search = ProfileSearch::Quick);

// "Proces": reloads the material constants and, when they allow it, enables the timer.
MaterialsReport StartRun(SimState& s);

// "Pauza": disables the timer and keeps everything else.
void PauseRun(SimState& s);

// "Polazno stanje": disables the timer, lays the workpiece out again, clears the traces and the
// revolution sums, restarts the time axis and the feed travel. Phase, the slots, the materials
// and the inputs stay. Feeds the oscillograph and redraws at phase 0.
void ResetRun(SimState& s, RunObserver* observer);

// The direction radios: sets MillingDirection and redraws at phase 0. The phase keeps its
// value, so a direction change during a run reverses its motion from where it is.
void SetMillingDirection(SimState& s, MillingDirection direction, RunObserver* observer);

} // namespace sim
