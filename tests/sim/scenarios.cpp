#include "sim/scenarios.h"

#include "sim/cutting_inputs.h"
#include "sim/materials.h"
#include "sim/startup.h"
#include "sim/tool_inputs.h"

#include <cassert>
#include <cstdlib>

namespace sim {

SimState StartupState() {
    SimState s;
    InitialiseState(s);
    return s;
}

SimState StartedState(MillingDirection direction) {
    SimState s = StartupState();
    SelectWorkpieceMaterial(s, FindWorkpieceMaterial("28Cr4") - 1);
    SelectToolMaterial(s, FindToolMaterial("P30") - 1);
    SetMillingDirection(s, direction, nullptr);
    [[maybe_unused]] const MaterialsReport report = StartRun(s);
    assert(report.outcome == MaterialsOutcome::Ready);
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

SimState MidRunState(MillingDirection direction, int ticks) {
    SimState s = StartedState(direction);
    RunTicks(s, ticks);
    return s;
}

} // namespace sim
