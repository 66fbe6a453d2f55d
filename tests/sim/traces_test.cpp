#include "sim/scenarios.h"
#include "sim/traces.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

TEST(Traces, AdvanceMovesEveryTimeByOneTick) {
    SimState s = StartupState();
    AdvanceTimeAxis(s);
    EXPECT_DOUBLE_EQ(s.TimeAxis[313], 0.0015);
    EXPECT_DOUBLE_EQ(s.TimeAxis[1], -0.468 + 0.0015);
}

TEST(Traces, ScrollMovesTheValueTracesAndKeepsTheNewest) {
    SimState s = StartupState();
    for (int i = 1; i <= kTraceLength; ++i) {
        s.ForceTrace[i] = i;
        s.ChipTrace[i] = 2 * i;
        s.ChipSumTrace[i] = 3 * i;
        s.MeanForceTrace[i] = 4 * i;
        s.TimeAxis[i] = 5 * i;
    }
    ScrollTraces(s);
    EXPECT_EQ(s.ForceTrace[1], 2.0);
    EXPECT_EQ(s.ChipTrace[1], 4.0);
    EXPECT_EQ(s.ChipSumTrace[312], 939.0);
    EXPECT_EQ(s.MeanForceTrace[312], 1252.0);
    EXPECT_EQ(s.MeanForceTrace[313], 1252.0);
    EXPECT_EQ(s.ForceTrace[313], 313.0);
    EXPECT_EQ(s.TimeAxis[1], 5.0); // the time axis is not scrolled
}

TEST(Traces, ResetTimeAxisPutsTheNewestSampleAtZero) {
    SimState s = StartupState();
    s.StepTime = 0.0000625;
    ResetTimeAxis(s);
    EXPECT_EQ(s.TimeAxis[313], 0.0);
    EXPECT_DOUBLE_EQ(s.TimeAxis[1], -312 * 12 * 0.0000625);
}

} // namespace
} // namespace sim
