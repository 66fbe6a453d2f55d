#include "sim/traces.h"

namespace sim {

void ResetTimeAxis(SimState& s) {
    for (int i = 1; i <= kTraceLength; ++i) {
        s.TimeAxis[i] = (i - kTraceLength) * kSubStepsPerTick * s.StepTime;
    }
}

void AdvanceTimeAxis(SimState& s) {
    for (int i = 1; i <= kTraceLength; ++i) {
        s.TimeAxis[i] = s.TimeAxis[i] + kSubStepsPerTick * s.StepTime;
    }
}

void ScrollTraces(SimState& s) {
    for (int i = 2; i <= kTraceLength; ++i) {
        s.ChipSumTrace[i - 1] = s.ChipSumTrace[i];
        s.ChipTrace[i - 1] = s.ChipTrace[i];
        s.ForceTrace[i - 1] = s.ForceTrace[i];
        s.MeanForceTrace[i - 1] = s.MeanForceTrace[i];
    }
}

} // namespace sim
