#include "sim/scenarios.h"

#include "sim/materials.h"
#include "sim/startup.h"

#include <cassert>

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
