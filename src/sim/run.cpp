#include "sim/run.h"

#include "sim/chip.h"
#include "sim/force_model.h"
#include "sim/tooth_forces.h"
#include "sim/traces.h"
#include "sim/workpiece.h"

namespace sim {

bool AdvanceSubStep(SimState& s, ProfileSearch search) {
    // The wrap to 0 stands in for one more step: PhaseLimit is one step short of the pitch.
    if (s.MillingDirection == MillingDirection::Down) {
        if (-s.Phase >= s.PhaseLimit) {
            s.Phase = 0;
        } else {
            s.Phase = s.Phase - s.AngleStep;
        }
    } else {
        if (s.Phase >= s.PhaseLimit) {
            s.Phase = 0;
        } else {
            s.Phase = s.Phase + s.AngleStep;
        }
    }
    bool disabled = false;
    if (s.FeedTravel >= kFeedLimit) {
        s.TimerEnabled = false;
        disabled = true;
    } else {
        s.FeedTravel = s.FeedTravel + s.FeedPerStep;
    }
    ShiftWorkpiece(s);
    FindActiveTeeth(s);
    for (s.ActiveTooth = 1; s.ActiveTooth <= s.ActiveTeethCount; ++s.ActiveTooth) {
        if (s.MillingDirection == MillingDirection::Down) {
            CutDownMilling(s, search);
        } else {
            CutUpMilling(s, search);
        }
    }
    return disabled;
}

TickReport RunTick(SimState& s, RunObserver* observer, ProfileSearch search) {
    TickReport report;
    for (int step = 0; step < kSubStepsPerTick; ++step) {
        // Disabling the timer does not end the tick: the remaining sub-steps still run.
        if (AdvanceSubStep(s, search)) {
            report.feedLimitDisabledTimer = true;
        }
    }
    TakeChipSample(s);
    TakeToothForceSample(s);
    ComputeForce(s);
    UpdateRevolutionMean(s);
    AdvanceTimeAxis(s);
    if (observer != nullptr) {
        observer->FeedOscillograph(s);
    }
    ScrollTraces(s);
    if (observer != nullptr) {
        observer->RedrawCutterView(s, s.Phase);
    }
    return report;
}

MaterialsReport StartRun(SimState& s) {
    MaterialsReport report = ApplyMaterials(s);
    if (report.mayStart) {
        s.TimerEnabled = true;
    }
    return report;
}

void PauseRun(SimState& s) {
    s.TimerEnabled = false;
}

void ResetRun(SimState& s, RunObserver* observer) {
    s.TimerEnabled = false;
    InitWorkpiece(s);
    ResetTimeAxis(s);
    s.ForceTrace.fill(0.0);
    s.ChipTrace.fill(0.0);
    s.ChipSumTrace.fill(0.0);
    s.MeanForceTrace.fill(0.0);
    ClearToothForceTraces(s);
    if (observer != nullptr) {
        observer->FeedOscillograph(s);
    }
    s.FeedTravel = 0;
    s.RevolutionSamples = 0;
    s.RevolutionForceSum = 0;
    s.RevolutionClock = 0;
    s.RevolutionTangentialSum = 0;
    s.RevolutionFeedSum = 0;
    s.RevolutionNormalSum = 0;
    if (observer != nullptr) {
        observer->RedrawCutterView(s, 0);
    }
}

void SetMillingDirection(SimState& s, MillingDirection direction, RunObserver* observer) {
    s.MillingDirection = direction;
    if (observer != nullptr) {
        observer->RedrawCutterView(s, 0);
    }
}

} // namespace sim
