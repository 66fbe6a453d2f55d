#include "sim/traces.h"

#include <algorithm>

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

namespace {

template <class Visit> void ForEachToothForceTrace(SimState& s, Visit visit) {
    for (Trace* trace :
         {&s.TangentialSumTrace, &s.FeedSumTrace, &s.NormalSumTrace, &s.TeethInCutTrace,
          &s.TangentialTrace, &s.FeedForceTrace, &s.NormalForceTrace, &s.EngagedWidthTrace,
          &s.MeanTangentialTrace, &s.MeanFeedTrace, &s.MeanNormalTrace}) {
        visit(*trace);
    }
}

} // namespace

void ScrollTraces(SimState& s) {
    for (int i = 2; i <= kTraceLength; ++i) {
        s.ChipSumTrace[i - 1] = s.ChipSumTrace[i];
        s.ChipTrace[i - 1] = s.ChipTrace[i];
        s.ForceTrace[i - 1] = s.ForceTrace[i];
        s.MeanForceTrace[i - 1] = s.MeanForceTrace[i];
    }
    ForEachToothForceTrace(
        s, [](Trace& trace) { std::copy(trace.begin() + 2, trace.end(), trace.begin() + 1); });
}

void ClearToothForceTraces(SimState& s) {
    ForEachToothForceTrace(s, [](Trace& trace) { trace.fill(0.0); });
    s.ToothTangentialForce.fill(0.0);
}

} // namespace sim
