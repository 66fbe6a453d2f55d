#include "sim/cutting_inputs.h"
#include "sim/run.h"
#include "sim/scenarios.h"
#include "sim/state_compare.h"
#include "sim/tool_inputs.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace sim {
namespace {

// Records the drawing calls of a run, with what the state held at each.
class RecordingObserver : public RunObserver {
public:
    struct Call {
        std::string what;
        double phase;
        double newestForce;
        double newestTime;
    };
    std::vector<Call> calls;

    void FeedOscillograph(const SimState& s) override {
        calls.push_back({"feed", 0, s.ForceTrace[313], s.TimeAxis[313]});
    }
    void RedrawCutterView(const SimState& s, double phase) override {
        calls.push_back({"redraw", phase, s.ForceTrace[313], s.TimeAxis[313]});
    }
};

TEST(RunTick, FirstForceAfterTheEdgeReachesTheCutterAndEndOfFeed) {
    SimState s = StartedState();
    int firstForceTick = 0;
    int ticks = 0;
    bool stopped = false;
    while (!stopped) {
        ++ticks;
        stopped = RunTick(s, nullptr).feedLimitDisabledTimer;
        if (firstForceTick == 0 && s.ForceTrace[313] > 0) {
            firstForceTick = ticks;
            EXPECT_GT(s.ChipTrace[313], 0.0);
        }
        if (firstForceTick == 0) {
            ASSERT_EQ(s.ChipTrace[313], 0.0) << ticks;
        }
        ASSERT_LE(s.ForceTrace[313], 5000.0);
    }
    // 80 px of travel at 0.225 px per tick; then a tooth must be in the cut at a tick's end,
    // which happens at least once per pitch (26 ticks).
    EXPECT_GE(firstForceTick, 356);
    EXPECT_LE(firstForceTick, 356 + 2 * 27);
    EXPECT_EQ(ticks, 1556); // 350 / 0.01875 = 18667 sub-steps
    EXPECT_FALSE(s.TimerEnabled);
    EXPECT_GE(s.FeedTravel, 350.0);
    EXPECT_LT(s.FeedTravel, 350.0 + s.FeedPerStep);
}

TEST(RunTick, TellsTheObserverAfterTheTimeAxisAndBeforeTheScroll) {
    SimState s = MidRunState(MillingDirection::Up, 600);
    RecordingObserver observer;
    const double timeBefore = s.TimeAxis[313];
    RunTick(s, &observer);
    ASSERT_EQ(observer.calls.size(), 2u);
    EXPECT_EQ(observer.calls[0].what, "feed");
    EXPECT_DOUBLE_EQ(observer.calls[0].newestTime, timeBefore + 0.0015);
    EXPECT_EQ(observer.calls[0].newestForce, s.ForceTrace[313]);
    EXPECT_EQ(observer.calls[1].what, "redraw");
    EXPECT_EQ(observer.calls[1].phase, s.Phase);
    EXPECT_EQ(s.ForceTrace[312], s.ForceTrace[313]); // scrolled after the feed
}

TEST(RunTick, PhaseWrapsOneStepShortOfThePitch) {
    SimState s = StartedState();
    s.Phase = s.PhaseLimit;
    AdvanceSubStep(s);
    EXPECT_EQ(s.Phase, 0.0);
    AdvanceSubStep(s);
    EXPECT_EQ(s.Phase, 0.0025);
    SetMillingDirection(s, MillingDirection::Down, nullptr);
    AdvanceSubStep(s);
    AdvanceSubStep(s);
    EXPECT_DOUBLE_EQ(s.Phase, -0.0025); // reversed from where it was
    s.Phase = -s.PhaseLimit;
    AdvanceSubStep(s);
    EXPECT_EQ(s.Phase, 0.0);
}

TEST(RunTick, ProcesAfterTheEndRunsOneMoreTick) {
    SimState s = StartedState();
    RunTicks(s, 2000);
    ASSERT_FALSE(s.TimerEnabled);
    const double travel = s.FeedTravel;
    const double x = s.ProfileX[1];
    const double time = s.TimeAxis[313];
    ASSERT_TRUE(StartRun(s).mayStart);
    const TickReport report = RunTick(s, nullptr);
    EXPECT_TRUE(report.feedLimitDisabledTimer);
    EXPECT_FALSE(s.TimerEnabled);
    EXPECT_EQ(s.FeedTravel, travel);
    EXPECT_DOUBLE_EQ(s.ProfileX[1], x - 12 * s.FeedPerStep);
    EXPECT_DOUBLE_EQ(s.TimeAxis[313], time + 0.0015);
}

TEST(RunTick, PauseAndResumeContinueWithoutAGap) {
    SimState straight = MidRunState(MillingDirection::Up, 700);
    SimState paused = MidRunState(MillingDirection::Up, 400);
    PauseRun(paused);
    EXPECT_FALSE(paused.TimerEnabled);
    ASSERT_TRUE(StartRun(paused).mayStart);
    RunTicks(paused, 300);
    EXPECT_TRUE(StatesIdentical(straight, paused));
}

TEST(ResetRun, ClearsTheRunAndKeepsPhaseInputsAndMaterials) {
    SimState s = MidRunState(MillingDirection::Up, 900);
    const double phase = s.Phase;
    RecordingObserver observer;
    ResetRun(s, &observer);
    EXPECT_FALSE(s.TimerEnabled);
    EXPECT_EQ(s.FeedTravel, 0.0);
    EXPECT_EQ(s.Phase, phase);
    EXPECT_EQ(s.SpecificForce, 1200.0);
    EXPECT_EQ(s.RevolutionSamples, 0);
    EXPECT_EQ(s.RevolutionClock, 0.0);
    EXPECT_EQ(s.WorkpiecePoints[2], (IntPoint{350, 243}));
    for (int i = 1; i <= kTraceLength; ++i) {
        ASSERT_EQ(s.ForceTrace[i] + s.ChipTrace[i] + s.ChipSumTrace[i] + s.MeanForceTrace[i], 0);
    }
    EXPECT_DOUBLE_EQ(s.TimeAxis[1], -0.468);
    ASSERT_EQ(observer.calls.size(), 2u);
    EXPECT_EQ(observer.calls[0].what, "feed");
    EXPECT_EQ(observer.calls[1].what, "redraw");
    EXPECT_EQ(observer.calls[1].phase, 0.0);
}

// The quick profile search must give the plain search's results bit for bit: whole runs with
// several input sets, comparing the complete state after every tick.
struct RunCase {
    const char* name;
    MillingDirection direction;
    const char* diameter;
    const char* teeth;
    const char* depthTenths;
    const char* feed;
};

std::ostream& operator<<(std::ostream& os, const RunCase& c) {
    return os << c.name;
}

class QuickSearchTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(QuickSearchTest, WholeRunsAreBitIdenticalToThePlainSearch) {
    SimState quick = StartedState(GetParam().direction);
    ASSERT_TRUE(SetCutterDiameter(quick, GetParam().diameter).input.applied());
    ASSERT_TRUE(SetToothCount(quick, GetParam().teeth).applied());
    ASSERT_TRUE(SetDepth(quick, GetParam().depthTenths).input.applied());
    ASSERT_TRUE(SetFeedSpeed(quick, GetParam().feed).applied());
    SimState plain = quick;
    int tick = 0;
    bool stopped = false;
    while (!stopped && tick < 3000) {
        ++tick;
        const bool quickStopped =
            RunTick(quick, nullptr, ProfileSearch::Quick).feedLimitDisabledTimer;
        stopped = RunTick(plain, nullptr, ProfileSearch::Plain).feedLimitDisabledTimer;
        ASSERT_EQ(quickStopped, stopped);
        ASSERT_TRUE(StatesIdentical(quick, plain)) << "tick " << tick;
    }
    EXPECT_TRUE(stopped);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, QuickSearchTest,
    ::testing::Values(RunCase{"StartUp", MillingDirection::Up, "100", "8", "100", "150"},
                      RunCase{"StartUpDown", MillingDirection::Down, "100", "8", "100", "150"},
                      RunCase{"FullDepthUp", MillingDirection::Up, "50", "20", "250", "300"},
                      RunCase{"FullDepthDown", MillingDirection::Down, "50", "20", "250", "300"},
                      RunCase{"ShallowDown", MillingDirection::Down, "180", "4", "5", "600"},
                      RunCase{"FourTeethDeepDown", MillingDirection::Down, "160", "4", "400",
                              "200"},
                      RunCase{"TwelveTeethUp", MillingDirection::Up, "120", "12", "150", "400"},
                      RunCase{"TwelveTeethDown", MillingDirection::Down, "120", "12", "150", "400"},
                      RunCase{"SixteenTeethDown", MillingDirection::Down, "80", "16", "70", "240"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace sim
