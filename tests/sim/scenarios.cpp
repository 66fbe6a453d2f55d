#include "sim/scenarios.h"

#include "sim/cutting_inputs.h"
#include "sim/materials.h"
#include "sim/startup.h"
#include "sim/tool_inputs.h"
#include "sim/tooth_forces.h"

#include <cassert>
#include <cstdlib>
#include <stdexcept>

namespace sim {

SimState StartupState() {
    SimState s;
    InitialiseState(s);
    return s;
}

namespace {

// Chooses 28Cr4 and P30 and the direction and presses "Proces".
void StartWith28Cr4AndP30(SimState& s, MillingDirection direction) {
    SelectWorkpieceMaterial(s, FindWorkpieceMaterial("28Cr4") - 1);
    SelectToolMaterial(s, FindToolMaterial("P30") - 1);
    SetMillingDirection(s, direction, nullptr);
    [[maybe_unused]] const MaterialsReport report = StartRun(s);
    assert(report.outcome == MaterialsOutcome::Ready);
}

} // namespace

SimState StartedState(MillingDirection direction) {
    SimState s = StartupState();
    StartWith28Cr4AndP30(s, direction);
    return s;
}

SimState TwentyTeethHelix45Depth50State() {
    SimState s = StartupState();
    const bool applied = SetToothCount(s, "20").applied() && SetHelixAngle(s, "45").applied() &&
                         SetDepth(s, "50").input.applied();
    SelectWorkpieceMaterial(s, FindWorkpieceMaterial("28Cr4") - 1);
    SelectToolMaterial(s, FindToolMaterial("P30") - 1);
    if (!applied || !StartRun(s).mayStart) {
        std::abort();
    }
    return s;
}

int RunTicks(SimState& s, int ticks) {
    int run = 0;
    while (run < ticks) {
        ++run;
        if (RunTick(s, nullptr).feedLimitDisabledTimer) {
            break;
        }
    }
    return run;
}

SimState StartedCut(MillingDirection direction, const char* depth, const char* helix,
                    const char* teeth, double radialRatio) {
    SimState s = StartupState();
    if (!SetToothCount(s, teeth).applied() || !SetHelixAngle(s, helix).applied() ||
        !SetDepth(s, depth).input.applied() || !SetRadialForceRatio(s, radialRatio)) {
        throw std::invalid_argument("StartedCut: an input the fields refuse");
    }
    StartWith28Cr4AndP30(s, direction);
    return s;
}

SimState SteadyCut(MillingDirection direction, const char* depth, const char* helix,
                   const char* teeth, double radialRatio) {
    SimState s = StartedCut(direction, depth, helix, teeth, radialRatio);
    RunTicks(s, 100000);
    return s;
}

SimState MidRunState(MillingDirection direction, int ticks) {
    SimState s = StartedState(direction);
    RunTicks(s, ticks);
    return s;
}

} // namespace sim
