// The core's comparisons at their exact edges: a value equal to the limit must fall on the
// side the run depends on, so a "<" written for "<=" (or the reverse) fails here.
#include "sim/chip.h"
#include "sim/force_model.h"
#include "sim/run.h"
#include "sim/scenarios.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace sim {
namespace {

// --- Teeth in the cutting zone: both ends of [EdgeAngle, EngageAngle] are inside ---

struct ZoneEdgeCase {
    const char* name;
    MillingDirection direction;
    double phaseInPitches;    // Phase = this x ToothPitch
    bool engageAtSecondTooth; // EngageAngle := the angle of the second candidate exactly
    int expectedCount;
    double firstAngleInPitches; // ActiveAngle[1] = this x ToothPitch
};

void PrintTo(const ZoneEdgeCase& c, std::ostream* os) {
    *os << c.name;
}

class ZoneEdgeTest : public ::testing::TestWithParam<ZoneEdgeCase> {};

TEST_P(ZoneEdgeTest, AToothExactlyAtTheEdgeIsInTheCut) {
    const ZoneEdgeCase& c = GetParam();
    SimState s = StartedState(c.direction);
    s.FeedTravel = 250; // past the centre: the left edge no longer limits, EdgeAngle is 0
    s.Phase = c.phaseInPitches * s.ToothPitch;
    const int firstCandidate = c.direction == MillingDirection::Down ? 1 : 0;
    if (c.engageAtSecondTooth) {
        s.EngageAngle = (firstCandidate + 1) * s.ToothPitch + s.Phase;
    }
    FindActiveTeeth(s);
    EXPECT_EQ(s.EdgeAngle, 0.0);
    ASSERT_EQ(s.ActiveTeethCount, c.expectedCount);
    EXPECT_EQ(s.ActiveAngle[1], c.firstAngleInPitches * s.ToothPitch);
    if (c.engageAtSecondTooth) {
        EXPECT_EQ(s.ActiveAngle[c.expectedCount], s.EngageAngle);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ZoneEdgeTest,
    ::testing::Values(
        // Up milling, phase 0: tooth 0 sits at angle 0, exactly at the edge.
        ZoneEdgeCase{"UpToothAtTheEdgeAngle", MillingDirection::Up, 0, false, 1, 0},
        // Down milling, phase -pitch: tooth 1 comes back to angle 0.
        ZoneEdgeCase{"DownToothAtTheEdgeAngle", MillingDirection::Down, -1, false, 1, 0},
        ZoneEdgeCase{"UpToothAtTheEngageAngle", MillingDirection::Up, 0, true, 2, 0},
        ZoneEdgeCase{"DownToothAtTheEngageAngle", MillingDirection::Down, -1, true, 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindActiveTeeth, AToothJustBeyondTheEngageAngleIsOut) {
    SimState s = StartedState();
    s.FeedTravel = 250;
    s.Phase = 0;
    s.EngageAngle = std::nextafter(s.ToothPitch, 0.0);
    FindActiveTeeth(s);
    EXPECT_EQ(s.ActiveTeethCount, 1);
}

// --- The helix window: exactly HelixLagTicks samples, the newest included ---

class HelixWindowTest : public ::testing::TestWithParam<int> {};

TEST_P(HelixWindowTest, TheFirstSampleOutsideTheWindowIsNotAveraged) {
    const int window = GetParam();
    SimState s = StartedState();
    s.HelixLagTicks = window;
    s.ChipSumTrace.fill(0.0);
    s.ToothChip[1] = 0.08;
    s.ActiveTeethCount = 1; // the newest sample, 313, becomes 0.08
    for (int i = kTraceLength - window + 1; i < kTraceLength; ++i) {
        s.ChipSumTrace[i] = 0.08;
    }
    s.ChipSumTrace[kTraceLength - window] = 100; // first sample outside the window
    TakeChipSample(s);
    EXPECT_DOUBLE_EQ(s.ChipTrace[kTraceLength], 0.08);
}

INSTANTIATE_TEST_SUITE_P(Windows, HelixWindowTest, ::testing::Values(1, 2, 8, 38, 159),
                         [](const auto& info) { return "Samples" + std::to_string(info.param); });

// --- The revolution clock: a revolution ends when the clock reaches its time exactly ---

struct RevolutionClockCase {
    const char* name;
    double clockBefore; // s, with 12 x StepTime = 1.5 s and RevolutionTime = 3 s
    bool meanWritten;
};

void PrintTo(const RevolutionClockCase& c, std::ostream* os) {
    *os << c.name;
}

class RevolutionClockTest : public ::testing::TestWithParam<RevolutionClockCase> {};

TEST_P(RevolutionClockTest, TheMeanIsWrittenOnceTheClockReachesTheRevolutionTime) {
    const RevolutionClockCase& c = GetParam();
    SimState s = StartedState();
    s.StepTime = 0.125; // binary fractions: the clock lands on 3 exactly
    s.RevolutionTime = 3;
    s.RevolutionClock = c.clockBefore;
    s.RevolutionForceSum = 300;
    s.RevolutionSamples = 2;
    s.ForceTrace[kTraceLength] = 600;
    s.MeanForceTrace[kTraceLength] = -1;
    UpdateRevolutionMean(s);
    if (c.meanWritten) {
        EXPECT_EQ(s.MeanForceTrace[kTraceLength], 300.0); // (300 + 600) / 3
        EXPECT_EQ(s.RevolutionClock, 0.0);
        EXPECT_EQ(s.RevolutionSamples, 0);
        EXPECT_EQ(s.RevolutionForceSum, 0.0);
    } else {
        EXPECT_EQ(s.MeanForceTrace[kTraceLength], -1.0);
        EXPECT_EQ(s.RevolutionClock, c.clockBefore + 1.5);
        EXPECT_EQ(s.RevolutionSamples, 3);
        EXPECT_EQ(s.RevolutionForceSum, 900.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Clock, RevolutionClockTest,
                         ::testing::Values(RevolutionClockCase{"OneStepShort", 1.25, false},
                                           RevolutionClockCase{"ExactlyAtTheTime", 1.5, true},
                                           RevolutionClockCase{"Beyond", 1.75, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The feed limit: a travel of exactly 350 px ends the run ---

struct FeedLimitCase {
    const char* name;
    double travel; // px, FeedTravel before the sub-step
    bool disables;
};

void PrintTo(const FeedLimitCase& c, std::ostream* os) {
    *os << c.name;
}

class FeedLimitTest : public ::testing::TestWithParam<FeedLimitCase> {};

TEST_P(FeedLimitTest, ATravelAtTheLimitStopsTheFeedAndTheTimer) {
    const FeedLimitCase& c = GetParam();
    SimState s = StartedState();
    s.FeedTravel = c.travel;
    EXPECT_EQ(AdvanceSubStep(s), c.disables);
    EXPECT_EQ(s.TimerEnabled, !c.disables);
    EXPECT_EQ(s.FeedTravel, c.disables ? c.travel : c.travel + s.FeedPerStep);
}

INSTANTIATE_TEST_SUITE_P(Limit, FeedLimitTest,
                         ::testing::Values(FeedLimitCase{"JustBelow",
                                                         std::nextafter(kFeedLimit, 0.0), false},
                                           FeedLimitCase{"ExactlyAtTheLimit", kFeedLimit, true},
                                           FeedLimitCase{"Beyond", kFeedLimit + 0.1, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace sim
